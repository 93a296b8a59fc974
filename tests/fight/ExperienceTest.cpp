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

// The scaling by levels is checked at the end of whole fights.
TEST(ExperienceTest, StrongerKindsAreWorthMore) {
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
  EXPECT_EQ(WithExpBonus(247934 * 3, 0.75f), 1301654);
}

TEST(ExperienceTest, BonusComesBeforeScalingAndHalvingBeforeBonus) {
  Random random = Forced({5});
  // (97 + 5) / 2 = 51; bonus 0.25: 12.75 + 0.5 + 51 = 64; level 4 vs kind 3: / 2.
  EXPECT_EQ(OpponentExperience(3, 4, 0.25f, true, random), 32);
}

TEST(ExperienceTest, SeveralAttackersMultiplyThePayment) {
  EXPECT_EQ(PaidFightExperience(101, false, false), 101);
  EXPECT_EQ(PaidFightExperience(101, true, false), 151);  // 151.5 truncated
  EXPECT_EQ(PaidFightExperience(101, true, true), 202);
  EXPECT_EQ(PaidFightExperience(16777217, true, false), 25165825);
}
