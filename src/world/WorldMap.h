#pragma once

#include <string>

#include "core/Translate.h"

// The world map: twenty places in five columns and four rows, numbered in rows
// of five from the bottom left. Place 5, bottom right, is the town.
inline constexpr int kPlaceCount = 20;
inline constexpr int kMapColumns = 5;
inline constexpr int kTown = 5;
// Place 1, bottom left, where wood is cut.
inline constexpr int kForest = 1;

// A place's cell in the grid; row 0 is the bottom row.
struct MapCell {
  int column;
  int row;
};
MapCell CellOf(int place);
// The place in a cell; 0 outside the map.
int PlaceAt(MapCell cell);

// What a screen reader calls a place: "Город (место 5)", "Лес (место 1)", "Место 4".
std::string PlaceTitle(int place);

// Places next to each other in the grid, diagonals included; never a place and itself.
bool AreNeighbours(int from, int to);

// Seconds a move lasts for the skill Strannik (0..100): 90 down to 15.
int MoveTime(int strannik);

std::string MoveTimeText(int secondsLeft);

// What a place shows: its own picture, or the "you are here" one.
std::string PlacePicture(int place);
inline constexpr const char* kHerePicture = "image\\p0.bmp";
inline constexpr const char* kHereHint = QT_TRANSLATE_NOOP("Map", "Ваше местоположение");
inline constexpr const char* kMoveHint = QT_TRANSLATE_NOOP("Map", "Переместиться");
