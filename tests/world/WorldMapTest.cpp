#include <gtest/gtest.h>

#include <set>

#include "world/WorldMap.h"

namespace {

// The places reachable from each place, as the map's description lists them.
const std::set<int> kReachable[kPlaceCount + 1] = {
    {},
    {2, 6, 7},
    {1, 3, 6, 7, 8},
    {2, 4, 7, 8, 9},
    {3, 5, 8, 9, 10},
    {4, 9, 10},
    {1, 2, 7, 11, 12},
    {1, 2, 3, 6, 8, 11, 12, 13},
    {2, 3, 4, 7, 9, 12, 13, 14},
    {3, 4, 5, 8, 10, 13, 14, 15},
    {4, 5, 9, 14, 15},
    {6, 7, 12, 16, 17},
    {6, 7, 8, 11, 13, 16, 17, 18},
    {7, 8, 9, 12, 14, 17, 18, 19},
    {8, 9, 10, 13, 15, 18, 19, 20},
    {9, 10, 14, 19, 20},
    {11, 12, 17},
    {11, 12, 13, 16, 18},
    {12, 13, 14, 17, 19},
    {13, 14, 15, 18, 20},
    {14, 15, 19},
};

TEST(WorldMap, NeighboursAreTheListedPlacesForEveryPlace) {
  for (int from = 1; from <= kPlaceCount; ++from) {
    for (int to = 1; to <= kPlaceCount; ++to) {
      EXPECT_EQ(AreNeighbours(from, to), kReachable[from].count(to) == 1)
          << "from " << from << " to " << to;
    }
  }
}

TEST(WorldMap, GridRunsInRowsOfFiveFromTheBottomLeft) {
  EXPECT_EQ(CellOf(1).column, 0);
  EXPECT_EQ(CellOf(1).row, 0);
  EXPECT_EQ(CellOf(5).column, 4);
  EXPECT_EQ(CellOf(5).row, 0);
  EXPECT_EQ(CellOf(6).column, 0);
  EXPECT_EQ(CellOf(6).row, 1);
  EXPECT_EQ(CellOf(20).column, 4);
  EXPECT_EQ(CellOf(20).row, 3);
}

TEST(WorldMap, EdgesOfTheRowsDoNotWrapAround) {
  EXPECT_FALSE(AreNeighbours(5, 6));
  EXPECT_FALSE(AreNeighbours(10, 11));
  EXPECT_FALSE(AreNeighbours(15, 16));
}

TEST(WorldMap, PlacesOffTheMapHaveNoNeighbours) {
  EXPECT_FALSE(AreNeighbours(0, 1));
  EXPECT_FALSE(AreNeighbours(1, 0));
  EXPECT_FALSE(AreNeighbours(20, 21));
  EXPECT_FALSE(AreNeighbours(-4, 1));
}

TEST(WorldMap, MoveTimeShortensWithStrannik) {
  EXPECT_EQ(MoveTime(0), 90);
  EXPECT_EQ(MoveTime(50), 40);
  EXPECT_EQ(MoveTime(51), 40);
  EXPECT_EQ(MoveTime(52), 39);
  EXPECT_EQ(MoveTime(100), 15);
}

TEST(WorldMap, MoveTimeStaysInItsRangeForSkillsOutsideIt) {
  // A skill beyond the cap must not make a move that never ends.
  EXPECT_EQ(MoveTime(-10), 90);
  EXPECT_EQ(MoveTime(250), 15);
}

TEST(WorldMap, TextsAndPictures) {
  EXPECT_EQ(MoveTimeText(39), "Перемещение ещё: 39 сек.");
  EXPECT_EQ(PlacePicture(17), "image\\p17.bmp");
}

}  // namespace
