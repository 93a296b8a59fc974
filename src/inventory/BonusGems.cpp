#include "inventory/BonusGems.h"

#include "inventory/Wearing.h"

namespace {

// The first level mark the name contains; 0 when none.
int GemLevel(std::string_view name) {
  for (int level = 1; level <= kTopGemLevel; ++level) {
    if (name.find(GemLevelMark(level)) != std::string_view::npos) return level;
  }
  return 0;
}

}  // namespace

std::string GemLevelMark(int level) {
  std::string mark = "[";
  mark += std::to_string(level);
  return mark + "]";
}

const ItemKind* GemNamed(std::string_view line) {
  const ItemKind* kind = FindItem(line);
  return kind && kind->itemClass == ItemClass::Gem ? kind : nullptr;
}

void ApplyGemBonus(GameState& state, std::string_view line, int times) {
  if (const ItemKind* gem = GemNamed(line)) ApplyModifiers(state, *gem, times);
}

std::optional<GemCombination> CombineGems(const std::vector<std::string>& bonusLines) {
  if (bonusLines.size() != kGemsToCombine) return std::nullopt;
  const std::string& first = bonusLines[0];
  for (const std::string& line : bonusLines) {
    if (line != first) return std::nullopt;
  }
  const ItemKind* gem = GemNamed(first);
  if (!gem) return std::nullopt;
  const int level = GemLevel(first);
  if (level >= kTopGemLevel) return std::nullopt;
  std::string result =
      first.substr(0, first.size() - GemLevelMark(level).size()) + GemLevelMark(level + 1);
  return GemCombination{gem, std::move(result)};
}
