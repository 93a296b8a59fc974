#pragma once

#include "shell/Screen.h"

class QPushButton;
class QTextBrowser;

// The help (F1), over whichever screen asked for it. It is modal and the world
// stands still while it is open, as with the exit confirmation; Esc, "Закрыть"
// or the close box close it.
class HelpWindow : public Screen {
  Q_OBJECT

 public:
  explicit HelpWindow(Game& game);

  QTextBrowser* HelpBrowser;
  QPushButton* CloseButton;

  bool TakesInput() const override { return false; }

 protected:
  void FormShow() override;
  void hideEvent(QHideEvent* event) override;

 private:
  bool pausing_ = false;
};
