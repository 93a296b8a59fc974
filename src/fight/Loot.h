#pragma once

#include <span>
#include <string>

class Random;
struct FightState;

// What a beaten opponent leaves: seven rolls of 1..100 and a group drawn at each
// defeat; the kind's row picks the group and the thresholds the rolls must beat.
// Groups 1..5 are single gems, 6..18 the monsters' item sets.

inline constexpr int kLootRollCount = 7;
inline constexpr int kGemGroupCount = 5;
inline constexpr int kLootGroupCount = 18;

// roll1 … roll7, each RandomInt(100) + 1, then the group RandomInt(5) + 1.
void DrawLootRolls(FightState& fight, Random& random);
// The kind's row: its group where it gives one (gem kinds keep the drawn gem) and
// the thresholds it gives; the others keep their values.
void ApplyKindLoot(FightState& fight, int kind);
// Every threshold moved by the same amount.
void ShiftLootThresholds(FightState& fight, int shift);

// The group's roll beats its threshold.
bool LootGroupWins(const FightState& fight);
// The items a group gives, in order; one gem for groups 1..5.
std::span<const char* const> LootGroupItems(int group);
// Group 15 has its one item without a choice being drawn.
bool LootGroupDrawsChoice(int group);

// "Вы нашли броню льда.": the name with a small first letter, the first word in
// the accusative.
std::string FoundItemMessage(const std::string& itemName);
// Money is found when roll7 beats the money threshold: 1 .. 10 × kind.
bool MoneyDropped(const FightState& fight);
int DrawMoneyFound(int kind, Random& random);
std::string FoundMoneyMessage(int money);
