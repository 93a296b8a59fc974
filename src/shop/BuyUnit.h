#pragma once

#include "shell/Screen.h"

class QPushButton;

// The shop, in the town only.
class TForm2 : public Screen {
  Q_OBJECT

 public:
  explicit TForm2(Game& game);

  QPushButton* BackButton;

  void BackButtonClick();

 protected:
  void FormClose(QCloseEvent* event) override;

 private:
  void PlayFarewell();
};
