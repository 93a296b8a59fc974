// Wearing, taking off and the scrolls used from the backpack.

#include <QLabel>
#include <QPushButton>

#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "inventory/Wearing.h"
#include "items/ItemCatalogue.h"
#include "shell/Game.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"
#include "world/WorldMap.h"

namespace {

constexpr int kMasterKind = 22;

}  // namespace

void TForm5::DressButtonClick() {
  const int row = SubjectListBox->currentRow();
  if (row < 0) {
    RefuseNoChoice();
    return;
  }
  game_.sound.Play("sound\\Надеть.wav");
  if (!UseFromBackpack(FindItem(SelectedItem))) return;
  // Lines a take-off appended lie after the used one and stay.
  game_.backpack.RemoveAt(row);
  ShowSlotPictures(game_.state, Figure);
  ShowSlotHints(game_.state, Figure);
  if (game_.backpack.Count() == 0) {
    ParamListBox->clear();
  } else {
    SubjectListBox->Choose(0);
  }
}

bool TForm5::UseFromBackpack(const ItemKind* kind) {
  const BackpackUse use = UseOf(kind);
  // Gems and logs never get here (the button is disabled); they stay where they are.
  if (use == BackpackUse::None) return false;
  if (!MeetsRequirement(game_.state, *kind)) {
    game_.Refuse(tr("Ошибка"), tr("Не учтены требования вещи."));
    return false;
  }
  switch (use) {
    case BackpackUse::Wear:
      Wear(*kind);
      break;
    case BackpackUse::BattleScroll:
      ShowWearCaption(false);
      game_.form3->EncounterCountdown = 1;
      break;
    case BackpackUse::TownTeleport:
      UseTeleport();
      game_.state.Place = kTown;
      game_.form3->RefreshMap();
      game_.Inform(tr("Вы заходите в телепорт, который ведёт в город."));
      hide();
      game_.form3->show();
      break;
    case BackpackUse::MasterTeleport:
      UseTeleport();
      game_.form3->AttackerKinds[1] = kMasterKind;
      game_.form3->AttackerKinds[2] = 0;
      game_.form3->AttackerKinds[3] = 0;
      game_.Inform(tr("Вы заходите в телепорт, который ведёт к Мастеру."));
      hide();
      game_.form1->show();
      break;
    case BackpackUse::None:
      break;
  }
  return true;
}

// Replacing is taking off, then filling: the old item's modifiers go before the
// new one's come.
void TForm5::Wear(const ItemKind& kind) {
  const EquipSlotInfo& slot = *WearSlot(game_.state, kind);
  TakeOff(slot);
  PutOn(game_.state, slot, kind);
  if (kind.name == kWoodcutterAxe) game_.form3->RefreshMap();
}

void TForm5::UseTeleport() {
  game_.sound.Play("sound\\Применить.wav");
  ShowWearCaption(false);
  StopWorldActivities();
}

// A move or a wood cutting under way ends without result.
void TForm5::StopWorldActivities() {
  TForm3& world = *game_.form3;
  world.TimeLabel->hide();
  for (int place = 1; place <= kPlaceCount; ++place) world.Images[place]->setEnabled(true);
  Figure.Slot("Oruzhie")->setEnabled(true);
  world.MoveCountdown = 0;
  world.EncounterCountdown = 0;
  world.CutCountdown = 0;
}

void TForm5::TakeOff(const EquipSlotInfo& slot) {
  const std::optional<std::string> removed = TakeOffSlot(game_.state, slot);
  if (!removed) return;
  game_.sound.Play("sound\\Снять.wav");
  game_.backpack.Append(*removed);
  if (*removed == kWoodcutterAxe) game_.form3->RefreshMap();
  ShowSlotPictures(game_.state, Figure);
  ShowSlotHints(game_.state, Figure);
  if (game_.backpack.Count() == 1) SubjectListBox->Choose(0);
}
