#pragma once

#include <functional>

#include "core/Dialogs.h"

class QWidget;

// Real, modal message boxes. While one is open the game's timers stand still, so
// every handler runs to completion before the next tick.
class QtDialogs : public Dialogs {
 public:
  using PauseTimers = std::function<void(bool paused)>;
  using ShowConfirmation = std::function<bool()>;

  QtDialogs(PauseTimers pause, ShowConfirmation confirm)
      : pause_(std::move(pause)), confirm_(std::move(confirm)) {}

  void Message(const std::string& caption, MessageIcon icon, const std::string& text) override;
  bool ConfirmExit() override;
  bool Ask(const std::string& caption, const std::string& text) override;
  void Error(const std::string& text) override;

 private:
  PauseTimers pause_;
  ShowConfirmation confirm_;
};
