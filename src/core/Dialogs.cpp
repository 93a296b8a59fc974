#include "core/Dialogs.h"

#include "core/EventLog.h"
#include "core/Json.h"

void RecordingDialogs::Message(const std::string& caption, MessageIcon icon,
                               const std::string& text) {
  log_.Line("message " + JsonQuote(caption) +
            (icon == MessageIcon::Warning ? " warning " : " none ") + JsonQuote(text));
}

bool RecordingDialogs::ConfirmExit() {
  return Ask(mg::translate("Question", kConfirmCaption), mg::translate("Question", kConfirmText));
}

bool RecordingDialogs::Ask(const std::string& caption, const std::string& text) {
  bool yes = false;
  if (!answers_.empty()) {
    yes = answers_.front();
    answers_.pop_front();
  }
  log_.Line("confirm " + JsonQuote(caption) + " " + JsonQuote(text) + (yes ? " yes" : " no"));
  return yes;
}

void RecordingDialogs::Error(const std::string& text) { log_.Line("error " + text); }
