#include "shell/GameApplication.h"

#include <exception>

#include "shell/Game.h"
#include "shell/GameLook.h"
#include "shell/Screen.h"

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {
  ApplyGameLook(*this);
  setQuitOnLastWindowClosed(false);
  Screen::InstallKeyPreview();
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    if (game_) game_->dialogs.Error(error.what());
  } catch (...) {
    if (game_) game_->dialogs.Error("");
  }
  return false;
}
