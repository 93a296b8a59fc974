// The fight screen's belt and pocket: potions and scrolls used between moves.

#include <QString>

#include "fight/FightItems.h"
#include "fight/MGUnit.h"
#include "items/ItemCatalogue.h"
#include "shell/Game.h"
#include "widgets/PictureBox.h"

void TForm1::ConnectItemPictures() {
  OnInput(AttSodPoyas1Image, &PictureBox::clicked, &TForm1::AttSodPoyas1ImageClick);
  OnInput(AttSodPoyas2Image, &PictureBox::clicked, &TForm1::AttSodPoyas2ImageClick);
  OnInput(AttSodPoyas3Image, &PictureBox::clicked, &TForm1::AttSodPoyas3ImageClick);
  OnInput(AttSodKarmanImage, &PictureBox::clicked, &TForm1::AttSodKarmanImageClick);
}

void TForm1::AttSodPoyas1ImageClick() { UseBeltSlot(AttSodPoyas1Image, "SodPoyas1"); }
void TForm1::AttSodPoyas2ImageClick() { UseBeltSlot(AttSodPoyas2Image, "SodPoyas2"); }
void TForm1::AttSodPoyas3ImageClick() { UseBeltSlot(AttSodPoyas3Image, "SodPoyas3"); }

void TForm1::AttSodKarmanImageClick() {
  Fight.ItemName = game_.state.SodKarmanHint;
  UseScroll();
  EmptySlot(AttSodKarmanImage, "SodKarman");
}

void TForm1::UseBeltSlot(PictureBox* picture, const char* slotName) {
  Fight.ItemName = game_.state.*FindEquipSlot(slotName)->hint;
  UsePotion();
  // A refused poison stays in the belt.
  if (Fight.PoisonRefused == 1) {
    Fight.PoisonRefused = 0;
    return;
  }
  EmptySlot(picture, slotName);
}

void TForm1::EmptySlot(PictureBox* picture, const char* slotName) {
  const EquipSlotInfo& slot = *FindEquipSlot(slotName);
  GameState& state = game_.state;
  state.*slot.picture = slot.emptyPicture;
  state.*slot.hint = kEmptySlot;
  picture->Load(state.*slot.picture);
  picture->setToolTip(QString::fromStdString(DisplayName(kEmptySlot)));
  RefreshFightLabels();
}

namespace {

void Show(Game& game, const FightItemUse& use) {
  if (use.refused) {
    game.Refuse(mg::translate("Caption", "Ошибка"), mg::translate("Fight", kPoisonRefusal));
  } else if (!use.message.empty()) {
    game.Inform(use.message);
  }
}

}  // namespace

void TForm1::UsePotion() {
  Show(game_, ::UsePotion(Fight.ItemName, game_.state, Fight));
  StoreCurrentOpponent(Fight);
}

void TForm1::UseScroll() {
  Show(game_, ::UseScroll(Fight.ItemName, game_.state, Fight));
  StoreCurrentOpponent(Fight);
}
