#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "fight/MGUnit.h"
#include "script/Controls.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace {

using Lines = std::vector<std::string>;

class FightScreen : public TestGame {
 protected:
  void SetUp() override {
    Start();
    game->state.Nick = "Вася";
    form = game->form1;
  }

  // Fixed kinds draw nothing, so a fight against them starts without draws.
  void StartFight(int first, int second = 0, int third = 0) {
    game->form3->AttackerKinds[1] = first;
    game->form3->AttackerKinds[2] = second;
    game->form3->AttackerKinds[3] = third;
    form->show();
  }

  std::string Caption(const char* label) {
    return form->findChild<QLabel*>(label)->text().toStdString();
  }
  std::string Picture(const char* name) { return form->findChild<PictureBox*>(name)->Picture(); }
  bool Visible(QWidget* control) { return controls::OwnVisible(control); }
  bool Enabled(QWidget* control) { return controls::OwnEnabled(control); }
  QCheckBox* Box(int box) { return form->CheckBoxes[box]; }
  int AttOD() { return game->state.AttOD; }

  TForm1* form = nullptr;
};

TEST_F(FightScreen, StartShowsBothSides) {
  StartFight(12);
  EXPECT_EQ(Events(), (Lines{"show TForm1", "sound sound\\Бой.wav"}));
  EXPECT_EQ(Caption("AttHPLabel"), "Вася [1] | ХП: [50/50]");
  EXPECT_EQ(Caption("DefHPLabel"), "Хранитель врат [12] | ХП: [3250/3250]");
  EXPECT_EQ(Caption("AttPowerLabel"), "Сила: 26");
  EXPECT_EQ(Caption("DefKBLabel"), "Класс брони: 750");
  EXPECT_EQ(Caption("DefHealthLabel"), "Здоровье: 35");
  EXPECT_EQ(Caption("AttStoiLabel"), "Стойкость: 1");
  EXPECT_EQ(Caption("AttODLabel"), "Кол-во оставшихся ОД: 100");
  EXPECT_EQ(Caption("AttLabel"), "Нанесённый Вами урон: 0");
  EXPECT_EQ(Caption("DefLabel"), "Нанесённый соперником(ами) урон: 0");
  EXPECT_EQ(Picture("DefAvatarImage"), "image\\s12.bmp");
  EXPECT_EQ(Picture("DefShitImage"), "image\\Нож хранителя.bmp");
  EXPECT_EQ(Picture("DefShlemImage"), "image\\Шлем.bmp");
  EXPECT_EQ(Picture("AttAvatarImage"), "image\\1.bmp");
  EXPECT_EQ(Picture("AttSodPoyas2Image"), "image\\Содержимое пояса.bmp");
  EXPECT_FALSE(Visible(form->ChangeButton));
  EXPECT_EQ(form->Fight.OpponentSlots[2].CurHP, 0);
  EXPECT_EQ(form->Fight.OpponentSlots[3].CurHP, 0);
  EXPECT_EQ(game->state.OpponentKind, 12);
}

TEST_F(FightScreen, StartZeroesTheCountersAndKeepsTheBaseValues) {
  game->state.DamageDealt = 40;
  game->state.DamageTaken = 30;
  game->state.AttPower = 33;
  form->Fight.PoisonActive = 1;
  form->Fight.HurricaneActive = 1;
  form->Fight.ExpBonus = 0.5f;
  form->Fight.AnyDefeated = 1;
  StartFight(13);
  EXPECT_EQ(game->state.DamageDealt, 0);
  EXPECT_EQ(game->state.DamageTaken, 0);
  EXPECT_EQ(form->Fight.PoisonActive, 0);
  EXPECT_EQ(form->Fight.HurricaneActive, 0);
  EXPECT_EQ(form->Fight.ExpBonus, 0.0f);
  EXPECT_EQ(form->Fight.AnyDefeated, 0);
  EXPECT_EQ(form->Fight.BaseStats.AttPower, 33);
  EXPECT_EQ(form->Fight.BaseStats.AttOD, 100);
  game->state.AttPower = 50;
  form->RestoreBaseStats();
  EXPECT_EQ(game->state.AttPower, 33);
}

