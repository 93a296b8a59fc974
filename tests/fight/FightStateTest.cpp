#include <gtest/gtest.h>

#include "core/Random.h"
#include "fight/FightState.h"
#include "state/GameState.h"

namespace {

// The fight screen's tests switch through whole fights; here the rule's edges.
class FightStateTest : public ::testing::Test {
 protected:
  // Three fixed kinds: no draws, known values.
  void StartFight(int first, int second, int third) {
    attackers[1] = first;
    attackers[2] = second;
    attackers[3] = third;
    hasSecond = FillOpponentSlots(fight, state, attackers, random);
  }

  GameState state;
  FightState fight;
  Random random;
  int attackers[4] = {0, 0, 0, 0};
  bool hasSecond = false;
};

TEST_F(FightStateTest, OneAttackerLeavesTheOtherSlotsEmpty) {
  fight.OpponentSlots[2].CurHP = 40;  // left over from an earlier fight
  fight.OpponentSlots[3].CurHP = 50;
  StartFight(12, 0, 0);
  EXPECT_FALSE(hasSecond);
  EXPECT_EQ(fight.CurrentIndex, 1);
  EXPECT_EQ(fight.OpponentSlots[2].CurHP, 0);
  EXPECT_EQ(fight.OpponentSlots[3].CurHP, 0);
  EXPECT_EQ(fight.CurrentOpponent.Name, "Хранитель врат");
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 3250);
  EXPECT_EQ(fight.OpponentSlots[1].CurHP, 3250);
  EXPECT_EQ(state.OpponentKind, 12);
}

TEST_F(FightStateTest, ThirdAndSecondAreGeneratedBeforeTheFirst) {
  // Kick is each kind's first draw.
  for (int raw : {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3}) random.Force(raw);
  StartFight(1, 2, 3);
  EXPECT_TRUE(hasSecond);
  EXPECT_EQ(fight.OpponentSlots[3].Kick, 113 + 1);
  EXPECT_EQ(fight.OpponentSlots[2].Kick, 79 + 2);
  EXPECT_EQ(fight.OpponentSlots[1].Kick, 65 + 3);
  EXPECT_EQ(fight.OpponentSlots[3].CurHP, fight.OpponentSlots[3].HP);
  EXPECT_EQ(fight.CurrentOpponent.Kind, 1);
  EXPECT_EQ(state.OpponentKind, 1);
}

TEST_F(FightStateTest, SwitchingSkipsBeatenOpponents) {
  StartFight(12, 13, 14);
  fight.OpponentSlots[2].CurHP = 0;
  SwitchOpponent(fight, state, attackers);
  EXPECT_EQ(fight.CurrentIndex, 3);
  fight.OpponentSlots[1].CurHP = -20;
  SwitchOpponent(fight, state, attackers);
  EXPECT_EQ(fight.CurrentIndex, 3);  // nobody else is alive
  EXPECT_EQ(fight.CurrentOpponent.Name, "Ангел судьбы");
  EXPECT_TRUE(AtMostOneAlive(fight));
}

TEST_F(FightStateTest, TwoAttackersSwitchBackAndForth) {
  StartFight(12, 13, 0);
  SwitchOpponent(fight, state, attackers);
  EXPECT_EQ(fight.CurrentIndex, 2);
  SwitchOpponent(fight, state, attackers);
  EXPECT_EQ(fight.CurrentIndex, 1);
  EXPECT_FALSE(AtMostOneAlive(fight));
  fight.OpponentSlots[2].CurHP = 0;
  EXPECT_TRUE(AtMostOneAlive(fight));
}

}  // namespace
