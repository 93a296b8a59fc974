#pragma once

#include <string>

#include "shell/Screen.h"

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
  std::string SelectedItem;

  QPushButton* BackButton;

  void BackButtonClick();

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;

 private:
  void PlayLeave();
};
