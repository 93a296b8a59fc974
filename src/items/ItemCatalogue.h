#pragma once

// The fixed table of every kind of item: 115 shop kinds, 76 loot kinds, 25 gems
// and 5 bundles of logs. An item has no number: it is its exact name.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/GameState.h"

// The words of modifier lines, in their display order.
enum class StatWord {
  Sila,
  Lovkost,
  Udacha,
  Udar,
  KB,
  HP,
  Ulovka,
  Tochnost,
  Sokrushenie,
  Stoikost
};
inline constexpr int kStatWordCount = 10;
// "Сила", "Ловкость", …
const char* StatWordText(StatWord word);
// The GameState field a word names ("ХП" names AttHP).
int GameState::*StatWordField(StatWord word);

// The sixteen shop tabs, in tab order.
enum class ShopCategory {
  Shlem,
  Amulet,
  Mech,
  Topor,
  Drob,
  Nozh,
  Poyas,
  Sapogi,
  Naruchi,
  Perchi,
  Shit,
  Kolco,
  Bronya,
  Kolch,
  Zelik,
  Svitok
};
inline constexpr int kShopCategoryCount = 16;
const char* ShopCategoryKey(ShopCategory category);      // "Shlem"
const char* ShopCategoryCaption(ShopCategory category);  // "Шлемы"

enum class ItemClass { Shop, Loot, Gem, Logs };

struct Modifier {
  StatWord word;
  int amount;
};

struct ItemKind {
  std::string name;
  ItemClass itemClass;
  std::optional<ShopCategory> category;  // shop kinds
  std::string lootSet;                   // loot kinds: "гоблина", …, "Мастера"
  // The slot member wearing uses ("Shlem", "Oruzhie", "Kolco1" for rings, "SodPoyas1"
  // for potions, "SodKarman" for worn scrolls); empty for gems, logs and the three
  // scrolls used from the backpack.
  std::string slot;
  int price;
  std::vector<Modifier> modifiers;       // shown values, in StatWord order
  int levelRequirement = 0;              // 0 = none
  int healthRequirement = 0;             // 0 = none
  std::string requirementNote;           // a rule shown above the health line, or empty
  std::vector<std::string> effectLines;  // potions and scrolls
  float SalePrice() const { return static_cast<float>(price) / 2.0f; }
  std::string Picture() const { return "image\\" + name + ".bmp"; }
  // What wearing adds for a word (differs from the shown value only for "Сапоги заката").
  int WornAmount(StatWord word) const;
};

// Every kind, shop kinds first in tab and list order, then loot, gems, logs.
std::span<const ItemKind> AllItemKinds();
// Exact, case-sensitive lookup; "ё" and "е" differ.
const ItemKind* FindItem(std::string_view name);
// The kinds of one shop tab, in list order.
std::vector<const ItemKind*> ShopKinds(ShopCategory category);

// Gems: "Алмаз [3]". The kind word the text contains, or none.
std::optional<std::string> GemWordIn(std::string_view text);
bool IsLogs(std::string_view text);

// The lines of an item's description in a "Параметры вещи:" list, in the chosen
// language; empty for an unknown name.
std::vector<std::string> DescribeItem(std::string_view name);
// An item's name as the player reads it in the chosen language ("Алмаз [3]" keeps
// its mark). The name itself stays the item in the rules, the saves and the pictures.
std::string DisplayName(std::string_view name);
