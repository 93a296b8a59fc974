#pragma once

#include <string>

#include "inventory/SlotFigure.h"
#include "inventory/StatPoints.h"
#include "shell/Screen.h"

class QLabel;
class QPushButton;
class ListBox;

// The inventory: the figure, the backpack, the bonus list.
class TForm5 : public Screen {
  Q_OBJECT

 public:
  explicit TForm5(Game& game);

  // The label refresh of the game's 1 ms timer.
  void TimerTimer();

  // The backpack and the bonus list; saved beside GameState.
  ListBox* SubjectListBox;
  ListBox* TransListBox;
  // The description of the chosen backpack line (the control "ListBox").
  ListBox* ParamListBox;
  std::string SelectedItem;

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

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;

 private:
  void MakeStatLabels();
  void MakeLists();
  void MakeButtons();
  QPushButton* MakePlusButton(const QString& name, const QString& hint, int top);
  void SpendPoint(StatPointTarget target);
  void ShowMoney();
  void PlayLeave();
};
