#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "fight/MGUnit.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "world/StartUnit.h"

namespace {

using Lines = std::vector<std::string>;

// What one move leaves on the screen: both logs and both sides' hit points.
struct MoveTrace {
  Lines player;
  Lines opponent;
  int playerHP;
  int opponentHP;
  int opponentIndex;
  bool operator==(const MoveTrace&) const = default;
};

class AutoFight : public TestGame {
 protected:
  // Two rats against a player who beats each in a few moves and lasts many.
  void StartFight(std::uint32_t seed) {
    Start(seed);
    GameState& state = game->state;
    state.Nick = "Вася";
    state.Place = 10;
    state.AttKick = 100;
    state.AttPower = 80;
    state.AttDexterity = 100;
    state.AttGoodLuck = 200;
    state.AttKB = 120;
    state.AttHP = state.MoveAttHP = 6000;
    form = game->form1;
    game->form3->AttackerKinds[1] = game->form3->AttackerKinds[2] = 1;
    form->show();
    Events();
  }

  // One strike at the torso, blocks of the head and the belly.
  void TickTheMove() {
    for (int box : {2, 5, 7}) form->CheckBoxes[box]->click();
  }

  MoveTrace Trace() const {
    return {form->ListBox1->Lines(), form->ListBox2->Lines(), game->state.MoveAttHP,
            form->Fight.CurrentOpponent.CurHP, form->Fight.CurrentIndex};
  }

  TForm1* form = nullptr;
};

TEST_F(AutoFight, DrawsAsTheSameMovesClickedByHand) {
  // By hand: every move ticked box by box and "Ход" pressed.
  StartFight(7);
  std::vector<MoveTrace> byHand;
  while (!form->isHidden() && byHand.size() < 500) {
    TickTheMove();
    form->MoveButton->click();
    byHand.push_back(Trace());
  }
  ASSERT_TRUE(form->isHidden());
  const Lines handEvents = Events();
  const GameState handEnd = game->state;
  ASSERT_GT(byHand.size(), 3u);

  // The first move by hand, then the repeat key once, then the auto-fight, started
  // again where it stops at the change of opponent.
  StartFight(7);
  std::vector<MoveTrace> automatic;
  TickTheMove();
  form->MoveButton->click();
  automatic.push_back(Trace());
  ASSERT_TRUE(form->FormKeyPress('g'));
  automatic.push_back(Trace());
  std::vector<int> stops;
  while (!form->isHidden()) {
    form->AutoFightButton->click();
    ASSERT_TRUE(form->AutoFighting());
    while (form->AutoFighting()) {
      form->AutoFightStep();
      automatic.push_back(Trace());
    }
    stops.push_back(form->Fight.MoveNumber);
  }
  EXPECT_EQ(automatic, byHand);
  EXPECT_EQ(Events(), handEvents);
  EXPECT_EQ(game->state.Point, handEnd.Point);
  EXPECT_EQ(game->state.Money, handEnd.Money);

  // It stopped where the second rat came on, and at the end.
  const auto change = std::find_if(byHand.begin(), byHand.end(),
                                   [](const MoveTrace& move) { return move.opponentIndex == 2; });
  ASSERT_EQ(stops.size(), 2u);
  EXPECT_EQ(stops[0], change - byHand.begin() + 1);
}

TEST_F(AutoFight, StopsWhenTheHitPointsFallBelowTheThreshold) {
  StartFight(3);
  game->state.AttDexterity = 1;  // every strike that is not blocked lands
  EXPECT_EQ(form->ThresholdSpinBox->value(), 33);
  EXPECT_EQ(form->AutoFightStopHP(), 1980);
  form->ThresholdSpinBox->setValue(99);
  TickTheMove();
  form->MoveButton->click();
  // Already below: it fights on, as the player chose.
  game->state.MoveAttHP = 5000;
  form->AutoFightButton->click();
  form->AutoFightStep();
  EXPECT_TRUE(form->AutoFighting());
  form->StopAutoFight();

  game->state.MoveAttHP = 6000;
  form->AutoFightButton->click();
  EXPECT_EQ(form->AutoFightButton->text(), "Стоп");
  while (form->AutoFighting()) form->AutoFightStep();
  EXPECT_LT(game->state.MoveAttHP, form->AutoFightStopHP());
  EXPECT_FALSE(form->isHidden());
  EXPECT_EQ(form->AutoFightButton->text(), "Автобой");
}

TEST_F(AutoFight, ARefusedMoveStopsIt) {
  StartFight(3);
  TickTheMove();
  form->MoveButton->click();
  Events();
  game->state.AttOD = 30;  // a strike and two blocks no longer fit
  form->AutoFightButton->click();
  form->AutoFightStep();
  EXPECT_FALSE(form->AutoFighting());
  EXPECT_EQ(Events(), Lines{"message \"Ошибка\" warning \"Вам не хватает ОД для выбранных "
                            "действий.\""});
  EXPECT_EQ(form->Fight.MoveNumber, 1);
}

TEST_F(AutoFight, AnyKeyOrClickOnlyStopsIt) {
  StartFight(3);
  TickTheMove();
  form->MoveButton->click();
  // Esc only stopping it is the auto-fight scenario's; a click on "Сдаться" too.
  form->AutoFightButton->click();
  EXPECT_TRUE(form->AutoFightTimer->isActive());
  QTest::mouseClick(form->BackButton, Qt::LeftButton);
  EXPECT_FALSE(form->AutoFighting());
  EXPECT_FALSE(form->AutoFightTimer->isActive());
  EXPECT_FALSE(form->isHidden());
  // A message box or the help over the fight stops it before it takes any key.
  form->AutoFightButton->click();
  game->SetTimersPaused(true);
  EXPECT_FALSE(form->AutoFighting());
  game->SetTimersPaused(false);
  // With the auto-fight stopped, the same click surrenders.
  QTest::mouseClick(form->BackButton, Qt::LeftButton);
  EXPECT_TRUE(form->isHidden());
}

}  // namespace
