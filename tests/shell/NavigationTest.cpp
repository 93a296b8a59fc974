#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include "character/PersUnit.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "shell/NickUnit.h"
#include "shell/Question.h"
#include "shop/BuyUnit.h"
#include "support/TestGame.h"
#include "world/StartUnit.h"

using Lines = std::vector<std::string>;

class Navigation : public TestGame {
 protected:
  // Stands in for a successful login: the menu is the visible screen.
  void AtMenu(int hour = 12) {
    Start(1, hour);
    game->form4->hide();
    game->form3->show();
    Events();
  }
};

TEST_F(Navigation, StartUpShowsOnlyTheLogin) {
  GameOptions options;
  options.root = root;
  options.seed = 1;
  game = std::make_unique<Game>(options, &log);
  game->Start();
  EXPECT_EQ(Events(), (Lines{"title \"Off-Line Morrowgate\"", "show TForm4"}));
  EXPECT_EQ(game->Title(), "Off-Line Morrowgate");
  EXPECT_EQ(game->form4->windowTitle(), "Вход");
  EXPECT_EQ(game->form6->windowTitle(), "Подтверждение");
  for (Screen* screen : {static_cast<Screen*>(game->form1), static_cast<Screen*>(game->form2),
                         static_cast<Screen*>(game->form3), static_cast<Screen*>(game->form5),
                         static_cast<Screen*>(game->form6), static_cast<Screen*>(game->form7)}) {
    EXPECT_TRUE(screen->isHidden()) << screen->objectName().toStdString();
  }
}

TEST_F(Navigation, ScreensHaveTheGamesSizes) {
  Start();
  EXPECT_EQ(game->form2->size(), QSize(563, 324));
  EXPECT_EQ(game->form5->size(), QSize(811, 481));
  EXPECT_EQ(game->form7->size(), QSize(451, 481));
  EXPECT_EQ(game->form1->size(), QSize(902, 565));
}

TEST_F(Navigation, MenuButtonsCarryTheirHints) {
  Start();
  EXPECT_EQ(game->form3->PersButton->toolTip(), "Ваш персонаж");
  EXPECT_EQ(game->form3->StockButton->toolTip(), "Посмотреть инвентарь");
  EXPECT_EQ(game->form3->ShopButton->toolTip(), "Пойти в магазин");
  EXPECT_EQ(game->form3->SaveButton->toolTip(), "Сохранить игру");
  EXPECT_TRUE(game->form3->SoundCheckBox->isChecked());
}

TEST_F(Navigation, InventoryAndCharacterComeAndGoWithTheirSounds) {
  AtMenu();
  game->form3->StockButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm3", "show TForm5", "sound sound\\ПИ вход.wav"}));
  game->form5->BackButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm5", "sound sound\\ПИ выход.wav", "show TForm3"}));
  game->form3->PersButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm3", "show TForm7", "sound sound\\ПИ вход.wav"}));
  game->form7->BackButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm7", "sound sound\\ПИ выход.wav", "show TForm3"}));
}

TEST_F(Navigation, SoundSwitchSilencesEverything) {
  AtMenu();
  game->form3->SoundCheckBox->click();
  EXPECT_EQ(game->state.Sound, 0);
  game->form3->StockButton->click();
  game->form5->BackButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm3", "show TForm5", "hide TForm5", "show TForm3"}));
  game->form3->SoundCheckBox->click();
  EXPECT_EQ(game->state.Sound, 1);
}

TEST_F(Navigation, ShopGreetingWithSoundsOffDrawsNothing) {
  AtMenu();
  game->form3->SoundCheckBox->setChecked(false);
  Draws({0, 0});
  game->form3->ShopButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm3", "show TForm2"}));
  EXPECT_EQ(game->random.ForcedLeft(), 2u);
  // Leaving draws no farewell either.
  game->form2->BackButton->click();
  EXPECT_EQ(game->random.ForcedLeft(), 2u);
}

struct GreetingCase {
  int hour;
  std::string byDayTime;  // the greeting when the first draw is 0; "" = none at night
};

class ShopGreeting : public Navigation, public ::testing::WithParamInterface<GreetingCase> {};

