#include "world/WoodCutting.h"

#include <algorithm>
#include <array>
#include <climits>

#include "core/Random.h"
#include "core/Translate.h"

namespace {

constexpr int kCutLimit = 5;
constexpr int kLastLimitedLevel = 6;

// clang-format off
constexpr std::array<CutOutcome, 6> kCutOutcomes = {{
//  CutRoll from   message                        logs added to the backpack
  { INT_MIN,       QT_TRANSLATE_NOOP("Wood", "Неудачная попытка рубки."),   ""},
  {       6,       QT_TRANSLATE_NOOP("Wood", "Срублена 1 шт."),             "Поленья (1 штука)"},
  {      36,       QT_TRANSLATE_NOOP("Wood", "Срублено 2 шт."),             "Поленья (2 штуки)"},
  {      61,       QT_TRANSLATE_NOOP("Wood", "Срублено 3 шт."),             "Поленья (3 штуки)"},
  {      81,       QT_TRANSLATE_NOOP("Wood", "Срублено 4 шт."),             "Поленья (4 штуки)"},
  {     101,       QT_TRANSLATE_NOOP("Wood", "Срублено 5 шт."),             "Поленья (5 штук)"},
}};

struct PeaceBase {
  int level;
  int base;
};

constexpr std::array<PeaceBase, 21> kPeaceBases = {{
  { 2,     65}, { 9,   1230}, {16,  21697},
  { 3,     97}, {10,   1862}, {17,  32580},
  { 4,    148}, {11,   2813}, {18,  48907},
  { 5,    227}, {12,   4242}, {19,  73400},
  { 6,    348}, {13,   6388}, {20, 110142},
  { 7,    532}, {14,   9609}, {21, 165258},
  { 8,    810}, {15,  14443}, {22, 247934},
}};
// clang-format on

constexpr int kTopPeaceLevel = 22;

int PeaceBaseOf(int level) {
  const int row = std::min(level, kTopPeaceLevel);
  for (const PeaceBase& entry : kPeaceBases) {
    if (entry.level == row) return entry.base;
  }
  return 0;
}

}  // namespace

bool CuttingLimitReached(int numRub, int level) {
  return numRub >= kCutLimit && level <= kLastLimitedLevel;
}

int DrawCutRoll(int lesorub, Random& random) {
  return random.RandomInt(kCutRollCount) + lesorub - 5;
}

int SuccessfulRolls(int lesorub) {
  int successes = 0;
  for (int draw = 0; draw < kCutRollCount; ++draw) {
    if (!CutFailed(CutOutcomeOf(draw + lesorub - 5))) ++successes;
  }
  return successes;
}

int DrawCutAttackAt(Random& random) { return random.RandomInt(201) + 50; }

const CutOutcome& CutOutcomeOf(int cutRoll) {
  const auto next =
      std::find_if(kCutOutcomes.begin(), kCutOutcomes.end(),
                   [cutRoll](const CutOutcome& row) { return row.lowestRoll > cutRoll; });
  return *(next - 1);
}

bool CutFailed(const CutOutcome& outcome) { return *outcome.logs == '\0'; }

int DrawPeaceAward(int level, Random& random) {
  if (level < 2) return 0;
  // Levels above the table use its last row's base; the spread grows with the level.
  return (random.RandomInt(10 * level) + PeaceBaseOf(level)) / 4;
}

AwardRange PeaceAwardRange(int level) {
  if (level < 2) return {0, 0};
  return {PeaceBaseOf(level) / 4, (10 * level - 1 + PeaceBaseOf(level)) / 4};
}

std::string CutTimeText(int secondsLeft) {
  return mg::Fill(mg::translate("Wood", "Рубка ещё: %1 сек."), {std::to_string(secondsLeft)});
}

std::string PeaceAwardText(int award) {
  return mg::Fill(mg::translate("Wood", "Рубка закончена. Получено мирного опыта: %1."),
                  {std::to_string(award)});
}
