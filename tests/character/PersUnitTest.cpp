#include <QLabel>
#include <QPushButton>

#include "character/PersUnit.h"
#include "inventory/StockUnit.h"
#include "script/Controls.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"

namespace {

class CharacterScreen : public TestGame {
 protected:
  void SetUp() override {
    Start();
    form = game->form7;
    game->state.Nick = "Вася";
  }

  std::string Text(const char* name) {
    return form->findChild<QLabel*>(name)->text().toStdString();
  }
  bool Shown(const char* name) { return controls::OwnVisible(form->findChild<QWidget*>(name)); }
  // The screen shown and its labels refreshed, as the player first sees it.
  void Open() {
    form->show();
    form->TimerTimer();
  }

  TForm7* form = nullptr;
};

TEST_F(CharacterScreen, NewCharacterShowsZerosAndNoPoints) {
  Open();
  EXPECT_EQ(Events(), (std::vector<std::string>{"show TForm7", "sound sound\\ПИ вход.wav"}));
  EXPECT_EQ(Text("MoneyLabel"), "У вас: 2000 руб.");
  const QLabel* money = form->MoneyLabel;
  EXPECT_GE(money->width(), money->sizeHint().width());
  EXPECT_NEAR(money->geometry().center().x(), 178 + 95 / 2, 1);
  EXPECT_EQ(Text("HPLabel"), "Вася [1] | ХП: [50/50]");
  EXPECT_EQ(Text("Label4"), "Боевой опыт: 0");
  EXPECT_EQ(Text("Label5"), "Мирный опыт: 0");
  EXPECT_EQ(Text("Label6"), "До уровня: 2500");
  EXPECT_EQ(Text("Label1"), "Победы: 0");
  EXPECT_EQ(Text("Label2"), "Поражения: 0");
  EXPECT_EQ(Text("Label3"), "Ничьи: 0");
  EXPECT_EQ(Text("StrannikLabel"), "Странник: 0");
  EXPECT_EQ(Text("LesorubLabel"), "Лесоруб: 0");
  EXPECT_EQ(Text("PowerLabel"), "Сила: 26");
  EXPECT_EQ(Text("HealthLabel"), "Здоровье: 5");
  EXPECT_EQ(Text("KickLabel"), "Удар: 1");
  EXPECT_EQ(Text("StoiLabel"), "Стойкость: 1");
  EXPECT_EQ(form->AvatarListBox->currentRow(), 0);
  EXPECT_EQ(form->AvatarListBox->count(), 25);
  EXPECT_EQ(form->AvatarListBox->Line(24), "25");
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\1.bmp");
  for (const char* hidden : {"UmLabel", "UluchLabel", "PowerButton", "DexterityButton",
                             "GoodLuckButton", "HealthButton", "StrannikButton", "LesorubButton"})
    EXPECT_FALSE(Shown(hidden)) << hidden;
}

TEST_F(CharacterScreen, CountsOfPointsTakeTheirWordForms) {
  const struct {
    int n;
    const char* stats;
    const char* skills;
  } cases[] = {
      {1, "Остался: 1 стат.", "Остался: 1 умение."},
      {3, "Осталось: 3 стата.", "Осталось: 3 умения."},
      {5, "Осталось: 5 статов.", "Осталось: 5 умений."},
      {11, "Осталось: 11 статов.", "Осталось: 11 умений."},
      {12, "Осталось: 12 статов.", "Осталось: 12 умений."},
      {21, "Остался: 21 стат.", "Остался: 21 умение."},
      {22, "Осталось: 22 стата.", "Осталось: 22 умения."},
      {81, "Осталось: 81 статов.", "Осталось: 81 умений."},
  };
  for (const auto& c : cases) {
    game->state.PointPar = c.n;
    game->state.PointUm = c.n;
    form->TimerTimer();
    EXPECT_EQ(Text("UluchLabel"), c.stats);
    EXPECT_EQ(Text("UmLabel"), c.skills);
    EXPECT_TRUE(Shown("UluchLabel"));
    EXPECT_TRUE(Shown("UmLabel"));
  }
}

TEST_F(CharacterScreen, SkillAtTheCapHidesOnlyItsButton) {
  game->state.PointUm = 1;
  game->state.Strannik = 100;
  game->state.Lesorub = 40;
  Open();
  EXPECT_EQ(Text("UmLabel"), "Остался: 1 умение.");
  EXPECT_FALSE(Shown("StrannikButton"));
  EXPECT_TRUE(Shown("LesorubButton"));
}

TEST_F(CharacterScreen, SkillButtonsSpendPointsAndStopAtTheCap) {
  game->state.PointUm = 5;
  game->state.Lesorub = 99;
  Open();
  form->StrannikButton->click();
  form->TimerTimer();
  EXPECT_EQ(Text("StrannikLabel"), "Странник: 1");
  EXPECT_EQ(Text("UmLabel"), "Осталось: 4 умения.");

  form->LesorubButton->click();
  // The button goes only at the next tick; a press before it changes nothing.
  form->LesorubButton->click();
  EXPECT_EQ(game->state.Lesorub, 100);
  EXPECT_EQ(game->state.PointUm, 3);
  form->TimerTimer();
  EXPECT_FALSE(Shown("LesorubButton"));
  EXPECT_TRUE(Shown("StrannikButton"));
  EXPECT_EQ(Events().size(), 2u);  // only the showing
}

TEST_F(CharacterScreen, StatButtonsSpendPointsAndHideWithTheLast) {
  game->state.PointPar = 2;
  Open();
  for (const char* name : {"PowerButton", "DexterityButton", "GoodLuckButton", "HealthButton"})
    EXPECT_TRUE(Shown(name)) << name;
  form->PowerButton->click();
  form->HealthButton->click();
  EXPECT_TRUE(Shown("HealthButton"));
  form->TimerTimer();
  EXPECT_EQ(Text("PowerLabel"), "Сила: 27");
  EXPECT_EQ(Text("HealthLabel"), "Здоровье: 6");
  EXPECT_EQ(Text("HPLabel"), "Вася [1] | ХП: [60/60]");
  EXPECT_FALSE(Shown("HealthButton"));
  EXPECT_FALSE(Shown("UluchLabel"));

  // A press that slipped in before the buttons went spends nothing.
  form->DexterityButton->click();
  EXPECT_EQ(game->state.PointPar, 0);
  EXPECT_EQ(game->state.AttDexterity, 26);
}

TEST_F(CharacterScreen, ChoosingALineShowsThatAvatarAtOnce) {
  Open();
  Events();
  form->AvatarListBox->Choose(16);
  EXPECT_EQ(game->state.Avatar, "image\\17.bmp");
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\17.bmp");
  EXPECT_TRUE(Events().empty());  // no sound

  // Choosing no line keeps the avatar.
  form->AvatarListBox->Choose(-1);
  EXPECT_EQ(game->state.Avatar, "image\\17.bmp");

  form->hide();
  form->show();
  EXPECT_EQ(form->AvatarListBox->currentRow(), 16);
}

TEST_F(CharacterScreen, AvatarOutsideTheListChoosesNoLineButShows) {
  game->state.Avatar = "image\\Монстр.bmp";
  Open();
  EXPECT_EQ(form->AvatarListBox->currentRow(), -1);
  EXPECT_TRUE(form->AvatarListBox->selectedItems().isEmpty());
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\Монстр.bmp");
}

TEST_F(CharacterScreen, FigureShowsWhatIsWornInTheInventorysFrames) {
  Open();
  EXPECT_EQ(form->Figure.Slot("Shlem")->Picture(), "image\\Шлем.bmp");
  EXPECT_EQ(form->Figure.Slot("Shlem")->toolTip(), "Пустой слот");
  EXPECT_FALSE(controls::OwnVisible(form->Figure.Slot("Kolch")));

  game->state.Shlem = "image\\Шлем дракона.bmp";
  game->state.ShlemHint = "Шлем дракона";
  game->state.Kolch = "image\\Кольчуга.bmp";
  game->state.KolchHint = "Кольчуга";
  form->hide();
  form->show();
  EXPECT_EQ(form->Figure.Slot("Shlem")->Picture(), "image\\Шлем дракона.bmp");
  EXPECT_EQ(form->Figure.Slot("Shlem")->toolTip(), "Шлем дракона");
  EXPECT_TRUE(controls::OwnVisible(form->Figure.Slot("Kolch")));
  EXPECT_EQ(form->Figure.Slot("Kolch")->toolTip(), "Кольчуга");

  for (int i = 0; i < kEquipSlotCount; ++i) {
    EXPECT_EQ(form->Figure.pictures[i]->geometry(), game->form5->Figure.pictures[i]->geometry())
        << kEquipSlots[i].name;
  }
  EXPECT_EQ(form->Figure.avatar->geometry(), game->form5->Figure.avatar->geometry());

  // Here the figure only shows: a click on a slot does nothing.
  Events();
  const std::string before = game->state.Shlem;
  controls::Click(form->Figure.Slot("Shlem"));
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(game->state.Shlem, before);
}

TEST_F(CharacterScreen, ShowingWritesTheRecordOnlyThen) {
  Open();
  game->state.Point = 120;
  game->state.Win = 3;
  game->state.PointPeace = 40;
  form->TimerTimer();
  EXPECT_EQ(Text("Label4"), "Боевой опыт: 0");
  EXPECT_EQ(Text("Label1"), "Победы: 0");
  // Experience to go is refreshed and shown as computed, even below zero.
  EXPECT_EQ(Text("Label6"), "До уровня: 2340");
  game->state.Point = 2600;
  form->TimerTimer();
  EXPECT_EQ(Text("Label6"), "До уровня: -140");
  form->hide();
  form->show();
  EXPECT_EQ(Text("Label4"), "Боевой опыт: 2600");
  EXPECT_EQ(Text("Label1"), "Победы: 3");
}

TEST_F(CharacterScreen, LabelsRefreshWhileHidden) {
  game->state.AttKB = 7;
  form->TimerTimer();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Text("KBLabel"), "Класс брони: 7");
}

TEST_F(CharacterScreen, EscLeavesForTheMenu) {
  Open();
  Events();
  EXPECT_TRUE(form->FormKeyPress(27));
  EXPECT_EQ(Events(),
            (std::vector<std::string>{"hide TForm7", "sound sound\\ПИ выход.wav", "show TForm3"}));
  EXPECT_FALSE(form->isVisible());
}

TEST_F(CharacterScreen, CloseAnsweredNoReturnsToTheMenu) {
  Open();
  Events();
  AnswerConfirmation(false);
  form->close();
  const auto events = Events();
  ASSERT_EQ(events.size(), 4u);
  EXPECT_EQ(events[0].rfind("confirm ", 0), 0u);
  EXPECT_EQ(events[1], "sound sound\\ПИ выход.wav");
  EXPECT_EQ(events[2], "show TForm3");
  EXPECT_EQ(events[3], "hide TForm7");
  EXPECT_FALSE(game->Quitting());
}

TEST_F(CharacterScreen, CloseAnsweredYesEndsTheGame) {
  Open();
  Events();
  AnswerConfirmation(true);
  form->close();
  const auto events = Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[1], "exit");
  EXPECT_TRUE(game->Quitting());
  EXPECT_TRUE(form->isVisible());
}

}  // namespace
