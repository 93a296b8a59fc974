#include <gtest/gtest.h>

#include <map>
#include <set>

#include "items/ItemCatalogue.h"

namespace {

int CountOfClass(ItemClass itemClass) {
  int count = 0;
  for (const ItemKind& kind : AllItemKinds()) count += kind.itemClass == itemClass;
  return count;
}

const ItemKind& Kind(std::string_view name) {
  const ItemKind* kind = FindItem(name);
  EXPECT_NE(kind, nullptr) << name;
  static const ItemKind kMissing{};
  return kind ? *kind : kMissing;
}

TEST(ItemCatalogue, HasEveryKindOnceByClass) {
  EXPECT_EQ(AllItemKinds().size(), 221u);
  EXPECT_EQ(CountOfClass(ItemClass::Shop), 115);
  EXPECT_EQ(CountOfClass(ItemClass::Loot), 76);
  EXPECT_EQ(CountOfClass(ItemClass::Gem), 25);
  EXPECT_EQ(CountOfClass(ItemClass::Logs), 5);

  std::set<std::string> names;
  for (const ItemKind& kind : AllItemKinds()) {
    EXPECT_TRUE(names.insert(kind.name).second) << "twice: " << kind.name;
    EXPECT_EQ(FindItem(kind.name), &kind);
  }
}

TEST(ItemCatalogue, ListsShopKindsFirstInTabOrder) {
  const int expected[kShopCategoryCount] = {9, 7, 8, 9, 7, 8, 6, 6, 6, 6, 3, 8, 6, 5, 10, 11};
  int position = 0;
  for (int i = 0; i < kShopCategoryCount; ++i) {
    const auto category = static_cast<ShopCategory>(i);
    const auto kinds = ShopKinds(category);
    EXPECT_EQ(static_cast<int>(kinds.size()), expected[i]) << ShopCategoryKey(category);
    for (const ItemKind* kind : kinds) EXPECT_EQ(&AllItemKinds()[position++], kind);
  }
}

TEST(ItemCatalogue, EveryLootSetHasItsCountAndPrice) {
  struct Set {
    int count;
    int price;
  };
  const std::map<std::string, Set> sets = {
      {"гоблина", {10, 600}},    {"орка", {10, 800}},       {"хранителя", {2, 1000}},
      {"леса", {5, 1200}},       {"судьбы", {3, 1400}},     {"льда", {3, 1600}},
      {"равновесия", {3, 1800}}, {"разрушения", {6, 2000}}, {"охранника", {8, 2200}},
      {"света", {7, 2400}},      {"тьмы", {8, 2600}},       {"друга", {1, 2800}},
      {"Мастера", {10, 3000}}};
  std::map<std::string, int> counted;
  for (const ItemKind& kind : AllItemKinds()) {
    if (kind.itemClass != ItemClass::Loot) continue;
    ++counted[kind.lootSet];
    ASSERT_TRUE(sets.count(kind.lootSet)) << kind.name;
    EXPECT_EQ(kind.price, sets.at(kind.lootSet).price) << kind.name;
    EXPECT_EQ(kind.levelRequirement + kind.healthRequirement, 0) << kind.name;
    EXPECT_FALSE(kind.slot.empty()) << kind.name;
  }
  for (const auto& [word, set] : sets) EXPECT_EQ(counted[word], set.count) << word;
}

TEST(ItemCatalogue, SalePriceIsHalfThePriceUnrounded) {
  for (const ItemKind& kind : AllItemKinds()) {
    EXPECT_FLOAT_EQ(kind.SalePrice() * 2, static_cast<float>(kind.price)) << kind.name;
  }
  EXPECT_EQ(Kind("Молот последней молитвы").SalePrice(), 112.5f);
}

TEST(ItemCatalogue, OnlyDragonKindsNeedLevelFive) {
  int dragons = 0;
  for (const ItemKind& kind : AllItemKinds()) {
    const bool dragon = kind.name.ends_with("дракона");
    dragons += dragon;
    EXPECT_EQ(kind.levelRequirement, dragon ? 5 : 0) << kind.name;
  }
  EXPECT_EQ(dragons, 13);
}

TEST(ItemCatalogue, ModifiersComeInStatWordOrderAndArePositive) {
  for (const ItemKind& kind : AllItemKinds()) {
    for (size_t i = 0; i < kind.modifiers.size(); ++i) {
      EXPECT_GT(kind.modifiers[i].amount, 0) << kind.name;
      if (i > 0) {
        EXPECT_LT(kind.modifiers[i - 1].word, kind.modifiers[i].word) << kind.name;
      }
    }
  }
}

TEST(ItemCatalogue, LookupIsExact) {
  EXPECT_NE(FindItem("Меч шёпота"), nullptr);
  EXPECT_EQ(FindItem("Меч шепота"), nullptr);
  EXPECT_EQ(FindItem("меч шёпота"), nullptr);
  EXPECT_EQ(FindItem("Меч шёпота "), nullptr);
  EXPECT_EQ(FindItem(""), nullptr);
  EXPECT_EQ(FindItem("Алмаз [6]"), nullptr);
}

TEST(ItemCatalogue, SlotsFollowTheTabOrTheLootTable) {
  EXPECT_EQ(Kind("Нож дракона").slot, "Shit");
  EXPECT_EQ(Kind("Щит покорения").slot, "Shit");
  EXPECT_EQ(Kind("Топор дровосека").slot, "Oruzhie");
  EXPECT_EQ(Kind("Кольцо провидца").slot, "Kolco1");
  EXPECT_EQ(Kind("Перстень гоблина").slot, "Kolco1");
  EXPECT_EQ(Kind("Цеп охранника").slot, "Shit");
  EXPECT_EQ(Kind("Зелье яда").slot, "SodPoyas1");
  EXPECT_EQ(Kind("Свиток урагана").slot, "SodKarman");
  for (const char* usedAtOnce : {"Свиток боя", "Свиток телепорта в город",
                                 "Свиток телепорта к Мастеру", "Алмаз [1]", "Поленья (1 штука)"}) {
    EXPECT_EQ(Kind(usedAtOnce).slot, "") << usedAtOnce;
  }
  for (const ItemKind& kind : AllItemKinds()) {
    if (!kind.slot.empty()) {
      EXPECT_NE(FindEquipSlot(kind.slot), nullptr) << kind.name;
    }
  }
}

TEST(ItemCatalogue, GemsScaleWithTheirLevel) {
  EXPECT_EQ(Kind("Алмаз [1]").WornAmount(StatWord::HP), 0);
  for (const char* word : {"Алмаз", "Рубин", "Топаз", "Изумруд", "Сапфир"}) {
    const ItemKind& first = Kind(std::string(word) + " [1]");
    for (int level = 1; level <= 5; ++level) {
      const ItemKind& gem = Kind(std::string(word) + " [" + std::to_string(level) + "]");
      EXPECT_EQ(gem.price, 25 * level);
      ASSERT_EQ(gem.modifiers.size(), first.modifiers.size());
      for (size_t i = 0; i < gem.modifiers.size(); ++i)
        EXPECT_EQ(gem.modifiers[i].amount, first.modifiers[i].amount * level) << gem.name;
    }
  }
}

TEST(ItemCatalogue, RecognisesGemsAndLogsInAnyText) {
  EXPECT_EQ(GemWordIn("Изумруд [2]"), "Изумруд");
  EXPECT_EQ(GemWordIn("Сапфир"), "Сапфир");
  EXPECT_EQ(GemWordIn("Шлем дракона"), std::nullopt);
  EXPECT_TRUE(IsLogs("Поленья (4 штуки)"));
  EXPECT_FALSE(IsLogs("Топор дровосека"));
  EXPECT_EQ(Kind("Поленья (4 штуки)").price, 160);
}

}  // namespace
