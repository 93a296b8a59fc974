#pragma once

#include <string>
#include <vector>

#include "inventory/SlotFigure.h"
#include "inventory/StatPoints.h"
#include "shell/Screen.h"

class QLabel;
class QPushButton;
class ListBox;
struct ItemKind;

// The inventory: the figure, the backpack, the bonus list.
class TForm5 : public Screen {
  Q_OBJECT

 public:
  explicit TForm5(Game& game);

  // The label refresh of the game's 1 ms timer.
  void TimerTimer();

  // The views of the game's backpack and bonus list.
  ListBox* SubjectListBox;
  ListBox* TransListBox;
  // The description of the chosen backpack line (the control "ListBox").
  ListBox* ParamListBox;
  std::string SelectedItem;
  // What the last sale paid.
  float LastSalePrice = 0;

  SlotFigure Figure;

  QLabel* HPLabel;
  QLabel* PowerLabel;
  QLabel* DexterityLabel;
  QLabel* GoodLuckLabel;
  QLabel* HealthLabel;
  QLabel* KickLabel;
  QLabel* KBLabel;
  QLabel* UlovLabel;
  QLabel* TochLabel;
  QLabel* SokrLabel;
  QLabel* StoiLabel;
  QLabel* MoneyLabel;
  QLabel* UluchLabel;

  QPushButton* PowerButton;
  QPushButton* DexterityButton;
  QPushButton* GoodLuckButton;
  QPushButton* HealthButton;
  QPushButton* DressButton;
  QPushButton* SellButton;
  QPushButton* DragButton;
  QPushButton* Drag2Button;
  QPushButton* TransButton;
  QPushButton* BackButton;

  void PowerButtonClick() { SpendPoint(StatPointTarget::Power); }
  void DexterityButtonClick() { SpendPoint(StatPointTarget::Dexterity); }
  void GoodLuckButtonClick() { SpendPoint(StatPointTarget::GoodLuck); }
  void HealthButtonClick() { SpendPoint(StatPointTarget::Health); }
  void BackButtonClick();
  void SubjectListBoxClick();
  void DressButtonClick();
  void SellButtonClick();
  void DragButtonClick();
  void Drag2ButtonClick();
  void TransButtonClick();
  // A click on a slot picture ("ShlemImageClick" … "SodKarmanImageClick"): the slot's
  // item goes back into the backpack. Wearing calls it for the slot it fills.
  void TakeOff(const EquipSlotInfo& slot);

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;

 private:
  void MakeStatLabels();
  void MakeLists();
  void MakeButtons();
  void MakeKeyboardPlay();
  QPushButton* MakePlusButton(const QString& name, const QString& hint, int top);
  void ConnectHandlers();
  void SpendPoint(StatPointTarget target);
  void ShowMoney();
  void PlayLeave();
  void RefuseNoChoice();
  void ShowDescription(const std::vector<std::string>& lines);
  // "Применить" while a scroll used from the backpack is chosen, "Надеть" otherwise.
  void ShowWearCaption(bool apply);
  void OfferScroll(const ItemKind& kind);
  // Step by step, the wear button's use of a kind; false when the line stays.
  bool UseFromBackpack(const ItemKind* kind);
  void Wear(const ItemKind& kind);
  void UseTeleport();
  void StopWorldActivities();
  void ChooseFirstLines();
};
