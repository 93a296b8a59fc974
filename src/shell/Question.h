#pragma once

#include "shell/Screen.h"

class QLabel;
class QPushButton;
class QEventLoop;

// The exit confirmation, shown modally: "Да" ends the game, "Нет", Esc or the
// close box answer no.
class TForm6 : public Screen {
  Q_OBJECT

 public:
  explicit TForm6(Game& game);

  // Shows the question and waits for the answer.
  bool Ask();

  QLabel* Label1;
  QPushButton* YesButton;
  QPushButton* NoButton;

 protected:
  void FormClose(QCloseEvent* event) override;

 private:
  void Answer(bool yes);

  QEventLoop* loop_ = nullptr;
  bool answer_ = false;
};
