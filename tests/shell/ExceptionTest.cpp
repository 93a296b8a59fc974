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

TEST_F(Exceptions, OneEscapingStartUpIsShownAndTheProgramEnds) {
  auto& app = *static_cast<GameApplication*>(qApp);
  RecordingDialogs errors(log);
  EXPECT_EQ(app.RunShowingErrors(errors, [] { return 7; }), 7);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(app.RunShowingErrors(errors, []() -> int { throw std::runtime_error("Нет папки"); }),
            EXIT_FAILURE);
  EXPECT_EQ(app.RunShowingErrors(errors, []() -> int { throw 42; }), EXIT_FAILURE);
  EXPECT_EQ(Events(), (std::vector<std::string>{"error Нет папки", "error "}));
}

TEST_F(Exceptions, TheGameAFailedStartUpBuiltIsForgotten) {
  auto& app = *static_cast<GameApplication*>(qApp);
  RecordingDialogs errors(log);
  Start();
  app.RunShowingErrors(errors, [&]() -> int {
    app.SetGame(game.get());
    throw std::runtime_error("start-up");
  });
  Events();
  // A handler's exception now finds no game to report to, and nothing breaks.
  Throwing object;
  QEvent event(QEvent::User);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&object, &event));
  EXPECT_TRUE(Events().empty());
}
