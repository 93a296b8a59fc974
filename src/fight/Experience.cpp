#include "fight/Experience.h"

#include <array>

#include "core/Random.h"

namespace {

// Base experience by kind; index 0 unused.
constexpr std::array<int, 23> kExperienceBase = {
    0,     45,    65,    97,     148,    227,    348,   532,   810,  // 1..8
    1230,  1862,  2813,  4242,   6388,   9609,   14443, 21697,       // 9..16
    32580, 48907, 73400, 110142, 165258, 247934,                     // 17..22
};

constexpr int kThresholdStep = 5;

}  // namespace

int ExperienceBase(int kind) {
  if (kind < 1 || kind > kMasterKind) return 0;
  return kExperienceBase[kind];
}

int DrawExperience(int kind, bool draw, Random& random) {
  const int value = ExperienceBase(kind) + random.RandomInt(10 * kind);
  return draw ? value / 2 : value;
}

int WithExpBonus(int value, float expBonus) {
  if (expBonus == 0) return value;
  // Exact for every reachable value; a float would lose units above 2^24.
  return static_cast<int>(static_cast<double>(value) * expBonus + 0.5 + value);
}

int ScaleForLevel(int value, int kind, int attLevel) {
  if (kind == kMasterKind) return value;
  if (attLevel > kind) return value / (attLevel - kind + 1);
  if (attLevel < kind) return value * (kind - attLevel + 1);
  return value;
}

int OpponentExperience(int kind, int attLevel, float expBonus, bool draw, Random& random) {
  const int value = WithExpBonus(DrawExperience(kind, draw, random), expBonus);
  return ScaleForLevel(value, kind, attLevel);
}

int ThresholdShift(int kind, int attLevel) {
  if (kind == kMasterKind) return 0;
  return kThresholdStep * (attLevel - kind);
}

int PaidFightExperience(int fightExp, bool secondAttacker, bool thirdAttacker) {
  if (thirdAttacker) return fightExp * 2;
  if (secondAttacker) return static_cast<int>(static_cast<double>(fightExp) * 1.5);
  return fightExp;
}
