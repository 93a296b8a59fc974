#pragma once

#include <QApplication>
#include <functional>

class Dialogs;
class Game;

// The game's application: its look, the screens' key preview, and no quitting
// when the last screen hides (the game hides them all between screens). An
// exception that escapes an event handler is shown and the game goes on.
class GameApplication : public QApplication {
 public:
  GameApplication(int& argc, char** argv);

  void SetGame(Game* game) { game_ = game; }
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs start-up and the event loop. An exception escaping them is shown in
  // `errors`' error box, and the program ends with EXIT_FAILURE.
  int RunShowingErrors(Dialogs& errors, const std::function<int()>& run);

 private:
  Game* game_ = nullptr;
};