TEST_F(FightScreen, PlayerPicturesCarryTheirSlotHints) {
  game->state.Shlem = "image\\Шлем слепоты.bmp";
  game->state.ShlemHint = "Шлем слепоты";
  StartFight(12);
  EXPECT_EQ(Picture("AttShlemImage"), "image\\Шлем слепоты.bmp");
  EXPECT_EQ(form->findChild<PictureBox*>("AttShlemImage")->toolTip(), "Шлем слепоты");
  EXPECT_EQ(form->findChild<PictureBox*>("AttBronyaImage")->toolTip(), "Пустой слот");
  EXPECT_TRUE(form->AttAvatarImage->toolTip().isEmpty());
}

TEST_F(FightScreen, ChainMailShowsOnlyWhileWorn) {
  StartFight(12);
  EXPECT_FALSE(Visible(form->AttKolchImage));
  // Without chain mail the picture takes no hint.
  EXPECT_TRUE(form->AttKolchImage->toolTip().isEmpty());
  form->hide();
  game->state.Kolch = "image\\Кольчуга.bmp";
  game->state.KolchHint = "Кольчуга";
  StartFight(12);
  EXPECT_TRUE(Visible(form->AttKolchImage));
  EXPECT_EQ(Picture("AttKolchImage"), "image\\Кольчуга.bmp");
  EXPECT_EQ(form->AttKolchImage->toolTip(), "Кольчуга");
  form->hide();
  game->state.KolchHint = kEmptySlot;
  StartFight(12);
  EXPECT_FALSE(Visible(form->AttKolchImage));
  EXPECT_EQ(form->AttKolchImage->toolTip(), "Кольчуга");
}

TEST_F(FightScreen, StrikesCostThirtyThenFortyFiveInAnyOrder) {
  StartFight(12);
  const int spent[5] = {0, 30, 60, 105, 150};
  std::array<int, 4> ticks = {1, 2, 3, 4};
  do {
    for (int i = 0; i < 4; ++i) {
      Box(ticks[i])->click();
      ASSERT_EQ(AttOD(), 100 - spent[i + 1]);
    }
    std::array<int, 4> unticks = {1, 2, 3, 4};
    do {
      for (int i = 0; i < 4; ++i) Box(ticks[i])->setChecked(true);
      for (int i = 0; i < 4; ++i) {
        Box(unticks[i])->click();
        ASSERT_EQ(AttOD(), 100 - spent[3 - i]);
      }
    } while (std::next_permutation(unticks.begin(), unticks.end()));
  } while (std::next_permutation(ticks.begin(), ticks.end()));
  EXPECT_EQ(Caption("AttODLabel"), "Кол-во оставшихся ОД: 100");
}

TEST_F(FightScreen, UntickingTheFirstOfThreeStrikesGivesBackFortyFive) {
  StartFight(12);
  Box(1)->click();
  Box(2)->click();
  Box(3)->click();
  EXPECT_EQ(AttOD(), -5);
  Box(1)->click();
  EXPECT_EQ(AttOD(), 40);
  EXPECT_EQ(Caption("AttODLabel"), "Кол-во оставшихся ОД: 40");
}

TEST_F(FightScreen, WithoutAShieldASecondBlockGreysOutTheOtherTwo) {
  StartFight(12);
  for (int first = 5; first <= 8; ++first) {
    for (int second = 5; second <= 8; ++second) {
      if (second == first) continue;
      Box(first)->click();
      Box(second)->click();
      EXPECT_EQ(AttOD(), 60);
      for (int other = 5; other <= 8; ++other) {
        const bool ticked = other == first || other == second;
        EXPECT_EQ(Enabled(Box(other)), ticked) << first << second << other;
      }
      Box(first)->click();
      for (int other = 5; other <= 8; ++other) EXPECT_TRUE(Enabled(Box(other)));
      Box(second)->click();
      EXPECT_EQ(AttOD(), 100);
    }
  }
}

