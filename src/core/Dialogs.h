#pragma once

#include <deque>
#include <string>

#include "core/Translate.h"

class EventLog;

enum class MessageIcon { None, Warning };

// Message boxes and the exit confirmation. The real ones are modal Qt boxes; the
// recording ones print what would pop up and take queued answers.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void Message(const std::string& caption, MessageIcon icon, const std::string& text) = 0;
  // The exit confirmation (TForm6): true for "Да".
  virtual bool ConfirmExit() = 0;
  // Any other yes/no question, with an exclamation icon: true for "Да".
  virtual bool Ask(const std::string& caption, const std::string& text) = 0;
  // An error that escaped a handler, shown as the toolkit's standard error box.
  virtual void Error(const std::string& text) = 0;
};

class RecordingDialogs : public Dialogs {
 public:
  explicit RecordingDialogs(EventLog& log) : log_(log) {}

  void Message(const std::string& caption, MessageIcon icon, const std::string& text) override;
  bool ConfirmExit() override;
  bool Ask(const std::string& caption, const std::string& text) override;
  void Error(const std::string& text) override;

  void QueueAnswer(bool yes) { answers_.push_back(yes); }

 private:
  EventLog& log_;
  std::deque<bool> answers_;
};

// The confirmation's own texts.
inline constexpr const char* kConfirmCaption = QT_TRANSLATE_NOOP("Question", "Подтверждение");
inline constexpr const char* kConfirmText =
    QT_TRANSLATE_NOOP("Question", "Вы хотите выйти из игры?");
