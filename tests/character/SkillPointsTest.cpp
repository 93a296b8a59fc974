#include <gtest/gtest.h>

#include "character/SkillPoints.h"

TEST(SpendSkillPoint, EachSkillTakesOnePointUpToTheCap) {
  GameState state;
  state.PointUm = 3;
  state.Strannik = 98;
  SpendSkillPoint(state, Skill::Strannik);
  SpendSkillPoint(state, Skill::Strannik);
  EXPECT_EQ(state.Strannik, 100);
  EXPECT_FALSE(SkillBelowCap(state, Skill::Strannik));
  SpendSkillPoint(state, Skill::Strannik);
  EXPECT_EQ(state.Strannik, 100);
  EXPECT_EQ(state.PointUm, 1);

  SpendSkillPoint(state, Skill::Lesorub);
  EXPECT_EQ(state.Lesorub, 1);
  EXPECT_EQ(state.PointUm, 0);
  EXPECT_TRUE(SkillBelowCap(state, Skill::Lesorub));
}

TEST(SpendSkillPoint, WithoutPointsNothingChanges) {
  GameState state;
  SpendSkillPoint(state, Skill::Lesorub);
  EXPECT_EQ(state.Lesorub, 0);
  EXPECT_EQ(state.PointUm, 0);
}
