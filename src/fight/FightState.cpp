#include "fight/FightState.h"

#include "state/GameState.h"

namespace {

// The script mode can set CurrentIndex to anything.
bool ValidSlot(int index) { return index >= 1 && index <= 3; }

void FillSlot(FightState& fight, GameState& state, const AttackerKindList& attackers, int index,
              Random& random) {
  OpponentRecord& slot = fight.OpponentSlots[index];
  if (attackers[index] < 1 || attackers[index] > kMonsterKindCount) {
    slot.CurHP = 0;
    return;
  }
  state.OpponentKind = attackers[index];
  fight.CurrentOpponent = GenerateOpponent(state.OpponentKind, state.AttLevel, random);
  fight.CurrentOpponent.CurHP = fight.CurrentOpponent.HP;
  slot = fight.CurrentOpponent;
}

bool CanSwitchTo(const FightState& fight, const AttackerKindList& attackers, int index) {
  return attackers[index] != 0 && fight.OpponentSlots[index].CurHP > 0;
}

// From each current slot, the two others in the order they are tried.
constexpr int kSwitchOrder[4][2] = {{0, 0}, {2, 3}, {3, 1}, {1, 2}};

}  // namespace

const BaseStatMember kBaseStatMembers[kBaseStatCount] = {
    {"AttPower", &GameState::AttPower, &BaseStatValues::AttPower},
    {"AttDexterity", &GameState::AttDexterity, &BaseStatValues::AttDexterity},
    {"AttGoodLuck", &GameState::AttGoodLuck, &BaseStatValues::AttGoodLuck},
    {"AttKB", &GameState::AttKB, &BaseStatValues::AttKB},
    {"AttKick", &GameState::AttKick, &BaseStatValues::AttKick},
    {"AttOD", &GameState::AttOD, &BaseStatValues::AttOD},
    {"AttUlov", &GameState::AttUlov, &BaseStatValues::AttUlov},
    {"AttToch", &GameState::AttToch, &BaseStatValues::AttToch},
    {"AttSokr", &GameState::AttSokr, &BaseStatValues::AttSokr},
    {"AttStoi", &GameState::AttStoi, &BaseStatValues::AttStoi},
};

bool FillOpponentSlots(FightState& fight, GameState& state, const AttackerKindList& attackers,
                       Random& random) {
  FillSlot(fight, state, attackers, 3, random);
  FillSlot(fight, state, attackers, 2, random);
  FillSlot(fight, state, attackers, 1, random);
  fight.CurrentIndex = 1;
  return attackers[2] != 0;
}

void StoreCurrentOpponent(FightState& fight) {
  if (!ValidSlot(fight.CurrentIndex)) return;
  fight.OpponentSlots[fight.CurrentIndex] = fight.CurrentOpponent;
}

void LoadOpponentSlot(FightState& fight, GameState& state, const AttackerKindList& attackers,
                      int index) {
  fight.CurrentOpponent = fight.OpponentSlots[index];
  fight.CurrentIndex = index;
  state.OpponentKind = attackers[index];
}

void SwitchOpponent(FightState& fight, GameState& state, const AttackerKindList& attackers) {
  if (!ValidSlot(fight.CurrentIndex)) return;
  for (int index : kSwitchOrder[fight.CurrentIndex]) {
    if (CanSwitchTo(fight, attackers, index)) {
      LoadOpponentSlot(fight, state, attackers, index);
      return;
    }
  }
}

bool AtMostOneAlive(const FightState& fight) {
  int beaten = 0;
  for (int index = 1; index <= 3; ++index) {
    if (fight.OpponentSlots[index].CurHP <= 0) ++beaten;
  }
  return beaten >= 2;
}

BaseStatValues CaptureBaseStats(const GameState& state) {
  BaseStatValues base;
  for (const auto& member : kBaseStatMembers) base.*member.base = state.*member.current;
  return base;
}

void RestoreBaseStats(const BaseStatValues& base, GameState& state) {
  for (const auto& member : kBaseStatMembers) state.*member.current = base.*member.base;
}

int StrikeCost(int otherStrikesTicked) {
  return otherStrikesTicked >= 2 ? kStrikeCost + kExtraStrikeCost : kStrikeCost;
}
