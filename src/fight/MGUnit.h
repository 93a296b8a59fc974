#pragma once

#include "shell/Screen.h"

class QPushButton;

// The fight screen.
class TForm1 : public Screen {
  Q_OBJECT

 public:
  explicit TForm1(Game& game);

  QPushButton* MoveButton;
  QPushButton* BackButton;

  void MoveButtonClick();
  // Surrender.
  void BackButtonClick();

 protected:
  void FormClose(QCloseEvent* event) override;
};
