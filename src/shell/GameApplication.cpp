#include "shell/GameApplication.h"

#include <cstdlib>
#include <exception>
#include <string>

#include "core/Dialogs.h"
#include "shell/Game.h"
#include "shell/GameLook.h"
#include "shell/Screen.h"

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {
  ApplyGameLook(*this);
  setQuitOnLastWindowClosed(false);
  Screen::InstallKeyPreview();
}

namespace {

// The error box's text for what is being caught: an exception's message, or
// nothing for a thrown object that is not an exception.
std::string CaughtText() {
  try {
    throw;
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "";
  }
}

}  // namespace

bool GameApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    if (game_) game_->dialogs.Error(CaughtText());
  }
  return false;
}

int GameApplication::RunShowingErrors(Dialogs& errors, const std::function<int()>& run) {
  try {
    return run();
  } catch (...) {
    // The game `run` built is gone by now; the box's own events must not reach it.
    game_ = nullptr;
    errors.Error(CaughtText());
  }
  return EXIT_FAILURE;
}
