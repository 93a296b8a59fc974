#include "world/WorldMap.h"

#include <algorithm>
#include <cstdlib>

#include "core/Translate.h"

MapCell CellOf(int place) { return {(place - 1) % kMapColumns, (place - 1) / kMapColumns}; }

int PlaceAt(MapCell cell) {
  constexpr int kRows = kPlaceCount / kMapColumns;
  if (cell.column < 0 || cell.column >= kMapColumns || cell.row < 0 || cell.row >= kRows) return 0;
  return cell.row * kMapColumns + cell.column + 1;
}

std::string PlaceTitle(int place) {
  const std::string number = std::to_string(place);
  if (place == kTown) return mg::Fill(mg::translate("Map", "Город (место %1)"), {number});
  if (place == kForest) return mg::Fill(mg::translate("Map", "Лес (место %1)"), {number});
  return mg::Fill(mg::translate("Map", "Место %1"), {number});
}

namespace {
bool OnMap(int place) { return place >= 1 && place <= kPlaceCount; }
}  // namespace

bool AreNeighbours(int from, int to) {
  if (from == to || !OnMap(from) || !OnMap(to)) return false;
  const MapCell a = CellOf(from);
  const MapCell b = CellOf(to);
  return std::abs(a.column - b.column) <= 1 && std::abs(a.row - b.row) <= 1;
}

int MoveTime(int strannik) {
  // The skill is capped at 100; a save holding more must still give a move that ends.
  strannik = std::clamp(strannik, 0, 100);
  // Up to 50 each point saves a second; beyond it every second point does.
  if (strannik <= 50) return 90 - strannik;
  return 40 - (strannik - 50) / 2;
}

std::string MoveTimeText(int secondsLeft) {
  return mg::Fill(mg::translate("Map", "Перемещение ещё: %1 сек."), {std::to_string(secondsLeft)});
}

std::string PlacePicture(int place) { return "image\\p" + std::to_string(place) + ".bmp"; }
