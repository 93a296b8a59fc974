#pragma once

#include "shell/Screen.h"

class QPushButton;

// The character screen: avatar, values, experience, stat and skill points.
class TForm7 : public Screen {
  Q_OBJECT

 public:
  explicit TForm7(Game& game);

  // The label refresh of the game's 1 ms timer.
  void TimerTimer();

  QPushButton* BackButton;

  void BackButtonClick();

 protected:
  void FormShow() override;
  void FormClose(QCloseEvent* event) override;

 private:
  void PlayLeave();
};
