#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "character/PersUnit.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "script/ScriptRunner.h"
#include "shell/HelpText.h"
#include "shell/HelpWindow.h"
#include "shell/NickUnit.h"
#include "shell/PlayFigures.h"
#include "shell/Question.h"
#include "shop/BuyUnit.h"
#include "support/Keys.h"
#include "support/TestGame.h"
#include "world/StartUnit.h"

using Lines = std::vector<std::string>;

class Help : public TestGame {
 protected:
  void SetUp() override {
    Start();
    game->form4->hide();
    game->form3->show();
    Events();
  }

  void Tick(int seconds) {
    ScriptRunner runner(*game, root);
    runner.Execute("tick " + std::to_string(seconds));
  }

  std::vector<Screen*> Screens() const {
    return {game->form1, game->form2, game->form3, game->form4,
            game->form5, game->form6, game->form7};
  }
};

TEST_F(Help, F1OnEveryScreenOpensItAndTheWorldStandsStillUntilItCloses) {
  game->state.Place = 5;
  game->form3->ImageClick(4);  // a move of 90 seconds
  Tick(1);
  ASSERT_EQ(game->form3->MoveCountdown, 89);
  for (Screen* screen : Screens()) {
    const std::string name = screen->objectName().toStdString();
    PressKey(screen, Qt::Key_F1);
    EXPECT_FALSE(game->help->isHidden()) << name;
    EXPECT_FALSE(game->form3->Timer->isActive()) << name;
    Tick(3);
    EXPECT_EQ(game->form3->MoveCountdown, 89) << name;
    // F1 again leaves it open; Esc closes it and the clock runs on.
    PressKey(game->help, Qt::Key_F1);
    EXPECT_FALSE(game->help->isHidden()) << name;
    PressKey(game->help, Qt::Key_Escape);
    EXPECT_TRUE(game->help->isHidden()) << name;
    EXPECT_TRUE(game->form3->Timer->isActive()) << name;
  }
  Tick(1);
  EXPECT_EQ(game->form3->MoveCountdown, 88);
  Lines shown;
  for (std::size_t i = 0; i < Screens().size(); ++i)
    shown.insert(shown.end(), {"show HelpWindow", "hide HelpWindow"});
  EXPECT_EQ(Events(), shown);
}

TEST_F(Help, ClosingItWhileTheConfirmationIsOpenKeepsTheWorldStill) {
  game->SetTimersPaused(true);  // the confirmation
  game->ShowHelp();
  game->help->close();
  EXPECT_TRUE(game->TimersPaused());
  EXPECT_FALSE(game->form3->Timer->isActive());
  game->SetTimersPaused(false);
  EXPECT_FALSE(game->TimersPaused());
  EXPECT_TRUE(game->form3->Timer->isActive());
}

TEST_F(Help, ItTellsTheCostsTheFightCharges) {
  game->ShowHelp();
  const QString text = game->help->HelpBrowser->toPlainText();
  EXPECT_TRUE(text.contains("всего 30, 60, 105, 150")) << text.toStdString();
  EXPECT_TRUE(text.contains("блок стоит 20 ОД"));
  EXPECT_TRUE(text.contains("у Вас 100 ОД"));
  // Every potion and scroll a fight can use, with the health it needs.
  EXPECT_TRUE(text.contains("Свиток урагана"));
  EXPECT_TRUE(text.contains("Максимум = 1 зелье за бой"));
}

TEST_F(Help, ItsFiguresComeFromTheTablesAndTheBotsMeasurement) {
  game->ShowHelp();
  const QString text = game->help->HelpBrowser->toPlainText();
  // From the attack and wood-cutting tables.
  for (const char* fact : {"Крыса [1]", "Лес: рубка", "Огр [10], Тролль [9]", "с ур. 12",
                           "4 (с 12-го уровня чаще Хранитель врат [12])", "с 11 рубка удаётся",
                           "на втором 16–21", "на десятом 465–490",
                           // 4125 to the third level at 18.5 a cutting; at 22, 620
                           "следующий уровень — это 222–620 рубок"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;
  // From the bot's runs.
  EXPECT_TRUE(text.contains(QString("в %1 боях").arg(PlayFigureOf("fights"))));
}

// The help's copy of the measured figures is the bot's last output.
TEST(PlayFigures, AreThoseTheBotMeasured) {
  std::ifstream file(MG_SOURCE_DIR "/../tools/newplayer/figures.tsv");
  ASSERT_TRUE(file) << "tools/newplayer/figures.tsv";
  std::string line;
  std::size_t count = 0;
  while (std::getline(file, line)) {
    if (line.empty() || line.front() == '#') continue;
    const auto tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    EXPECT_EQ(PlayFigureOf(line.substr(0, tab)), std::stoi(line.substr(tab + 1))) << line;
    ++count;
  }
  EXPECT_EQ(count, std::size(kPlayFigures));
}
