#pragma once

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "inventory/SlotFigure.h"
#include "shell/Screen.h"

class QLabel;
class QPushButton;
class ListBox;

// The character screen: avatar, values, experience, stat and skill points.
class TForm7 : public Screen {
  Q_OBJECT

 public:
  explicit TForm7(Game& game);

  // The label refresh of the game's 1 ms timer: writes only what changed.
  void TimerTimer();

  SlotFigure Figure;

  QLabel* MoneyLabel;
  QLabel* HPLabel;
  QLabel* Label6;
  QLabel* UmLabel;
  QLabel* UluchLabel;
  ListBox* AvatarListBox;

  QPushButton* PowerButton;
  QPushButton* DexterityButton;
  QPushButton* GoodLuckButton;
  QPushButton* HealthButton;
  QPushButton* StrannikButton;
  QPushButton* LesorubButton;
  QPushButton* BackButton;

  void AvatarListBoxClick();
  void PowerButtonClick();
  void DexterityButtonClick();
  void GoodLuckButtonClick();
  void HealthButtonClick();
  void StrannikButtonClick();
  void LesorubButtonClick();
  void BackButtonClick();

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;

 private:
  QLabel* MakeValueLabel(const char* name, int left, int top, int width);
  void MakeValueLabels();
  void MakeLeftColumn();
  void MakeRightColumn();
  QPushButton* MakePlusButton(const QString& name, const QString& hint, int left, int top,
                              void (TForm7::*handler)());
  void ChooseAvatarLine();
  void PlayLeave();

  void ShowPointButtons();

  // What a refreshed label last showed: the refresh formats only what changed.
  template <typename T>
  struct ShownValue {
    std::optional<T> value;
    bool Changed(const T& now) {
      if (value == now) return false;
      value = now;
      return true;
    }
  };

  // The labels "prefix + member" the timer refreshes and those written on showing.
  std::array<QLabel*, 13> refreshedLabels_;
  std::array<ShownValue<int>, 13> refreshedValues_;
  std::array<QLabel*, 4> shownLabels_;
  ShownValue<std::tuple<std::string, int, int, int>> hitPoints_;
  ShownValue<int> toNextLevel_;
  ShownValue<int> statPoints_;
  ShownValue<int> skillPoints_;
};
