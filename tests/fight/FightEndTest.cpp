#include <QCheckBox>
#include <QPushButton>
#include <algorithm>

#include "fight/FightFixture.h"
#include "inventory/StockUnit.h"
#include "state/Levels.h"
#include "widgets/ListBox.h"

namespace {

class FightEnd : public FightFixture {
 protected:
  Lines Backpack() const { return game->form5->SubjectListBox->Lines(); }
  // The message was among the events since the last look.
  bool Shown(const std::string& text) {
    const Lines events = Events();
    return std::find(events.begin(), events.end(), Info(text)) != events.end();
  }
};

const std::string kDeath = "sound sound\\Смерть.wav";

}  // namespace

TEST_F(FightEnd, DefeatOfTheOnlyOpponentWinsWithExperienceAndMoney) {
  Begin({1});
  DefeatDraws({1, 1, 1, 1, 1, 1, 90}, 2, 7);
  game->random.Force(4);  // 5 roubles
  game->random.Force(3);  // the next attack in 18 seconds
  EXPECT_FALSE(EndMove(40, -3));
  EXPECT_EQ(Events(), (Lines{kDeath, Info("Крыса повержена."),
                             Info("Бой закончен. Вы победили. Получено боевого опыта: 52."),
                             Info("Вы нашли 5 руб."), "hide TForm1", "show TForm3"}));
  EXPECT_EQ(State().Win, 1);
  EXPECT_EQ(State().Point, 52);
  EXPECT_FLOAT_EQ(State().Money, 2005);
  EXPECT_EQ(game->form3->EncounterCountdown, 18);
  ExpectRestored();
}

// Experience is scaled and the loot thresholds shifted by five a level of difference.
TEST_F(FightEnd, TheLevelsOfPlayerAndOpponentScaleAndShift) {
  const struct {
    int kind, level, experienceDraw, point, gem, money;
  } cases[] = {
      {3, 5, 29, (97 + 29) / 3, 100, 95},  // a gem now needs more than 100
      {5, 3, 17, 3 * (227 + 17), 80, 75},
  };
  for (const auto& c : cases) {
    Begin({c.kind}, c.level);
    DefeatDraws(kNoLoot, 1, c.experienceDraw);
    EndMove(40, 0);
    EXPECT_EQ(State().Point, c.point);
    EXPECT_EQ(Fight().GemThreshold, c.gem);
    EXPECT_EQ(Fight().MoneyThreshold, c.money);
  }
}

