#include "fight/FightOutcome.h"

#include "fight/Experience.h"
#include "fight/Loot.h"
#include "state/GameState.h"
#include "state/Levels.h"

bool OtherOpponentsAlive(const FightState& fight, const AttackerKindList& attackers) {
  if (attackers[2] == 0 && attackers[3] == 0) return false;
  for (int index = 1; index <= 3; ++index) {
    if (index != fight.CurrentIndex && fight.OpponentSlots[index].CurHP >= 1) return true;
  }
  return false;
}

void AddOpponentExperience(GameState& state, FightState& fight, bool draw, Random& random) {
  fight.KillExp =
      OpponentExperience(state.OpponentKind, state.AttLevel, fight.ExpBonus, draw, random);
  state.FightExp += fight.KillExp;
}

void DrawDefeat(GameState& state, FightState& fight, Random& random) {
  DrawLootRolls(fight, random);
  ApplyKindLoot(fight, state.OpponentKind);
  AddOpponentExperience(state, fight, false, random);
  ShiftLootThresholds(fight, ThresholdShift(state.OpponentKind, state.AttLevel));
}

void AwardFightExperience(GameState& state, FightState& fight, const AttackerKindList& attackers) {
  state.FightExp = PaidFightExperience(state.FightExp, attackers[2] != 0, attackers[3] != 0);
  state.Point += state.FightExp;
  CheckLevelUp(state, fight.LevelUpFlag);
}
