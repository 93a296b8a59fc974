#pragma once

// What wearing and taking off do to GameState: the slot an item goes to, its
// requirement, its modifiers. The inventory screen sequences these steps with the
// backpack, the sounds and the pictures.

#include <optional>
#include <string>

#include "items/ItemCatalogue.h"
#include "state/GameState.h"

// Taking it off or putting it on changes what the map offers at the forest.
inline constexpr const char* kWoodcutterAxe = "Топор дровосека";

// What the wear button does with a backpack line.
enum class BackpackUse {
  Wear,            // into a slot (also potions into the belt, scrolls into the pocket)
  BattleScroll,    // "Свиток боя": the next attack comes at once
  TownTeleport,    // "Свиток телепорта в город"
  MasterTeleport,  // "Свиток телепорта к Мастеру"
  None,            // gems, logs, unknown names
};
BackpackUse UseOf(const ItemKind* kind);

// Level and health requirements.
bool MeetsRequirement(const GameState& state, const ItemKind& kind);

// The slot wearing fills: the first empty one of the kind's slots (ring 1, 2; belt
// pockets 1, 2, 3), or the last when all are filled. Null when it is never worn.
const EquipSlotInfo* WearSlot(const GameState& state, const ItemKind& kind);

// Whether a kind is worn in that slot (a ring in either ring slot, a potion in any
// belt pocket).
bool BelongsIn(const ItemKind& kind, const EquipSlotInfo& slot);

// Shields set ShitTrue; knives share their slot and do not.
bool IsShield(const ItemKind& kind);

// Adds `times` the kind's worn modifiers ("ХП" also leaves the character at full
// hit points); negative to take them away. Nothing is clamped.
void ApplyModifiers(GameState& state, const ItemKind& kind, int times);

// Fills an emptied slot: modifiers, picture, hint, and ShitTrue for a shield.
void PutOn(GameState& state, const EquipSlotInfo& slot, const ItemKind& kind);

// Empties a filled slot and returns the name it held, taking away its modifiers
// (ShitTrue 0 for a shield); the chain mail keeps its picture path. None, and no
// change, when the slot is empty.
std::optional<std::string> TakeOffSlot(GameState& state, const EquipSlotInfo& slot);
