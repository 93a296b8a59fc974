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

TEST(StatPoints, LeftTextTakesTheWordFormOfTheCount) {
  EXPECT_EQ(StatPointsLeftText(1), "Остался: 1 стат.");
  EXPECT_EQ(StatPointsLeftText(21), "Остался: 21 стат.");
  EXPECT_EQ(StatPointsLeftText(71), "Остался: 71 стат.");
  EXPECT_EQ(StatPointsLeftText(3), "Осталось: 3 стата.");
  EXPECT_EQ(StatPointsLeftText(22), "Осталось: 22 стата.");
  EXPECT_EQ(StatPointsLeftText(74), "Осталось: 74 стата.");
  EXPECT_EQ(StatPointsLeftText(5), "Осталось: 5 статов.");
  EXPECT_EQ(StatPointsLeftText(11), "Осталось: 11 статов.");
  EXPECT_EQ(StatPointsLeftText(12), "Осталось: 12 статов.");
  EXPECT_EQ(StatPointsLeftText(81), "Осталось: 81 статов.");
  EXPECT_EQ(StatPointsLeftText(0), "Осталось: 0 статов.");
}