TEST_F(FightScreen, WithAShieldFourBlocksCostEighty) {
  game->state.ShitTrue = 1;
  StartFight(12);
  for (int box = 5; box <= 8; ++box) Box(box)->click();
  EXPECT_EQ(AttOD(), 20);
  for (int box = 5; box <= 8; ++box) EXPECT_TRUE(Enabled(Box(box)));
}

TEST_F(FightScreen, MoveWithoutChoicesIsRefused) {
  StartFight(12);
  Events();
  form->MoveButton->click();
  EXPECT_EQ(Events(), Lines{"message \"Ошибка\" warning \"Вы не выбрали ни одного удара/блока.\""});
  EXPECT_TRUE(form->ListBox1->Lines().empty());
}

TEST_F(FightScreen, MoveBeyondTheActionPointsIsRefusedAndKeepsTheChoices) {
  StartFight(12);
  for (int box = 1; box <= 4; ++box) Box(box)->click();
  EXPECT_EQ(Caption("AttODLabel"), "Кол-во оставшихся ОД: -50");
  Events();
  Draws({0, 0, 0, 0, 0});
  form->MoveButton->click();
  EXPECT_EQ(Events(),
            Lines{"message \"Ошибка\" warning \"Вам не хватает ОД для выбранных действий.\""});
  EXPECT_EQ(game->random.ForcedLeft(), 5u);
  for (int box = 1; box <= 4; ++box) EXPECT_TRUE(Box(box)->isChecked());
  EXPECT_EQ(AttOD(), -50);
}

TEST_F(FightScreen, AMoveLogsBothSidesAndUnticksTheBoxes) {
  StartFight(20);  // one strike per move, far stronger than a new character
  game->state.MoveAttHP = game->state.AttHP = 10000;  // survives the move: the fight goes on
  Box(1)->click();
  Box(5)->click();
  Box(6)->click();
  Events();
  Draws({3,           // blocks head, torso, legs
         0,           // strikes the head, which the player blocks
         0, 0, 0, 0,  // no dodge; raw 5600.5; the block breaks; critical
         0});         // the opponent dodges the player's strike
  form->MoveButton->click();
  EXPECT_EQ(Events(), Lines{"sound sound\\Ход.wav"});
  EXPECT_EQ(form->ListBox2->Lines(), Lines{"Соперник пробил блок критом на -4900 (в голову)."});
  EXPECT_EQ(form->ListBox1->Lines(), Lines{"Соперник увернулся от удара (в голову)."});
  EXPECT_EQ(Caption("AttHPLabel"), "Вася [1] | ХП: [5100/10000]");
  EXPECT_EQ(Caption("DefLabel"), "Нанесённый соперником(ами) урон: 4900");
  for (int box = 1; box <= 8; ++box) {
    EXPECT_FALSE(Box(box)->isChecked());
    EXPECT_TRUE(Enabled(Box(box)));
  }
  EXPECT_EQ(AttOD(), 100);
  EXPECT_EQ(game->random.ForcedLeft(), 0u);
}

TEST_F(FightScreen, AMoveWritesTheOpponentBackIntoItsSlot) {
  StartFight(1);
  Events();
  auto& opponent = form->Fight.CurrentOpponent;
  opponent.KB = 0;
  opponent.Ulov = 1;
  opponent.StrikesPerMove = 2;
  game->state.AttKick = 30;
  game->state.MoveAttHP = game->state.AttHP = 10000;  // survives the move: the fight goes on
  Box(4)->click();
  Draws({0, 0,              // blocks head and torso, strikes head and torso
         0, 0, 0, 0, 0, 0,  // both strikes land: a new character never dodges
         0, 0, 0});         // the legs are open: 30 + 10 + 7.8 + 0.5, no armour
  form->MoveButton->click();
  EXPECT_EQ(form->ListBox1->Lines(), Lines{"Вы поразили на -48 (в ноги)."});
  EXPECT_EQ(form->Fight.OpponentSlots[1].CurHP, opponent.HP - 48);
  EXPECT_EQ(Caption("AttLabel"), "Нанесённый Вами урон: 48");
  EXPECT_EQ(form->ListBox2->Lines().size(), 2u);
}

