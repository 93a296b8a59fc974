#pragma once

#include "core/Dialogs.h"
#include "replay/InputGate.h"

// The game's dialogs, with every answer noted for the running input, so that a
// recording holds what the player answered.
class NotedDialogs : public Dialogs {
 public:
  NotedDialogs(Dialogs& shown, InputGate& gate) : shown_(shown), gate_(gate) {}

  void Message(const std::string& caption, MessageIcon icon, const std::string& text) override {
    shown_.Message(caption, icon, text);
  }
  bool ConfirmExit() override { return Noted(shown_.ConfirmExit()); }
  bool Ask(const std::string& caption, const std::string& text) override {
    return Noted(shown_.Ask(caption, text));
  }
  void Error(const std::string& text) override { shown_.Error(text); }

 private:
  bool Noted(bool yes) {
    gate_.Note(yes ? "answer yes" : "answer no");
    return yes;
  }

  Dialogs& shown_;
  InputGate& gate_;
};
