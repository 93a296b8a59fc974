#pragma once

#include <array>

#include "state/GameState.h"

class GameFolder;
class PictureBox;
class QWidget;

// The character's figure: the seventeen slot pictures, in the order of kEquipSlots,
// and the avatar. The inventory and the character screen draw it in the same frames.
struct SlotFigure {
  std::array<PictureBox*, kEquipSlotCount> pictures{};
  PictureBox* avatar = nullptr;

  // The picture of a slot by its member name ("Shlem", "Kolch").
  PictureBox* Slot(const char* name) const;
};

// Creates the pictures ("ShlemImage" … "KolchImage", "AvatarImage") on `parent`.
SlotFigure MakeSlotFigure(QWidget* parent, const GameFolder& folder);

// Loads every slot's picture from GameState; the chain mail shows only while worn.
void ShowSlotPictures(const GameState& state, const SlotFigure& figure);
// Each slot's hint names what it holds, or "Пустой слот".
void ShowSlotHints(const GameState& state, const SlotFigure& figure);
