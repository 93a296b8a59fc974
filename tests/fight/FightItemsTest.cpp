#include <gtest/gtest.h>

#include "fight/FightItems.h"
#include "fight/FightState.h"
#include "state/GameState.h"

namespace {

// A player of level 1 with some stats, at the start of a fight against one opponent.
struct Fighter {
  Fighter() {
    state.AttPower = 40;
    state.AttDexterity = 30;
    state.AttGoodLuck = 22;
    state.AttKB = 10;
    state.AttKick = 20;
    state.AttUlov = 13;
    state.AttToch = 8;
    state.AttSokr = 7;
    state.AttStoi = 3;
    state.AttHP = 100;
    state.MoveAttHP = 90;
    fight.BaseStats = CaptureBaseStats(state);
    fight.CurrentOpponent.Ulov = 100;
    fight.CurrentOpponent.Toch = 203;
    fight.CurrentOpponent.Sokr = 3;
    fight.CurrentOpponent.Stoi = 250;
    fight.CurrentOpponent.CurHP = 500;
  }

  FightItemUse Potion(const std::string& name) { return UsePotion(name, state, fight); }
  FightItemUse Scroll(const std::string& name) { return UseScroll(name, state, fight); }

  GameState state;
  FightState fight;
};

class FightItemsTest : public ::testing::Test, public Fighter {};

}  // namespace

// Potions add a quarter of the fight's starting value, shell 15 %, scrolls half;
// healing is not held to the maximum.
TEST(FightItems, EachItemRaisesItsValueAndSaysSo) {
  const struct {
    bool scroll;
    const char* name;
    int GameState::*value;
    int expected;
    const char* message;
  } items[] = {
      {false, "Зелье силы", &GameState::AttPower, 50, "Использовано зелье силы."},
      {false, "Зелье ловкости", &GameState::AttDexterity, 38, "Использовано зелье ловкости."},
      {false, "Зелье удачи", &GameState::AttGoodLuck, 28, "Использовано зелье удачи."},
      {false, "Зелье загрубелой кожи", &GameState::AttKB, 13,
       "Использовано зелье загрубелой кожи."},
      {false, "Зелье колкости", &GameState::AttKick, 25, "Использовано зелье колкости."},
      {false, "Зелье панциря", &GameState::AttKB, 12, "Использовано зелье панциря."},
      {false, "Зелье панциря", &GameState::AttKick, 23, "Использовано зелье панциря."},
      {false, "Зелье подвижности", &GameState::AttOD, 125, "Использовано зелье подвижности."},
      {false, "Зелье ХП", &GameState::MoveAttHP, 115, "Использовано зелье ХП."},
      {true, "Свиток ХП", &GameState::MoveAttHP, 140, "Использован свиток ХП."},
      {true, "Свиток каменной кожи", &GameState::AttKB, 15, "Использован свиток каменной кожи."},
      {true, "Свиток ярости", &GameState::AttKick, 30, "Использован свиток ярости."},
  };
  for (const auto& item : items) {
    Fighter f;
    EXPECT_EQ((item.scroll ? f.Scroll(item.name) : f.Potion(item.name)).message, item.message);
    EXPECT_EQ(f.state.*item.value, item.expected) << item.name;
  }
}

TEST_F(FightItemsTest, BoostsAreReckonedFromTheFightStartNotCompounded) {
  Potion("Зелье силы");
  Potion("Зелье силы");
  EXPECT_EQ(state.AttPower, 60);  // 40 + 10 + 10, not 40 + 10 + 12.5
  Scroll("Свиток силы");
  EXPECT_EQ(state.AttPower, 80);
}

TEST_F(FightItemsTest, EnlightenmentAddsUp) {
  EXPECT_EQ(Potion("Зелье просветления").message, "Использовано зелье просветления.");
  Potion("Зелье просветления");
  EXPECT_FLOAT_EQ(fight.ExpBonus, 0.5f);
}

TEST_F(FightItemsTest, PoisonOnlyOncePerFight) {
  const FightItemUse first = Potion("Зелье яда");
  EXPECT_EQ(first.message, "Использовано зелье яда.");
  EXPECT_FALSE(first.refused);
  EXPECT_EQ(fight.PoisonActive, 1);
  EXPECT_EQ(fight.PoisonRefused, 0);
  const FightItemUse second = Potion("Зелье яда");
  EXPECT_TRUE(second.refused);
  EXPECT_EQ(second.message, "");
  EXPECT_EQ(fight.PoisonRefused, 1);
}

TEST_F(FightItemsTest, CurseTakesAQuarterFromTheOpponent) {
  EXPECT_EQ(Scroll("Свиток проклятия").message, "Использован свиток проклятия.");
  EXPECT_EQ(fight.CurrentOpponent.Ulov, 75);
  EXPECT_EQ(fight.CurrentOpponent.Toch, 153);  // 203 − 50
  EXPECT_EQ(fight.CurrentOpponent.Sokr, 3);    // 3 / 4 = 0
  EXPECT_EQ(fight.CurrentOpponent.Stoi, 188);  // 250 − 62
  EXPECT_EQ(fight.OpponentSlots[1].Ulov, 0);   // the slots wait for the store
}

TEST_F(FightItemsTest, GreatnessAddsAQuarterOfTheBase) {
  state.AttUlov = 20;  // a boost already on the current value
  EXPECT_EQ(Scroll("Свиток величия").message, "Использован свиток величия.");
  EXPECT_EQ(state.AttUlov, 23);  // 13 / 4
  EXPECT_EQ(state.AttToch, 10);
  EXPECT_EQ(state.AttSokr, 8);
  EXPECT_EQ(state.AttStoi, 3);
}

TEST_F(FightItemsTest, FemaleSpiteHalvesTheOpponentRoundingUp) {
  state.DamageDealt = 40;
  fight.CurrentOpponent.CurHP = 301;
  EXPECT_EQ(Scroll("Свиток женской злости").message, "Использован свиток женской злости.");
  EXPECT_EQ(state.DamageDealt, 191);  // 150.5 + 0.5 + 40
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 150);
}

TEST_F(FightItemsTest, ASecondHurricaneIsUsedWithoutFurtherEffect) {
  EXPECT_EQ(Scroll("Свиток урагана").message, "Использован свиток урагана.");
  EXPECT_EQ(fight.HurricaneActive, 1);
  const FightItemUse again = Scroll("Свиток урагана");
  EXPECT_FALSE(again.refused);
  EXPECT_EQ(fight.HurricaneActive, 1);
}

TEST_F(FightItemsTest, UnknownNamesDoNothing) {
  const GameState before = state;
  for (const char* name : {"Пустой слот", "Свиток силы", "Зелье силы ", ""}) {
    const FightItemUse use = Potion(name);
    EXPECT_EQ(use.message, "") << name;
    EXPECT_FALSE(use.refused);
  }
  EXPECT_EQ(Scroll("Зелье силы").message, "");
  EXPECT_EQ(state.AttPower, before.AttPower);
  EXPECT_EQ(state.AttKB, before.AttKB);
  EXPECT_EQ(state.MoveAttHP, before.MoveAttHP);
}

TEST(BoostedTest, RoundsHalfUp) {
  EXPECT_EQ(Boosted(10, 10, 0.15f), 12);  // 1.5 rounds up
  EXPECT_EQ(Boosted(26, 26, 0.25f), 33);  // 6.5 rounds up
  EXPECT_EQ(Boosted(1, 1, 0.25f), 1);     // 0.25 rounds down
  EXPECT_EQ(Boosted(1, 1, 0.5f), 2);
}