TEST_F(FightScreen, TwoOrThreeAttackersShowTheChangeButton) {
  StartFight(12, 13);
  EXPECT_TRUE(Visible(form->ChangeButton));
  EXPECT_TRUE(Enabled(form->ChangeButton));
  EXPECT_EQ(form->ChangeButton->text(), "Сменить");
  form->hide();
  StartFight(14);
  EXPECT_FALSE(Visible(form->ChangeButton));
}

TEST_F(FightScreen, ChangingSwitchesToTheNextLivingOpponent) {
  StartFight(12, 13, 14);
  Box(2)->click();
  form->ListBox1->AddLine("old");
  form->ChangeButton->click();
  EXPECT_EQ(form->Fight.CurrentIndex, 2);
  EXPECT_EQ(Caption("DefHPLabel"), "Дозорный леса [13] | ХП: [3300/3300]");
  EXPECT_EQ(Picture("DefAvatarImage"), "image\\s13.bmp");
  EXPECT_FALSE(Box(2)->isChecked());
  EXPECT_EQ(AttOD(), 100);
  EXPECT_TRUE(form->ListBox1->Lines().empty());
  EXPECT_TRUE(Enabled(form->ChangeButton));

  form->Fight.OpponentSlots[1].CurHP = 0;  // beaten
  form->ChangeButton->click();
  EXPECT_EQ(form->Fight.CurrentIndex, 3);
  EXPECT_TRUE(Enabled(form->ChangeButton));
  form->ChangeButton->click();
  EXPECT_EQ(form->Fight.CurrentIndex, 2);
  form->Fight.OpponentSlots[3].CurHP = -4;
  form->ChangeButton->click();
  EXPECT_EQ(form->Fight.CurrentIndex, 2);
  EXPECT_FALSE(Enabled(form->ChangeButton));
}

TEST_F(FightScreen, ScriptModeReachesTheFightMembers) {
  StartFight(12, 13);
  Bindings& b = game->bindings;
  EXPECT_EQ(b.Get("TForm1.OpponentSlots[2].Name"), ScriptValue(std::string("Дозорный леса")));
  EXPECT_EQ(b.Get("TForm1.CurrentOpponent.StrikesPerMove"), ScriptValue(2));
  EXPECT_EQ(b.Get("TForm1.BaseStats.AttOD"), ScriptValue(100));
  EXPECT_EQ(b.Get("TForm1.CurrentIndex"), ScriptValue(1));
  EXPECT_TRUE(b.Set("TForm1.CurrentOpponent.CurHP", ScriptValue(7)));
  EXPECT_EQ(form->Fight.CurrentOpponent.CurHP, 7);
  EXPECT_TRUE(b.Set("TForm1.ExpBonus", ScriptValue(0.25f)));
  EXPECT_EQ(form->Fight.ExpBonus, 0.25f);
  for (const char* name :
       {"TForm1.AnyDefeated", "TForm1.FightOver", "TForm1.PoisonActive", "TForm1.HurricaneActive",
        "TForm1.LevelUpFlag", "TForm1.OppBlocks[4]", "TForm1.StrikePattern",
        "TForm1.OpponentSlots[3].Kick", "TForm1.BaseStats.AttStoi", "TForm1.LootRolls[7]"})
    EXPECT_TRUE(b.Has(name)) << name;
}

}  // namespace
