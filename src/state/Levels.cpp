#include "state/Levels.h"

#include <algorithm>
#include <cstdint>

namespace {

// clang-format off
constexpr LevelStepRow kLevelSteps[] = {
    // level  step      PointLev afterwards
    {2,       4125,     6625},
    {3,       7620,     14245},
    {4,       10920,    25165},
    {5,       17640,    42805},
    {6,       28350,    71155},
    {7,       45360,    116515},
    {8,       72250,    188765},
    {9,       114750,   303515},
    {10,      181640,   485155},
    {11,      286800,   771955},
    {12,      451710,   1223665},
    {13,      709830,   1933495},
    {14,      1113085,  3046580},
    {15,      1742160,  4788740},
    {16,      2722125,  7510865},
    {17,      4246450,  11757315},
    {18,      6614595,  18371910},
    {19,      10289300, 28661210},
    {20,      15985090, 44646300},
    {21,      24804450, 69450750},
    {22,      38446820, 107897570},
};

constexpr int kSmallReward[] = {2, 8, 14, 15, 16, 18, 20, 22, 24};
constexpr int kOddReward[] = {3, 7, 9, 13, 19, 21, 23, 25};
constexpr int kStatReward[] = {4, 6, 10, 12, 17};
constexpr int kBigReward[] = {5, 11};

const LevelRewardGroup kLevelRewards[] = {
    // levels        PointPar  Money  PointUm
    {kSmallReward,   10,       1000,  5},
    {kOddReward,     15,       1500,  10},
    {kStatReward,    20,       1000,  15},
    {kBigReward,     25,       1500,  20},
};
// clang-format on

constexpr int kLastTableLevel = 22;
constexpr int kStepPerLevelAbove = 2000000;

void GiveLevelReward(GameState& state) {
  const int level = state.AttLevel;
  for (const LevelRewardGroup& group : kLevelRewards) {
    if (std::ranges::find(group.levels, level) == group.levels.end()) continue;
    state.PointPar += group.pointPar;
    state.Money += static_cast<float>(group.money);
    state.PointUm += group.pointUm;
    return;
  }
  if (level <= 25) return;
  state.PointPar += level;
  state.Money += static_cast<float>(level * 100);
  state.PointUm += state.PointPar - 5;
}

}  // namespace

std::span<const LevelStepRow> LevelStepTable() { return kLevelSteps; }

int LevelStep(int newLevel) {
  if (newLevel > kLastTableLevel) return newLevel * kStepPerLevelAbove;
  for (const LevelStepRow& row : kLevelSteps) {
    if (row.level == newLevel) return row.step;
  }
  return 0;
}

std::span<const LevelRewardGroup> LevelRewardTable() { return kLevelRewards; }

void CheckLevelUp(GameState& state, int& levelUpFlag) {
  // Summed in 64 bits: two large experience totals must not wrap into a miss.
  const std::int64_t experience = std::int64_t{state.Point} + state.PointPeace;
  if (experience < state.PointLev) return;
  ++state.AttLevel;
  ++levelUpFlag;
  state.PointLev += LevelStep(state.AttLevel);
  GiveLevelReward(state);
  state.NumRub = 0;
}

bool AwardPeaceExperience(GameState& state, int award, int& levelUpFlag) {
  levelUpFlag = 0;
  state.PointPeace += award;
  CheckLevelUp(state, levelUpFlag);
  return levelUpFlag == 1;
}
