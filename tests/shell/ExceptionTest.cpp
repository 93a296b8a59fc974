#include <gtest/gtest.h>

#include <QEvent>
#include <stdexcept>

#include "shell/GameApplication.h"
#include "support/TestGame.h"

namespace {

class Throwing : public QObject {
 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Division by zero");
    return QObject::event(e);
  }
};

}  // namespace

class Exceptions : public TestGame {
 protected:
  void TearDown() override { static_cast<GameApplication*>(qApp)->SetGame(nullptr); }
};

TEST_F(Exceptions, AHandlersExceptionIsShownAndTheGameGoesOn) {
  Start();
  static_cast<GameApplication*>(qApp)->SetGame(game.get());
  Throwing object;
  QEvent event(QEvent::User);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&object, &event));
  EXPECT_EQ(Events(), std::vector<std::string>{"error Division by zero"});
  EXPECT_FALSE(game->Quitting());
}