TEST_P(ShopGreeting, ByThePartOfTheDayAtStartUp) {
  const GreetingCase c = GetParam();
  AtMenu(c.hour);
  Draws({0, 2});
  game->form3->ShopButton->click();
  const std::string expected =
      c.byDayTime.empty() ? "sound sound\\Рад видеть.wav" : "sound sound\\" + c.byDayTime + ".wav";
  EXPECT_EQ(Events(), (Lines{"hide TForm3", expected, "show TForm2"}));
  // Only the night draws a second time.
  EXPECT_EQ(game->random.ForcedLeft(), c.byDayTime.empty() ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Hours, ShopGreeting,
    ::testing::Values(GreetingCase{0, ""}, GreetingCase{5, ""}, GreetingCase{6, "Доброе утро"},
                      GreetingCase{11, "Доброе утро"}, GreetingCase{12, "Добрый день"},
                      GreetingCase{17, "Добрый день"}, GreetingCase{18, "Добрый вечер"},
                      GreetingCase{23, "Добрый вечер"}));

TEST_F(Navigation, ShopGreetingsWhenTheFirstDrawIsNotZero) {
  AtMenu(12);
  Draws({1});
  game->form3->ShopButton->click();
  Draws({1});
  game->form2->BackButton->click();
  Draws({2});
  game->form3->ShopButton->click();
  Draws({0});
  game->form2->BackButton->click();
  EXPECT_EQ(Events(), (Lines{"hide TForm3", "sound sound\\Привет.wav", "show TForm2", "hide TForm2",
                             "sound sound\\Пока.wav", "show TForm3", "hide TForm3",
                             "sound sound\\Приветствую.wav", "show TForm2", "hide TForm2",
                             "sound sound\\До свидания.wav", "show TForm3"}));
}

TEST_F(Navigation, DayTimeIsReadOnceAtStartUp) {
  EXPECT_EQ(DayTimeOfHour(5), 0);
  EXPECT_EQ(DayTimeOfHour(6), 1);
  EXPECT_EQ(DayTimeOfHour(11), 1);
  EXPECT_EQ(DayTimeOfHour(12), 3);
  EXPECT_EQ(DayTimeOfHour(18), 2);
  EXPECT_EQ(DayTimeOfHour(23), 2);
  Start(1, 6);
  EXPECT_EQ(game->form3->DayTime, 1);
}

TEST_F(Navigation, CloseBoxAnsweredNoReturnsToTheMenu) {
  AtMenu();
  game->form3->StockButton->click();
  Events();
  AnswerConfirmation(false);
  game->form5->close();
  EXPECT_EQ(Events(), (Lines{"confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" no",
                             "sound sound\\ПИ выход.wav", "show TForm3", "hide TForm5"}));
  EXPECT_FALSE(game->Quitting());

  game->form3->ShopButton->click();
  Events();
  Draws({1});
  AnswerConfirmation(false);
  game->form2->close();
  EXPECT_EQ(Events(), (Lines{"confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" no",
                             "sound sound\\Пока.wav", "show TForm3", "hide TForm2"}));
}

class CloseBoxYes : public Navigation, public ::testing::WithParamInterface<const char*> {};

TEST_P(CloseBoxYes, EndsTheGameWithoutHidingAnything) {
  AtMenu();
  Screen* screen = game->FindScreen(GetParam());
  screen->show();
  Events();
  AnswerConfirmation(true);
  screen->close();
  EXPECT_EQ(Events(),
            (Lines{"confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" yes", "exit"}));
  EXPECT_TRUE(game->Quitting());
  EXPECT_FALSE(screen->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Screens, CloseBoxYes,
                         ::testing::Values("TForm1", "TForm2", "TForm5", "TForm7"));

TEST_F(Navigation, MenuAndLoginCloseAtOnce) {
  AtMenu();
  game->form3->close();
  EXPECT_EQ(Events(), (Lines{"exit"}));
  Start();
  game->form4->close();
  EXPECT_EQ(Events(), (Lines{"exit"}));
}

TEST_F(Navigation, EscEndsTheGameOnLoginAndMenu) {
  Start();
  EXPECT_TRUE(game->form4->FormKeyPress(27));
  EXPECT_TRUE(game->Quitting());
  AtMenu();
  EXPECT_FALSE(game->form3->FormKeyPress('a'));
  EXPECT_FALSE(game->Quitting());
  EXPECT_TRUE(game->form3->FormKeyPress(27));
  EXPECT_EQ(Events(), (Lines{"exit"}));
}

// Esc and the menu's close box, each as the player reaches it.
class LeavingTheMenu : public Navigation, public ::testing::WithParamInterface<bool> {
 protected:
  void Leave() {
    if (GetParam()) {
      game->form3->FormKeyPress(27);
    } else {
      game->form3->close();
    }
  }
};

TEST_P(LeavingTheMenu, AsksOnlyWhenTheGameChangedSinceTheLastSave) {
  AtMenu();
  game->state.Nick = "Вася";
  game->state.Money = 1500;
  AnswerConfirmation(false);
  Leave();
  EXPECT_EQ(Events(), Lines{"confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" no"});
  EXPECT_FALSE(game->Quitting());
  EXPECT_FALSE(game->form3->isHidden());

  game->form3->SaveButton->click();
  Events();
  Leave();
  EXPECT_EQ(Events(), Lines{"exit"});

  AtMenu();
  game->backpack.Append("Зелье ХП");
  AnswerConfirmation(true);
  Leave();
  EXPECT_EQ(Events(),
            (Lines{"confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" yes", "exit"}));
}

INSTANTIATE_TEST_SUITE_P(EscAndCloseBox, LeavingTheMenu, ::testing::Bool());

TEST_F(Navigation, EscLeavesTheOtherScreens) {
  AtMenu();
  game->form3->StockButton->click();
  Events();
  EXPECT_TRUE(game->form5->FormKeyPress(27));
  EXPECT_EQ(Events(), (Lines{"hide TForm5", "sound sound\\ПИ выход.wav", "show TForm3"}));
  EXPECT_FALSE(game->Quitting());
}

TEST_F(Navigation, TimersStandStillWhileTheConfirmationIsOpen) {
  Start();
  EXPECT_TRUE(game->form3->Timer->isActive());
  game->SetTimersPaused(true);
  EXPECT_FALSE(game->form3->Timer->isActive());
  game->SetTimersPaused(false);
  EXPECT_TRUE(game->form3->Timer->isActive());
  EXPECT_EQ(game->form3->Timer->interval(), 1000);
}
