#include "replay/ReplayViewer.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

#include "shell/Game.h"
#include "shell/Screen.h"

namespace {

constexpr double kTickMs = 1000;
constexpr double kInputMs = 400;
// The last state stays in view a moment before the windows go.
constexpr double kEndMs = 3000;

bool IsViewerInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
      return true;
    default:
      return false;
  }
}

}  // namespace

ReplayViewer::ReplayViewer(Game& game, const Recording& recording, ShownDialogs& dialogs,
                           double speed)
    : game_(game), replayer_(game, recording), dialogs_(dialogs), speed_(speed > 0 ? speed : 1) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &ReplayViewer::ShowNext);
}

void ReplayViewer::Start() {
  qApp->installEventFilter(this);
  const RecordedInput* next = replayer_.Next();
  timer_.start(next ? Pause(*next) : 0);
}

int ReplayViewer::Pause(const RecordedInput& input) const {
  return static_cast<int>((input.line == "tick" ? kTickMs : kInputMs) / speed_);
}

void ReplayViewer::ShowNext() {
  dialogs_.CloseShown();
  if (auto difference = replayer_.Step()) {
    differed_ = true;
    std::printf("%s\n", replayer_.Verdict(difference).c_str());
    std::fflush(stdout);
  }
  if (game_.Quitting()) return Finish();
  if (const RecordedInput* next = replayer_.Next()) return timer_.start(Pause(*next));
  Finish();
}

void ReplayViewer::Finish() {
  if (!differed_) std::printf("%s\n", replayer_.Verdict(std::nullopt).c_str());
  std::fflush(stdout);
  const int code = ExitCode();
  QTimer::singleShot(static_cast<int>(kEndMs / speed_), qApp,
                     [code] { QCoreApplication::exit(code); });
}

bool ReplayViewer::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !qobject_cast<Screen*>(widget->window())) return false;
  if (event->type() == QEvent::Close && event->spontaneous()) {
    QCoreApplication::exit(ExitCode());
    return true;
  }
  return IsViewerInput(*event);
}
