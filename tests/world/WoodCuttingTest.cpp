#include <gtest/gtest.h>

#include "core/Random.h"
#include "world/WoodCutting.h"

namespace {

int Forced(int raw, const std::function<int(Random&)>& draw) {
  Random random;
  random.Force(raw);
  const int result = draw(random);
  EXPECT_EQ(random.ForcedLeft(), 0u);
  return result;
}

TEST(WoodCutting, FiveCuttingsPerLevelUpToLevelSix) {
  EXPECT_FALSE(CuttingLimitReached(4, 1));
  EXPECT_TRUE(CuttingLimitReached(5, 6));
  EXPECT_FALSE(CuttingLimitReached(5, 7));
}

// Draws are taken modulo their range.
TEST(WoodCutting, TheRollSpreadsFiveAroundLesorubAndTheAttackComesFiftyToTwoHundredFiftyIn) {
  const auto roll = [](int lesorub, int raw) {
    return Forced(raw, [lesorub](Random& r) { return DrawCutRoll(lesorub, r); });
  };
  EXPECT_EQ(roll(0, 0), -5);
  EXPECT_EQ(roll(100, 10), 105);
  EXPECT_EQ(roll(100, 11), 95);
  EXPECT_EQ(Forced(200, DrawCutAttackAt), 250);
  EXPECT_EQ(Forced(201, DrawCutAttackAt), 50);
}

TEST(WoodCutting, OutcomesOnBothSidesOfEveryBoundary) {
  const std::pair<int, const char*> logs[] = {{5, ""},
                                              {6, "Поленья (1 штука)"},
                                              {35, "Поленья (1 штука)"},
                                              {36, "Поленья (2 штуки)"},
                                              {60, "Поленья (2 штуки)"},
                                              {61, "Поленья (3 штуки)"},
                                              {80, "Поленья (3 штуки)"},
                                              {81, "Поленья (4 штуки)"},
                                              {100, "Поленья (4 штуки)"},
                                              {101, "Поленья (5 штук)"}};
  for (const auto& [roll, item] : logs) {
    EXPECT_EQ(CutFailed(CutOutcomeOf(roll)), roll <= 5) << roll;
    if (roll > 5) {
      EXPECT_STREQ(CutOutcomeOf(roll).logs, item) << roll;
    }
  }
  EXPECT_TRUE(CutFailed(CutOutcomeOf(-5)));
  EXPECT_STREQ(CutOutcomeOf(6).message, "Срублена 1 шт.");
  EXPECT_STREQ(CutOutcomeOf(81).message, "Срублено 4 шт.");
}

int Award(int level, int raw) {
  return Forced(raw, [level](Random& r) { return DrawPeaceAward(level, r); });
}

TEST(PeaceAward, BasesAndSpreadsByLevel) {
  EXPECT_EQ(Award(2, 0), 16);   // 65 / 4
  EXPECT_EQ(Award(2, 19), 21);  // 84 / 4
  EXPECT_EQ(Award(2, 20), 16);
  EXPECT_EQ(Award(15, 0), 14443 / 4);
  EXPECT_EQ(Award(22, 219), (219 + 247934) / 4);
  // Above the table: its last base with the level's own spread.
  EXPECT_EQ(Award(23, 229), (229 + 247934) / 4);
  EXPECT_EQ(Award(23, 230), 247934 / 4);
}

TEST(PeaceAward, LevelOneEarnsNothingAndDrawsNothing) {
  Random random;
  random.Force(7);
  EXPECT_EQ(DrawPeaceAward(1, random), 0);
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

}  // namespace

namespace {

TEST(CuttingOdds, EachLesorubPointAddsOneSuccessUntilElevenAndAwardsFollowTheTable) {
  for (int lesorub = 0; lesorub <= 12; ++lesorub)
    EXPECT_EQ(SuccessfulRolls(lesorub), std::min(lesorub, kCutRollCount)) << lesorub;
  EXPECT_EQ(PeaceAwardRange(1).most, 0);
  // The edge case of the table: 16 to 21 at level 2.
  EXPECT_EQ(PeaceAwardRange(2).least, 16);
  EXPECT_EQ(PeaceAwardRange(2).most, 21);
  EXPECT_EQ(PeaceAwardRange(10).least, 1862 / 4);
  EXPECT_EQ(PeaceAwardRange(10).most, (99 + 1862) / 4);
}

}  // namespace
