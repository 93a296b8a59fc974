#include <gtest/gtest.h>

#include "character/StatPoints.h"

TEST(SpendStatPoint, EachStatTakesOnePointAndRaisesOnlyItself) {
  const struct {
    Stat stat;
    int GameState::*member;
  } cases[] = {
      {Stat::Power, &GameState::AttPower},
      {Stat::Dexterity, &GameState::AttDexterity},
      {Stat::GoodLuck, &GameState::AttGoodLuck},
      {Stat::Health, &GameState::AttHealth},
  };
  for (const auto& c : cases) {
    GameState state;
    state.PointPar = 2;
    const int before = state.*c.member;
    SpendStatPoint(state, c.stat);
    EXPECT_EQ(state.PointPar, 1);
    EXPECT_EQ(state.*c.member, before + 1);
    // A point in power does not change the kick, nor dexterity the dodge.
    EXPECT_EQ(state.AttKick, 1);
    EXPECT_EQ(state.AttUlov, 1);
  }
}

TEST(SpendStatPoint, HealthGivesTenHitPointsToMaximumAndCurrent) {
  GameState state;
  state.PointPar = 1;
  SpendStatPoint(state, Stat::Health);
  EXPECT_EQ(state.AttHealth, 6);
  EXPECT_EQ(state.AttHP, 60);
  EXPECT_EQ(state.MoveAttHP, 60);

  // Both follow the current hit points.
  state.PointPar = 1;
  state.MoveAttHP = 30;
  SpendStatPoint(state, Stat::Health);
  EXPECT_EQ(state.AttHP, 40);
  EXPECT_EQ(state.MoveAttHP, 40);
}

TEST(SpendStatPoint, WithoutPointsNothingChanges) {
  GameState state;
  SpendStatPoint(state, Stat::Health);
  SpendStatPoint(state, Stat::Power);
  EXPECT_EQ(state.PointPar, 0);
  EXPECT_EQ(state.AttHealth, 5);
  EXPECT_EQ(state.AttHP, 50);
  EXPECT_EQ(state.AttPower, 26);
}

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
