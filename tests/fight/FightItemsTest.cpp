#include <gtest/gtest.h>

#include "fight/FightItems.h"
#include "fight/FightState.h"
#include "state/GameState.h"

namespace {

// A player of level 1 with some stats, at the start of a fight against one opponent.
class FightItemsTest : public ::testing::Test {
 protected:
  FightItemsTest() {
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

}  // namespace

TEST_F(FightItemsTest, PotionsOfOneStatAddAQuarterOfTheBase) {
  EXPECT_EQ(Potion("Зелье силы").message, "Использовано зелье силы.");
  EXPECT_EQ(state.AttPower, 50);
  EXPECT_EQ(Potion("Зелье ловкости").message, "Использовано зелье ловкости.");
  EXPECT_EQ(state.AttDexterity, 38);  // 30 + 7.5 + 0.5
  EXPECT_EQ(Potion("Зелье удачи").message, "Использовано зелье удачи.");
  EXPECT_EQ(state.AttGoodLuck, 28);  // 22 + 5.5 + 0.5
  EXPECT_EQ(Potion("Зелье загрубелой кожи").message, "Использовано зелье загрубелой кожи.");
  EXPECT_EQ(state.AttKB, 13);  // 10 + 2.5 + 0.5
  EXPECT_EQ(Potion("Зелье колкости").message, "Использовано зелье колкости.");
  EXPECT_EQ(state.AttKick, 25);
}

TEST_F(FightItemsTest, BoostsAreReckonedFromTheFightStartNotCompounded) {
  Potion("Зелье силы");
  Potion("Зелье силы");
  EXPECT_EQ(state.AttPower, 60);  // 40 + 10 + 10, not 40 + 10 + 12.5
  Scroll("Свиток силы");
  EXPECT_EQ(state.AttPower, 80);
}

TEST_F(FightItemsTest, ShellPotionRaisesArmourAndStrikeByFifteenPercent) {
  EXPECT_EQ(Potion("Зелье панциря").message, "Использовано зелье панциря.");
  EXPECT_EQ(state.AttKB, 12);    // 10 + 1.5 + 0.5
  EXPECT_EQ(state.AttKick, 23);  // 20 + 3 + 0.5
}

TEST_F(FightItemsTest, MobilityAddsTwentyFiveActionPoints) {
  EXPECT_EQ(Potion("Зелье подвижности").message, "Использовано зелье подвижности.");
  EXPECT_EQ(state.AttOD, 125);
}

TEST_F(FightItemsTest, HealingIsNotClampedToTheMaximum) {
  EXPECT_EQ(Potion("Зелье ХП").message, "Использовано зелье ХП.");
  EXPECT_EQ(state.MoveAttHP, 115);
  EXPECT_EQ(Scroll("Свиток ХП").message, "Использован свиток ХП.");
  EXPECT_EQ(state.MoveAttHP, 165);
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

TEST_F(FightItemsTest, ScrollsOfOneStatAddHalfTheBase) {
  EXPECT_EQ(Scroll("Свиток каменной кожи").message, "Использован свиток каменной кожи.");
  EXPECT_EQ(state.AttKB, 15);
  EXPECT_EQ(Scroll("Свиток ярости").message, "Использован свиток ярости.");
  EXPECT_EQ(state.AttKick, 30);
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

TEST_F(FightItemsTest, FemaleSpiteOnOneHitPointLeavesZero) {
  fight.CurrentOpponent.CurHP = 1;
  Scroll("Свиток женской злости");
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 0);
  EXPECT_EQ(state.DamageDealt, 1);
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
