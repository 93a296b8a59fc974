#pragma once

#include <QPoint>
#include <QString>
#include <array>
#include <string_view>
#include <vector>

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
  // The slot pictures, each taking the focus by Tab; in their order.
  std::vector<QWidget*> SetFocusable() const;
};

// Where a figure is drawn. The inventory and the character screen use the
// defaults; the fight screen draws two smaller figures, keeping every frame's
// proportions so that the pictures drawn for them are not distorted.
struct FigurePlacement {
  QString prefix;             // of the picture names: "Att" gives "AttShlemImage"
  QPoint origin{8, 51};       // the helmet frame's top-left corner
  double scale = 1.0;         // against the inventory's frames
  bool withChainMail = true;  // an opponent has no chain-mail picture
  QString whose;              // each picture's accessible name put in for %1, or empty
};

// Creates the pictures ("ShlemImage" … "KolchImage", "AvatarImage") on `parent`.
SlotFigure MakeSlotFigure(QWidget* parent, const GameFolder& folder,
                          const FigurePlacement& placement = {});

// Loads every slot's picture from GameState; the chain mail shows only while worn.
void ShowSlotPictures(const GameState& state, const SlotFigure& figure);
// Each slot's hint names what it holds, or "Пустой слот". The chain mail's
// picture keeps its hint when KolchHint is empty (an old save) or `keepChainMailOn`:
// the fight leaves it alone while no chain mail is worn.
void ShowSlotHints(const GameState& state, const SlotFigure& figure,
                   std::string_view keepChainMailOn = "");