// Gems and the one-item set draw no choice: the next draw sets the next attack.
TEST_F(FightEnd, LootGoesToTheBackpackNamedInTheAccusative) {
  const struct {
    int kind, level;
    std::array<int, 7> rolls;
    int group, nextDraw;
    bool choice;
    const char* item;
    const char* message;
  } cases[] = {
      {2, 1, {1, 1, 91, 1, 1, 1, 1}, 1, 3, false, "Рубин [1]", "Вы нашли рубин [1]."},
      {2, 1, {1, 1, 1, 91, 1, 1, 1}, 3, 3, false, "Изумруд [1]", "Вы нашли изумруд [1]."},
      {2, 1, {1, 96, 1, 1, 1, 1, 1}, 5, 3, false, "Алмаз [1]", "Вы нашли алмаз [1]."},
      {15, 15, {83, 1, 1, 1, 1, 1, 1}, 1, 3, true, "Броня льда", "Вы нашли броню льда."},
      // The item threshold 84 − 5 × 19 is below one: any roll wins.
      {20, 1, kNoLoot, 1, 7, true, "Шлем тьмы", "Вы нашли шлем тьмы."},
      {21, 21, {90, 1, 1, 1, 1, 1, 1}, 1, 14, false, "Алебарда друга", "Вы нашли алебарду друга."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    Begin({c.kind}, c.level);
    DefeatDraws(c.rolls, c.group, 0);
    game->random.Force(c.nextDraw);
    EndMove(40, 0);
    EXPECT_EQ(Backpack(), (Lines{c.item}));
    EXPECT_TRUE(Shown(c.message));
    if (!c.choice) {
      EXPECT_EQ(game->form3->EncounterCountdown, c.nextDraw + 15);
    }
  }
}

TEST_F(FightEnd, TheMasterIsNeitherScaledNorShifted) {
  Begin({22}, 30);
  DefeatDraws({91, 1, 1, 1, 1, 1, 1}, 1, 5);
  game->random.Force(1);
  EndMove(40, 0);
  EXPECT_EQ(Fight().ItemThreshold, 90);
  EXPECT_EQ(State().Point, 247939);
  const Lines events = Events();
  EXPECT_EQ(events[0], "sound sound\\Смерть Мастера.wav");
  EXPECT_EQ(events[1], Info("Мастер повержен."));
  EXPECT_EQ(events[3], Info("Получен левел. Вы можете увеличить свои статы в инвентаре."));
  EXPECT_EQ(events[4], Info("Вы нашли броню Мастера."));
  EXPECT_EQ(Backpack(), (Lines{"Броня Мастера"}));
}

TEST_F(FightEnd, DrawAloneHalvesTheExperience) {
  Begin({1});
  game->random.Force(9);
  game->random.Force(0);
  EXPECT_FALSE(EndMove(0, -5));
  EXPECT_EQ(Events(), (Lines{Info("Бой закончен. Ничья. Получено боевого опыта: 27."),
                             "hide TForm1", "show TForm3"}));
  EXPECT_EQ(State().Noup, 1);
  EXPECT_EQ(State().Win + State().Lose, 0);
  EXPECT_EQ(State().Point, 27);
  EXPECT_EQ(game->form3->EncounterCountdown, 15);
  ExpectRestored();
}

TEST_F(FightEnd, DrawWhileOthersStandIsALossPayingAFifth) {
  Begin({1, 1});
  game->random.Force(9);  // (45 + 9) / 2 = 27
  EndMove(-10, 0);
  EXPECT_EQ(Events(), (Lines{kDeath, Info("Бой закончен. Вы проиграли. Получено боевого опыта: 7."),
                             "hide TForm1", "show TForm3"}));
  EXPECT_EQ(State().Lose, 1);
  EXPECT_EQ(State().Noup, 0);
  EXPECT_EQ(State().Point, 7);  // 27 / 5 × 1.5
  EXPECT_EQ(Fight().AnyDefeated, 1);
  EXPECT_EQ(Fight().CurrentOpponent.CurHP, 1);
  ExpectRestored();
}

TEST_F(FightEnd, PlainLossPaysNothing) {
  Begin({1});
  State().FightExp = 0;
  EndMove(0, 200);
  EXPECT_EQ(Events(), (Lines{kDeath, Info("Бой закончен. Вы проиграли. Получено боевого опыта: 0."),
                             "hide TForm1", "show TForm3"}));
  EXPECT_EQ(State().Lose, 1);
  EXPECT_EQ(State().Point, 0);
  ExpectRestored();
}

TEST_F(FightEnd, NothingEndsWhileBothStand) {
  Begin({1});
  EXPECT_FALSE(EndMove(1, 1));
  EXPECT_TRUE(Events().empty());
  EXPECT_FALSE(game->form1->isHidden());
  EXPECT_EQ(State().Win + State().Lose + State().Noup, 0);
}

TEST_F(FightEnd, TwoAttackersPayOneAndAHalfTimes) {
  Begin({1, 1});
  DefeatDraws(kNoLoot, 1, 0);
  EXPECT_TRUE(EndMove(40, 0));
  EXPECT_EQ(Events(), (Lines{kDeath, Info("Крыса повержена.")}));
  EXPECT_EQ(Fight().CurrentIndex, 2);
  EXPECT_LE(Fight().OpponentSlots[1].CurHP, 0);
  EXPECT_EQ(State().FightExp, 45);
  EXPECT_EQ(State().Point, 0);
  EXPECT_FALSE(game->form1->isHidden());
  DefeatDraws(kNoLoot, 1, 1);
  EXPECT_FALSE(EndMove(40, 0));
  EXPECT_EQ(Events()[2], Info("Бой закончен. Вы победили. Получено боевого опыта: 136."));
  EXPECT_EQ(State().Point, 136);  // 91 × 1.5, truncated
  EXPECT_EQ(State().Win, 1);
  ExpectRestored();
}

TEST_F(FightEnd, LossAfterADefeatPaysAFifth) {
  Begin({1, 1});
  DefeatDraws(kNoLoot, 1, 5);
  EndMove(40, 0);
  Events();
  EndMove(-1, 30);
  EXPECT_EQ(Events()[1], Info("Бой закончен. Вы проиграли. Получено боевого опыта: 15."));
  EXPECT_EQ(State().Point, 15);  // 50 / 5 × 1.5
  EXPECT_EQ(State().Lose, 1);
}

TEST_F(FightEnd, LevelUpIsAnnouncedAfterVictoryAndDrawButNotLoss) {
  Begin({1});
  State().Point = 2490;
  DefeatDraws(kNoLoot, 1, 0);
  EndMove(40, 0);
  EXPECT_EQ(Events()[3], Info(kLevelUpMessage));
  EXPECT_EQ(State().AttLevel, 2);

  Begin({1});
  State().Point = 2490;
  game->random.Force(0);
  EndMove(0, 0);
  EXPECT_EQ(Events()[1], Info(kLevelUpMessage));
  EXPECT_EQ(State().AttLevel, 2);

  Begin({1, 1});
  State().Point = 2499;
  DefeatDraws(kNoLoot, 1, 0);
  EndMove(40, 0);
  Events();
  EndMove(0, 10);
  EXPECT_EQ(State().AttLevel, 2);  // 2499 + 45 / 5 × 1.5
  for (const std::string& line : Events()) EXPECT_NE(line, Info(kLevelUpMessage));
}

TEST_F(FightEnd, SurrenderIsALossWithoutExperience) {
  Begin({1, 1});
  State().MoveAttHP = 3;
  State().FightExp = 80;
  State().AttPower += 20;
  Screen().CheckBoxes[1]->setChecked(true);
  Screen().BackButton->click();
  EXPECT_EQ(Events(), (Lines{kDeath, Info("Бой закончен. Вы сдались. Получено боевого опыта: 0."),
                             "hide TForm1", "show TForm3"}));
  EXPECT_EQ(State().Lose, 1);
  EXPECT_EQ(State().Point, 0);
  EXPECT_FALSE(Screen().CheckBoxes[1]->isChecked());
  ExpectRestored();
}

TEST_F(FightEnd, EscapeAndStayingAfterTheCloseBoxSurrender) {
  Begin({1});
  Screen().FormKeyPress(27);
  EXPECT_EQ(State().Lose, 1);
  ExpectRestored();
  Begin({1});
  State().MoveAttHP = 1;
  AnswerConfirmation(false);
  Screen().close();
  const Lines events = Events();
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0], "confirm \"Подтверждение\" \"Вы хотите выйти из игры?\" no");
  EXPECT_EQ(events[2], Info("Бой закончен. Вы сдались. Получено боевого опыта: 0."));
  EXPECT_EQ(State().Lose, 1);
  ExpectRestored();
}

TEST_F(FightEnd, ClosingAndQuittingKeepsNoScore) {
  Begin({1});
  AnswerConfirmation(true);
  Screen().close();
  EXPECT_TRUE(game->Quitting());
  EXPECT_EQ(State().Lose, 0);
}
