#pragma once

#include <string>

#include "core/Translate.h"

struct FightState;
struct GameState;

// Potions from the belt and scrolls from the pocket, used during a fight. Boosts
// are reckoned from the values the fight started with, so they never compound.

inline constexpr const char* kPoisonRefusal =
    QT_TRANSLATE_NOOP("Fight", "Вы уже один раз использовали зелье яда в этом бою.");

// What using an item asks the screen to show.
struct FightItemUse {
  std::string message;   // empty: an unknown name, nothing is shown
  bool refused = false;  // a second poison: the potion stays in the belt
};

// The potion named `name` against the current opponent; a second poison sets
// PoisonRefused instead.
FightItemUse UsePotion(const std::string& name, GameState& state, FightState& fight);
FightItemUse UseScroll(const std::string& name, GameState& state, FightState& fight);

// value + base × factor, rounded half up.
int Boosted(int value, int base, float factor);
