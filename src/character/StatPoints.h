#pragma once

#include "state/GameState.h"

// The four stats a stat point raises (the "+" buttons of the inventory and the
// character screen).
enum class Stat { Power, Dexterity, GoodLuck, Health };

// The two profession skills a skill point raises.
enum class Skill { Strannik, Lesorub };

inline constexpr int kSkillCap = 100;

// One stat point into `stat`: PointPar − 1, the stat + 1; a point in health also
// gives ten hit points, maximum and current alike. Without a point left, nothing.
void SpendStatPoint(GameState& state, Stat stat);

// One skill point into `skill`: PointUm − 1, the skill + 1. Without a point left,
// or with the skill at its cap, nothing.
void SpendSkillPoint(GameState& state, Skill skill);

// Whether the skill may still take a point (its "+" button shows).
bool SkillBelowCap(const GameState& state, Skill skill);
