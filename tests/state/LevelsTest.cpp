#include <gtest/gtest.h>

#include <set>

#include "state/Levels.h"

namespace {

GameState WithExperience(int point, int peace = 0) {
  GameState state;
  state.Point = point;
  state.PointPeace = peace;
  return state;
}

}  // namespace

TEST(LevelTable, ThresholdsAddUpFromTheNewCharacter) {
  int pointLev = GameState{}.PointLev;
  for (const LevelStepRow& row : LevelStepTable()) {
    pointLev += row.step;
    EXPECT_EQ(pointLev, row.pointLevAfter) << "level " << row.level;
    EXPECT_EQ(LevelStep(row.level), row.step);
  }
  EXPECT_EQ(LevelStepTable().front().level, 2);
  EXPECT_EQ(LevelStepTable().back().level, 22);
  EXPECT_EQ(pointLev + LevelStep(23), 153897570);
}

TEST(LevelTable, EveryLevelFromTwoToTwentyFiveHasExactlyOneReward) {
  std::multiset<int> levels;
  for (const LevelRewardGroup& group : LevelRewardTable())
    levels.insert(group.levels.begin(), group.levels.end());
  for (int level = 2; level <= 25; ++level) EXPECT_EQ(levels.count(level), 1u) << level;
  EXPECT_EQ(levels.size(), 24u);
}

TEST(CheckLevelUp, RisesOneLevelPerCallOnceBothExperiencesReachTheThreshold) {
  GameState state = WithExperience(2000, 499);
  state.NumRub = 3;
  int flag = 0;
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.AttLevel, 1);
  EXPECT_EQ(state.NumRub, 3);  // only a new level clears the wood cuttings
  EXPECT_EQ(flag, 0);
  state.PointPeace = 500;
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.AttLevel, 2);
  EXPECT_EQ(state.PointLev, 6625);
  EXPECT_EQ(state.NumRub, 0);
  state.Point = 20000;
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.PointLev, 14245);
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.AttLevel, 4);
  EXPECT_EQ(state.PointLev, 25165);
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.AttLevel, 4);
  EXPECT_EQ(flag, 3);
  // Rewards of levels 2, 3 and 4.
  EXPECT_EQ(state.PointPar, 10 + 15 + 20);
  EXPECT_EQ(state.PointUm, 5 + 10 + 15);
  EXPECT_FLOAT_EQ(state.Money, 2000 + 1000 + 1500 + 1000);
}

TEST(CheckLevelUp, AboveTheTableTheStepIsTheLevelTimesTwoMillion) {
  GameState state = WithExperience(107897570);
  state.AttLevel = 22;
  state.PointLev = 107897570;
  int flag = 0;
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.AttLevel, 23);
  EXPECT_EQ(state.PointLev, 107897570 + 46000000);
  EXPECT_EQ(state.PointPar, 15);
  EXPECT_EQ(state.PointUm, 10);
  EXPECT_FLOAT_EQ(state.Money, 3500);
}

TEST(CheckLevelUp, AboveTwentyFiveTheRewardGrowsWithTheLevel) {
  GameState state = WithExperience(400000000);
  state.AttLevel = 25;
  state.PointLev = 300000000;
  state.PointPar = 4;
  state.PointUm = 1;
  int flag = 0;
  CheckLevelUp(state, flag);
  EXPECT_EQ(state.AttLevel, 26);
  EXPECT_EQ(state.PointPar, 30);
  EXPECT_FLOAT_EQ(state.Money, 2000 + 2600);
  EXPECT_EQ(state.PointUm, 1 + 30 - 5);
}

TEST(AwardPeaceExperience, AddsTheAwardOnceAndReportsOneLevel) {
  GameState state = WithExperience(0, 2400);
  int flag = 7;
  EXPECT_FALSE(AwardPeaceExperience(state, 50, flag));
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(state.PointPeace, 2450);
  EXPECT_EQ(state.AttLevel, 1);

  // A zero award still takes the next level the experience already covers.
  state.PointPeace = 20000;
  EXPECT_TRUE(AwardPeaceExperience(state, 0, flag));
  EXPECT_EQ(state.AttLevel, 2);
}
