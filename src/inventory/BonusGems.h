#pragma once

// Gems in the bonus list: each gives its bonus while it lies there, and three equal
// gems combine into one of the next level.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/ItemCatalogue.h"
#include "state/GameState.h"

inline constexpr int kMaxBonusLines = 5;
inline constexpr int kGemsToCombine = 3;
inline constexpr int kTopGemLevel = 5;

// The level mark "[1]" … "[5]" that ends a gem's name.
std::string GemLevelMark(int level);

// The gem a line names exactly ("Рубин [2]"), or null: other lines give nothing.
const ItemKind* GemNamed(std::string_view line);

// Adds the line's gem bonus (times 1 going in, −1 coming out); other lines change
// nothing.
void ApplyGemBonus(GameState& state, std::string_view line, int times);

struct GemCombination {
  const ItemKind* gem;  // each of the three gems going in
  std::string result;   // the gem of the next level
};
// Three equal gems below level 5 and nothing else; none otherwise.
std::optional<GemCombination> CombineGems(const std::vector<std::string>& bonusLines);
