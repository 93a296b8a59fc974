#pragma once

#include "shell/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The login screen: the program's main window.
class TForm4 : public Screen {
  Q_OBJECT

 public:
  explicit TForm4(Game& game);

  bool FormKeyPress(int code) override;

  QLabel* Label1;
  QLineEdit* Edit1;
  QLabel* Label2;
  QLineEdit* Edit2;
  QPushButton* Button;

  void ButtonClick();

 protected:
  void FormClose(QCloseEvent* event) override;
};
