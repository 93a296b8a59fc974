#include "core/Translate.h"
#include "items/ItemCatalogue.h"

namespace {

using Lines = std::vector<std::string>;

std::string Tr(const char* text) { return mg::translate("ItemDescription", text); }

std::string PriceLine(int price) {
  return mg::Fill(mg::translate("ItemDescription", "Цена: %1 рублей", nullptr, price),
                  {std::to_string(price)});
}

std::string ModifierLine(const Modifier& modifier) {
  return mg::translate("Stat", StatWordText(modifier.word)) + ": " +
         std::to_string(modifier.amount);
}

std::string RequirementsLine() { return mg::translate("ItemDescription", "Требования:"); }

void AddModifierLines(const ItemKind& kind, Lines& lines) {
  for (const Modifier& modifier : kind.modifiers) lines.push_back(ModifierLine(modifier));
}

void AddWearableLines(const ItemKind& kind, Lines& lines) {
  lines.emplace_back();
  AddModifierLines(kind, lines);
  if (kind.levelRequirement == 0) return;
  lines.insert(lines.end(), {"", RequirementsLine(),
                             mg::translate("ItemDescription", "Левел: ") +
                                 std::to_string(kind.levelRequirement)});
}

void AddConsumableLines(const ItemKind& kind, Lines& lines) {
  if (!kind.effectLines.empty()) {
    lines.emplace_back();
    for (const std::string& line : kind.effectLines) lines.push_back(Tr(line.c_str()));
  }
  if (kind.healthRequirement == 0) return;
  lines.insert(lines.end(), {"", RequirementsLine()});
  if (!kind.requirementNote.empty()) lines.push_back(Tr(kind.requirementNote.c_str()));
  lines.push_back(mg::translate("ItemDescription", "Здоровье: ") +
                  std::to_string(kind.healthRequirement));
}

void AddGemLines(const ItemKind& kind, Lines& lines) {
  lines.insert(lines.end(), {"", mg::translate("ItemDescription", "Бонус"), ""});
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

// The table is fixed, so every Russian description is written once, in catalogue order.
const std::vector<Lines>& RussianDescriptions() {
  static const std::vector<Lines> descriptions = [] {
    std::vector<Lines> all;
    for (const ItemKind& kind : AllItemKinds()) all.push_back(DescriptionOf(kind));
    return all;
  }();
  return descriptions;
}

}  // namespace

std::vector<std::string> DescribeItem(std::string_view name) {
  const ItemKind* kind = FindItem(name);
  if (!kind) return {};
  if (mg::Translating()) return DescriptionOf(*kind);
  return RussianDescriptions()[kind - AllItemKinds().data()];
}

std::string DisplayName(std::string_view name) {
  const ItemKind* kind = FindItem(name);
  if (kind && kind->itemClass == ItemClass::Gem) {
    const std::size_t mark = kind->name.find(" [");
    return mg::translate("Item", kind->name.substr(0, mark).c_str()) + kind->name.substr(mark);
  }
  return mg::translate("Item", std::string(name).c_str());
}
