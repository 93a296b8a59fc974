#pragma once

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>

#include "replay/Replayer.h"
#include "replay/ShownDialogs.h"

class Game;

// Shows a recording again in the game's real windows: one input at a time, a tick
// of the world clock taking a second divided by the speed, any other input a short
// pause. The viewer's mouse and keys reach no control; closing a window ends the
// showing. Differences are printed as they are found, and the showing goes on.
class ReplayViewer : public QObject {
 public:
  ReplayViewer(Game& game, const Recording& recording, ShownDialogs& dialogs, double speed);

  // Starts the showing; the event loop runs it. Returns at once.
  void Start();
  // 0 once the session ended as recorded, 1 when something differed.
  int ExitCode() const { return differed_ ? 1 : 0; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowNext();
  void Finish();
  int Pause(const RecordedInput& input) const;

  Game& game_;
  Replayer replayer_;
  ShownDialogs& dialogs_;
  double speed_;
  QTimer timer_;
  bool differed_ = false;
};
