#include <gtest/gtest.h>

#include "inventory/StatPoints.h"

TEST(StatPoints, EachButtonSpendsOnePointOnItsOwnStat) {
  GameState s;
  s.PointPar = 3;
  SpendStatPoint(s, StatPointTarget::Power);
  SpendStatPoint(s, StatPointTarget::Dexterity);
  SpendStatPoint(s, StatPointTarget::GoodLuck);
  EXPECT_EQ(s.PointPar, 0);
  EXPECT_EQ(s.AttPower, 27);
  EXPECT_EQ(s.AttDexterity, 27);
  EXPECT_EQ(s.AttGoodLuck, 27);
  // No other value follows a stat point.
  EXPECT_EQ(s.AttKick, 1);
  EXPECT_EQ(s.AttUlov, 1);
  EXPECT_EQ(s.AttHealth, 5);
  EXPECT_EQ(s.AttHP, 50);
}

TEST(StatPoints, HealthRaisesMaximumAndCurrentHitPointsByTen) {
  GameState s;
  s.PointPar = 1;
  SpendStatPoint(s, StatPointTarget::Health);
  EXPECT_EQ(s.AttHealth, 6);
  EXPECT_EQ(s.AttHP, 60);
  EXPECT_EQ(s.MoveAttHP, 60);
}

TEST(StatPoints, HealthBuildsOnCurrentHitPoints) {
  GameState s;
  s.PointPar = 1;
  s.AttHP = 80;
  s.MoveAttHP = 70;
  SpendStatPoint(s, StatPointTarget::Health);
  EXPECT_EQ(s.AttHP, 80);
  EXPECT_EQ(s.MoveAttHP, 80);
}

TEST(StatPoints, NothingWithoutAPointLeft) {
  GameState s;
  SpendStatPoint(s, StatPointTarget::Health);
  SpendStatPoint(s, StatPointTarget::Power);
  EXPECT_EQ(s.PointPar, 0);
  EXPECT_EQ(s.AttHealth, 5);
  EXPECT_EQ(s.AttPower, 26);
  EXPECT_EQ(s.AttHP, 50);
}
