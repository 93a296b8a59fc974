#pragma once

#include <string>
#include <vector>

#include "fight/FightState.h"

class Random;
class Sound;
struct GameState;

// Zones of strikes and blocks: 1 head, 2 torso, 3 belly, 4 legs.
using Zone = int;
inline constexpr int kZoneCount = 4;

// The player's ticks of one move, by zone ([1] … [4]).
struct MoveChoices {
  bool Strikes[5] = {false, false, false, false, false};
  bool Blocks[5] = {false, false, false, false, false};
};

// The two log lists of a move.
struct MoveLog {
  std::vector<std::string> PlayerLines;    // ListBox1: the player's strikes, hurricane, poison
  std::vector<std::string> OpponentLines;  // ListBox2: the opponent's strikes
};

// Raw damage of one strike from the striker's kick and power.
float RawDamage(int kick, int power, Random& random);

enum class Contest {
  OpponentDodges,
  OpponentBreaksBlock,
  OpponentCritical,
  PlayerDodges,
  PlayerBreaksBlock,
  PlayerCritical
};
// (A + B × 2/15 + C / 3) ÷ (D + E × 2/15 + F / 3) of a contest, worked out in
// double and held as a float.
float ContestRatio(Contest contest, const GameState& state, const OpponentRecord& opponent);
// One draw: RandomInt(50) + ratio × 50 reaching the contest's threshold.
bool ContestCheck(Contest contest, const GameState& state, const OpponentRecord& opponent,
                  Random& random);

// Damage of a raw strike against armour class `kb` once block and armour are
// reckoned (a held block does no damage and never comes here).
int DamageAfterArmour(float raw, int kb, bool blockBroken, bool critical);

// The opponent's blocks and strike zones for the move.
void ChooseOpponentActions(FightState& fight, const MoveChoices& choices, Random& random);

// Both sides' strikes, then hurricane and poison: hit points, damage counters
// and the log lines. The refusals and what follows the move are the screen's.
MoveLog ResolveMove(GameState& state, FightState& fight, const MoveChoices& choices, Random& random,
                    Sound& sound);
