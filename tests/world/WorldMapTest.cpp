#include <gtest/gtest.h>

#include "world/WorldMap.h"

namespace {

// Which places touch is checked against the map's pictures in the menu's tests.
TEST(WorldMap, GridRunsInRowsOfFiveFromTheBottomLeft) {
  const struct { int place, column, row; } cells[] = {{1, 0, 0}, {5, 4, 0}, {6, 0, 1}, {20, 4, 3}};
  for (const auto& c : cells) {
    EXPECT_EQ(CellOf(c.place).column, c.column) << c.place;
    EXPECT_EQ(CellOf(c.place).row, c.row) << c.place;
  }
}

TEST(WorldMap, PlacesOffTheMapHaveNoNeighbours) {
  EXPECT_FALSE(AreNeighbours(0, 1));
  EXPECT_FALSE(AreNeighbours(1, 0));
  EXPECT_FALSE(AreNeighbours(20, 21));
  EXPECT_FALSE(AreNeighbours(-4, 1));
}

TEST(WorldMap, MoveTimeShortensWithStrannikWithinItsRange) {
  const std::pair<int, int> times[] = {
      {0, 90},
      {50, 40},
      {51, 40},
      {52, 39},
      {100, 15},
      {-10, 90},
      // A skill beyond the cap must not make a move that never ends.
      {250, 15}};
  for (const auto& [strannik, seconds] : times) EXPECT_EQ(MoveTime(strannik), seconds) << strannik;
}

TEST(WorldMap, TextsAndPictures) {
  EXPECT_EQ(MoveTimeText(39), "Перемещение ещё: 39 сек.");
  EXPECT_EQ(PlacePicture(17), "image\\p17.bmp");
}

}  // namespace
