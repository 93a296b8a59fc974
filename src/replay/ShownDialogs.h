#pragma once

#include <QPointer>
#include <vector>

#include "core/Dialogs.h"

class QMessageBox;

// A replay's dialogs in real windows: the recorded answers, as in the script mode,
// and every message and question shown in a box that waits for nobody and stays
// until the next input, so the viewer reads what the player read.
class ShownDialogs : public RecordingDialogs {
 public:
  using RecordingDialogs::RecordingDialogs;
  ~ShownDialogs() override;

  void Message(const std::string& caption, MessageIcon icon, const std::string& text) override;
  bool Ask(const std::string& caption, const std::string& text) override;
  // Closes the boxes shown so far.
  void CloseShown();

 private:
  void Show(const std::string& caption, bool warning, const QString& text);

  std::vector<QPointer<QMessageBox>> shown_;
};
