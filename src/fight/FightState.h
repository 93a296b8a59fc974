#pragma once

#include <string>

#include "fight/Roster.h"

struct GameState;

// The player's values at fight start; potions and scrolls are undone from them.
struct BaseStatValues {
  int AttPower = 0;
  int AttDexterity = 0;
  int AttGoodLuck = 0;
  int AttKB = 0;
  int AttKick = 0;
  int AttOD = 0;
  int AttUlov = 0;
  int AttToch = 0;
  int AttSokr = 0;
  int AttStoi = 0;
};

// The ten values by name: the GameState member and its fight-start copy.
struct BaseStatMember {
  const char* name;
  int GameState::*current;
  int BaseStatValues::*base;
};
inline constexpr int kBaseStatCount = 10;
extern const BaseStatMember kBaseStatMembers[kBaseStatCount];

// The fight screen's own members for one fight.
struct FightState {
  // The opponents: slots [1] … [3]; an empty slot has CurHP 0.
  OpponentRecord OpponentSlots[4];
  int CurrentIndex = 1;
  // Moves played in this fight, against every opponent.
  int MoveNumber = 0;
  // The working copy of slot CurrentIndex; moves change only this.
  OpponentRecord CurrentOpponent;

  BaseStatValues BaseStats;

  // The opponent's choices of the move; OppBlocks[1] … [4] by zone.
  int OppBlocks[5] = {0, 0, 0, 0, 0};
  int OppStrikeZone = 0;
  int BlockPattern = 0;
  int StrikePattern = 0;
  int PlayerBlocked = 0;
  int StrikesLeft = 0;
  int DamageToPlayer = 0;
  int DamageToOpponent = 0;

  // Potions and scrolls.
  std::string ItemName;
  int PoisonActive = 0;
  int PoisonRefused = 0;
  int HurricaneActive = 0;
  float ExpBonus = 0;

  // The outcome and the loot.
  int LevelUpFlag = 0;
  int AnyDefeated = 0;
  int FightOver = 0;
  int LootRolls[8] = {0, 0, 0, 0, 0, 0, 0, 0};  // roll1 … roll7
  int LootGroup = 0;
  int ItemThreshold = 0;
  int DiamondThreshold = 0;
  int GemThreshold = 0;
  int MoneyThreshold = 0;
  int LootChoice = 0;
  int KillExp = 0;     // the experience of the last defeat
  int MoneyFound = 0;  // the money of the last drop
};

// The world's attackers: [1] … [3], a MonsterKind or 0 for none.
using AttackerKindList = int[4];

// Fight start: the slots from the attackers, third and second first so that the
// working copy ends holding the first. True when there is a second attacker.
bool FillOpponentSlots(FightState& fight, GameState& state, const AttackerKindList& attackers,
                       Random& random);
void StoreCurrentOpponent(FightState& fight);
// Makes slot `index` the current opponent.
void LoadOpponentSlot(FightState& fight, GameState& state, const AttackerKindList& attackers,
                      int index);
// "Сменить": the next living opponent after the current one, at most one switch.
void SwitchOpponent(FightState& fight, GameState& state, const AttackerKindList& attackers);
// True when two of the three slots are beaten or empty.
bool AtMostOneAlive(const FightState& fight);

BaseStatValues CaptureBaseStats(const GameState& state);
void RestoreBaseStats(const BaseStatValues& base, GameState& state);

// Action points: a strike costs 30, and 15 more when two other strikes are
// already ticked; a block costs 20.
inline constexpr int kStrikeCost = 30;
inline constexpr int kExtraStrikeCost = 15;
inline constexpr int kBlockCost = 20;
int StrikeCost(int otherStrikesTicked);
