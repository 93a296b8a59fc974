#pragma once

#include "fight/FightState.h"

class Random;
struct GameState;

// The rules of a fight's end that need no screen: who is still standing, the
// experience collected and paid, the draws of a defeat.

// A second or third attacker exists and a slot other than the current one has
// at least 1 hit point.
bool OtherOpponentsAlive(const FightState& fight, const AttackerKindList& attackers);

// The current opponent's experience (halved for a draw) added to FightExp and
// kept as the last kill's.
void AddOpponentExperience(GameState& state, FightState& fight, bool draw, Random& random);

// A defeat's draws in their order: the seven loot rolls and the gem, the kind's
// loot row, the experience; then the thresholds moved by the level gap.
void DrawDefeat(GameState& state, FightState& fight, Random& random);

// FightExp with the multiplier for several attackers, added to Point; one
// level-up step.
void AwardFightExperience(GameState& state, FightState& fight, const AttackerKindList& attackers);
