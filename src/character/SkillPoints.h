#pragma once

#include <string>

#include "state/GameState.h"

// The two profession skills a skill point raises.
enum class Skill { Strannik, Lesorub };

inline constexpr int kSkillCap = 100;

// One skill point into `skill`: PointUm − 1, the skill + 1. Without a point left,
// or with the skill at its cap, nothing.
void SpendSkillPoint(GameState& state, Skill skill);

// Whether the skill may still take a point (its "+" button shows).
bool SkillBelowCap(const GameState& state, Skill skill);

// "Остался: 1 умение.", "Осталось: 3 умения.", "Осталось: 5 умений.".
std::string SkillPointsLeftText(int points);
