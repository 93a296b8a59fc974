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
  const QLabel* money = form->MoneyLabel;
  EXPECT_GE(money->width(), money->sizeHint().width());
  EXPECT_NEAR(money->geometry().center().x(), 178 + 95 / 2, 1);
  const std::pair<const char*, const char*> labels[] = {
      {"Label4", "Боевой опыт: 0"},     {"Label5", "Мирный опыт: 0"},
      {"Label2", "Поражения: 0"},       {"Label3", "Ничьи: 0"},
      {"StrannikLabel", "Странник: 0"}, {"LesorubLabel", "Лесоруб: 0"},
      {"HealthLabel", "Здоровье: 5"},   {"KickLabel", "Удар: 1"},
      {"StoiLabel", "Стойкость: 1"}};
  for (const auto& [name, text] : labels) EXPECT_EQ(Text(name), text);
  EXPECT_EQ(form->AvatarListBox->count(), 25);
  EXPECT_EQ(form->AvatarListBox->Line(24), "25");
  for (const char* hidden : {"UmLabel", "UluchLabel", "PowerButton", "DexterityButton",
                             "GoodLuckButton", "HealthButton", "StrannikButton", "LesorubButton"})
    EXPECT_FALSE(Shown(hidden)) << hidden;
}

TEST_F(CharacterScreen, CountsOfSkillPointsTakeTheirWordForms) {
  for (const auto& [n, text] :
       {std::pair{1, "Остался: 1 умение."}, std::pair{3, "Осталось: 3 умения."},
        std::pair{5, "Осталось: 5 умений."}}) {
    game->state.PointUm = n;
    form->TimerTimer();
    EXPECT_EQ(Text("UmLabel"), text);
  }
}

// The buttons go only at the next tick; a press before it spends nothing more.
TEST_F(CharacterScreen, PressesBeforeTheButtonsGoSpendNothing) {
  game->state.PointUm = 5;
  game->state.Lesorub = 99;
  game->state.PointPar = 1;
  Open();
  form->LesorubButton->click();
  form->LesorubButton->click();
  EXPECT_EQ(game->state.Lesorub, 100);
  EXPECT_EQ(game->state.PointUm, 4);
  form->HealthButton->click();
  EXPECT_TRUE(Shown("HealthButton"));
  form->DexterityButton->click();
  EXPECT_EQ(game->state.PointPar, 0);
  EXPECT_EQ(game->state.AttDexterity, 26);
  form->TimerTimer();
  EXPECT_FALSE(Shown("LesorubButton"));
  EXPECT_TRUE(Shown("StrannikButton"));
  EXPECT_FALSE(Shown("HealthButton"));
  EXPECT_EQ(Text("HealthLabel"), "Здоровье: 6");
}

TEST_F(CharacterScreen, ChoosingNoLineKeepsTheAvatar) {
  Open();
  form->AvatarListBox->Choose(16);
  form->AvatarListBox->Choose(-1);
  EXPECT_EQ(game->state.Avatar, "image\\17.bmp");
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\17.bmp");
}

TEST_F(CharacterScreen, AvatarOutsideTheListChoosesNoLineButShows) {
  game->state.Avatar = "image\\Монстр.bmp";
  Open();
  EXPECT_EQ(form->AvatarListBox->currentRow(), -1);
  EXPECT_FALSE(form->AvatarListBox->selectionModel()->hasSelection());
  EXPECT_EQ(form->Figure.avatar->Picture(), "image\\Монстр.bmp");
}

TEST_F(CharacterScreen, FigureShowsWhatIsWornInTheInventorysFrames) {
  game->state.Kolch = "image\\Кольчуга.bmp";
  game->state.KolchHint = "Кольчуга";
  Open();
  EXPECT_TRUE(controls::OwnVisible(form->Figure.Slot("Kolch")));
  EXPECT_EQ(form->Figure.Slot("Kolch")->toolTip(), "Кольчуга");
  for (int i = 0; i < kEquipSlotCount; ++i) {
    EXPECT_EQ(form->Figure.pictures[i]->geometry(), game->form5->Figure.pictures[i]->geometry())
        << kEquipSlots[i].name;
  }
  EXPECT_EQ(form->Figure.avatar->geometry(), game->form5->Figure.avatar->geometry());

  // Here the figure only shows: a click on a slot does nothing.
  Events();
  controls::Click(form->Figure.Slot("Kolch"));
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(game->state.KolchHint, "Кольчуга");
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

}  // namespace
