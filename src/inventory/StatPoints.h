#pragma once

#include <string>

#include "state/GameState.h"

// The four "+" buttons of the inventory and the character screen.
enum class StatPointTarget { Power, Dexterity, GoodLuck, Health };

// Spends one stat point; a point in "Здоровье" also gives 10 hit points, maximum
// and current. Without a point left nothing changes.
void SpendStatPoint(GameState& state, StatPointTarget target);

// "Остался: 1 стат.", "Осталось: 3 стата.", "Осталось: 5 статов.".
std::string StatPointsLeftText(int points);
