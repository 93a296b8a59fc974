#include <gtest/gtest.h>

#include "core/Random.h"
#include "fight/Experience.h"

namespace {

Random Forced(std::initializer_list<int> raw) {
  Random random;
  for (int value : raw) random.Force(value);
  return random;
}

}  // namespace

TEST(ExperienceTest, BasesFollowTheTable) {
  EXPECT_EQ(ExperienceBase(1), 45);
  EXPECT_EQ(ExperienceBase(3), 97);
  EXPECT_EQ(ExperienceBase(8), 810);
  EXPECT_EQ(ExperienceBase(9), 1230);
  EXPECT_EQ(ExperienceBase(16), 21697);
  EXPECT_EQ(ExperienceBase(17), 32580);
  EXPECT_EQ(ExperienceBase(22), 247934);
  for (int kind = 2; kind <= 22; ++kind) EXPECT_GT(ExperienceBase(kind), ExperienceBase(kind - 1));
}

TEST(ExperienceTest, DrawAddsUpToTenTimesTheKindAndHalvesForADraw) {
  Random random = Forced({29, 29, 30});
  EXPECT_EQ(DrawExperience(3, false, random), 97 + 29);
  EXPECT_EQ(DrawExperience(3, true, random), (97 + 29) / 2);
  EXPECT_EQ(DrawExperience(3, false, random), 97);  // 30 mod 30
}

TEST(ExperienceTest, EnlightenmentBonusRoundsHalfUp) {
  EXPECT_EQ(WithExpBonus(101, 0), 101);
  EXPECT_EQ(WithExpBonus(101, 0.25f), 126);  // 25.25 + 0.5 + 101
  EXPECT_EQ(WithExpBonus(102, 0.25f), 128);  // 25.5 + 0.5 + 102
  EXPECT_EQ(WithExpBonus(100, 0.5f), 150);
  EXPECT_EQ(WithExpBonus(247934 * 3, 0.75f), 1301654);
}

TEST(ExperienceTest, LevelFiveAgainstKindThreeGetsAThird) {
  for (int draw : {0, 1, 29}) {
    Random random = Forced({draw});
    EXPECT_EQ(OpponentExperience(3, 5, 0, false, random), (97 + draw) / 3);
  }
}

TEST(ExperienceTest, LevelThreeAgainstKindFiveGetsThreeTimes) {
  for (int draw : {0, 17, 49}) {
    Random random = Forced({draw});
    EXPECT_EQ(OpponentExperience(5, 3, 0, false, random), 3 * (227 + draw));
  }
}

TEST(ExperienceTest, BonusComesBeforeScalingAndHalvingBeforeBonus) {
  Random random = Forced({5});
  // (97 + 5) / 2 = 51; bonus 0.25: 12.75 + 0.5 + 51 = 64; level 4 vs kind 3: / 2.
  EXPECT_EQ(OpponentExperience(3, 4, 0.25f, true, random), 32);
}

TEST(ExperienceTest, TheMasterIsNeverScaled) {
  EXPECT_EQ(ScaleForLevel(1000, 22, 1), 1000);
  EXPECT_EQ(ScaleForLevel(1000, 22, 30), 1000);
  EXPECT_EQ(ThresholdShift(22, 1), 0);
  EXPECT_EQ(ThresholdShift(22, 30), 0);
  EXPECT_EQ(ScaleForLevel(1000, 21, 1), 21000);
}

TEST(ExperienceTest, EqualLevelsLeaveEverythingAlone) {
  EXPECT_EQ(ScaleForLevel(777, 7, 7), 777);
  EXPECT_EQ(ThresholdShift(7, 7), 0);
}

TEST(ExperienceTest, ThresholdsMoveFivePerLevel) {
  EXPECT_EQ(ThresholdShift(1, 2), 5);
  EXPECT_EQ(ThresholdShift(3, 5), 10);
  EXPECT_EQ(ThresholdShift(5, 3), -10);
}

TEST(ExperienceTest, SeveralAttackersMultiplyThePayment) {
  EXPECT_EQ(PaidFightExperience(101, false, false), 101);
  EXPECT_EQ(PaidFightExperience(101, true, false), 151);  // 151.5 truncated
  EXPECT_EQ(PaidFightExperience(101, true, true), 202);
  EXPECT_EQ(PaidFightExperience(0, true, true), 0);
  EXPECT_EQ(PaidFightExperience(16777217, true, false), 25165825);
}
