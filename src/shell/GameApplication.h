#pragma once

#include <QApplication>

class Game;

// An exception that escapes an event handler is shown and the game goes on.
class GameApplication : public QApplication {
 public:
  GameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  void SetGame(Game* game) { game_ = game; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Game* game_ = nullptr;
};
