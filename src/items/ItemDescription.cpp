#include "items/ItemCatalogue.h"

namespace {

using Lines = std::vector<std::string>;

std::string PriceLine(int price) { return "Цена: " + std::to_string(price) + " рублей"; }

std::string ModifierLine(const Modifier& modifier) {
  return std::string(StatWordText(modifier.word)) + ": " + std::to_string(modifier.amount);
}

void AddModifierLines(const ItemKind& kind, Lines& lines) {
  for (const Modifier& modifier : kind.modifiers) lines.push_back(ModifierLine(modifier));
}

void AddWearableLines(const ItemKind& kind, Lines& lines) {
  lines.emplace_back();
  AddModifierLines(kind, lines);
  if (kind.levelRequirement == 0) return;
  lines.insert(lines.end(), {"", "Требования:", "Левел: " + std::to_string(kind.levelRequirement)});
}

void AddConsumableLines(const ItemKind& kind, Lines& lines) {
  if (!kind.effectLines.empty()) {
    lines.emplace_back();
    lines.insert(lines.end(), kind.effectLines.begin(), kind.effectLines.end());
  }
  if (kind.healthRequirement == 0) return;
  lines.insert(lines.end(), {"", "Требования:"});
  if (!kind.requirementNote.empty()) lines.push_back(kind.requirementNote);
  lines.push_back("Здоровье: " + std::to_string(kind.healthRequirement));
}

void AddGemLines(const ItemKind& kind, Lines& lines) {
  lines.insert(lines.end(), {"", "Бонус", ""});
  AddModifierLines(kind, lines);
}

bool IsConsumable(const ItemKind& kind) {
  return kind.category == ShopCategory::Zelik || kind.category == ShopCategory::Svitok;
}

Lines DescriptionOf(const ItemKind& kind) {
  Lines lines{PriceLine(kind.price)};
  switch (kind.itemClass) {
    case ItemClass::Gem:
      AddGemLines(kind, lines);
      break;
    case ItemClass::Logs:
      break;
    case ItemClass::Shop:
    case ItemClass::Loot:
      if (IsConsumable(kind)) {
        AddConsumableLines(kind, lines);
      } else {
        AddWearableLines(kind, lines);
      }
      break;
  }
  return lines;
}

// The table is fixed, so every description is written once, in catalogue order.
const std::vector<Lines>& Descriptions() {
  static const std::vector<Lines> descriptions = [] {
    std::vector<Lines> all;
    for (const ItemKind& kind : AllItemKinds()) all.push_back(DescriptionOf(kind));
    return all;
  }();
  return descriptions;
}

}  // namespace

const std::vector<std::string>& DescribeItem(std::string_view name) {
  static const Lines kNothing;
  const ItemKind* kind = FindItem(name);
  return kind ? Descriptions()[kind - AllItemKinds().data()] : kNothing;
}
