#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/Random.h"
#include "fight/FightState.h"
#include "fight/Loot.h"
#include "items/ItemCatalogue.h"

namespace {

FightState Rolled(std::initializer_list<int> rolls, int group) {
  FightState loot;
  int index = 1;
  for (int roll : rolls) loot.LootRolls[index++] = roll;
  loot.LootGroup = group;
  return loot;
}

void SetThresholds(FightState& loot, int item, int diamond, int gem, int money) {
  loot.ItemThreshold = item;
  loot.DiamondThreshold = diamond;
  loot.GemThreshold = gem;
  loot.MoneyThreshold = money;
}

std::vector<std::string> Items(int group) {
  const auto items = LootGroupItems(group);
  return {items.begin(), items.end()};
}

}  // namespace

TEST(LootRollsTest, SevenRollsThenTheGroupInOrder) {
  Random random;
  for (int raw : {0, 99, 100, 41, 5, 6, 7, 9}) random.Force(raw);
  FightState loot;
  DrawLootRolls(loot, random);
  EXPECT_EQ(loot.LootRolls[1], 1);
  EXPECT_EQ(loot.LootRolls[2], 100);
  EXPECT_EQ(loot.LootRolls[3], 1);
  EXPECT_EQ(loot.LootRolls[4], 42);
  EXPECT_EQ(loot.LootRolls[7], 8);
  EXPECT_EQ(loot.LootGroup, 5);  // 9 mod 5 + 1
  EXPECT_EQ(random.ForcedLeft(), 0u);
}

TEST(LootKindsTest, GemKindsKeepTheDrawnGroup) {
  for (int kind : {1, 2, 3, 4, 5, 6, 9, 10}) {
    FightState loot = Rolled({}, 3);
    ApplyKindLoot(loot, kind);
    EXPECT_EQ(loot.LootGroup, 3) << kind;
    EXPECT_EQ(loot.DiamondThreshold, 95);
    EXPECT_EQ(loot.GemThreshold, 90);
    EXPECT_EQ(loot.MoneyThreshold, 85);
  }
  FightState dragon = Rolled({}, 2);
  ApplyKindLoot(dragon, 11);
  EXPECT_EQ(dragon.LootGroup, 2);
  EXPECT_EQ(dragon.DiamondThreshold, 90);
  EXPECT_EQ(dragon.GemThreshold, 85);
  EXPECT_EQ(dragon.MoneyThreshold, 80);
}

TEST(LootKindsTest, SetKindsGiveTheirGroupAndItemThreshold) {
  const int expected[][3] = {{7, 17, 80},  {8, 18, 80},  {12, 6, 81},  {13, 7, 81},  {14, 8, 82},
                             {15, 9, 82},  {16, 10, 82}, {17, 11, 83}, {18, 12, 83}, {19, 13, 84},
                             {20, 14, 84}, {21, 15, 89}, {22, 16, 90}};
  for (const auto& [kind, group, item] : expected) {
    FightState loot = Rolled({}, 4);
    loot.GemThreshold = 33;  // not set by these kinds: stays
    ApplyKindLoot(loot, kind);
    EXPECT_EQ(loot.LootGroup, group) << kind;
    EXPECT_EQ(loot.ItemThreshold, item) << kind;
    EXPECT_EQ(loot.MoneyThreshold, 85) << kind;
    EXPECT_EQ(loot.GemThreshold, 33) << kind;
  }
}

TEST(LootGroupsTest, EachGroupWinsOnItsOwnRoll) {
  // roll1 item, roll2 diamond, roll3 ruby, roll4 the other gems.
  const struct {
    int group;
    int roll;
  } cases[] = {{1, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 2}, {6, 1}, {12, 1}, {18, 1}};
  for (const auto& c : cases) {
    const int threshold = c.group == 5 ? 95 : c.group <= 4 ? 90 : 80;
    for (int roll = 1; roll <= 7; ++roll) {
      FightState loot = Rolled({1, 1, 1, 1, 1, 1, 1}, c.group);
      SetThresholds(loot, 80, 95, 90, 85);
      loot.LootRolls[roll] = threshold + 1;
      EXPECT_EQ(LootGroupWins(loot), roll == c.roll) << c.group << " roll" << roll;
      loot.LootRolls[roll] = threshold;
      EXPECT_FALSE(LootGroupWins(loot));
    }
  }
}

TEST(LootGroupsTest, ThresholdOfOneHundredNeverWinsAndBelowOneAlwaysDoes) {
  FightState loot = Rolled({100, 100, 100, 100, 100, 100, 100}, 1);
  ApplyKindLoot(loot, 1);
  ShiftLootThresholds(loot, 10);  // gem 100, money 95
  EXPECT_EQ(loot.GemThreshold, 100);
  EXPECT_FALSE(LootGroupWins(loot));
  EXPECT_TRUE(MoneyDropped(loot));

  FightState low = Rolled({1, 1, 1, 1, 1, 1, 1}, 17);
  ApplyKindLoot(low, 7);
  ShiftLootThresholds(low, -80);  // item 0, money 5
  EXPECT_TRUE(LootGroupWins(low));
  EXPECT_FALSE(MoneyDropped(low));
  ShiftLootThresholds(low, -5);  // money 0
  EXPECT_TRUE(MoneyDropped(low));
}

TEST(LootGroupsTest, SetsHoldSeventySixItemsInTheirOrder) {
  std::set<std::string> all;
  int total = 0;
  for (int group = 6; group <= kLootGroupCount; ++group) {
    for (const std::string& item : Items(group)) all.insert(item);
    total += static_cast<int>(Items(group).size());
  }
  EXPECT_EQ(total, 76);
  EXPECT_EQ(all.size(), 76u);
  EXPECT_EQ(Items(6), (std::vector<std::string>{"Кольцо хранителя", "Нож хранителя"}));
  EXPECT_EQ(Items(15), (std::vector<std::string>{"Алебарда друга"}));
  EXPECT_EQ(Items(16).front(), "Амулет Мастера");
  EXPECT_EQ(Items(16).back(), "Щит Мастера");
  EXPECT_EQ(Items(17)[4], "Палаш гоблина");
  EXPECT_EQ(Items(18).back(), "Ятаган орка");
  EXPECT_EQ(Items(1), (std::vector<std::string>{"Рубин [1]"}));
  EXPECT_EQ(Items(5), (std::vector<std::string>{"Алмаз [1]"}));
  EXPECT_TRUE(Items(0).empty());
  EXPECT_TRUE(Items(19).empty());
}

TEST(LootGroupsTest, EveryItemIsInTheCatalogue) {
  for (int group = 1; group <= kLootGroupCount; ++group) {
    for (const std::string& name : Items(group)) {
      const ItemKind* kind = FindItem(name);
      ASSERT_NE(kind, nullptr) << name;
      EXPECT_EQ(kind->itemClass, group <= kGemGroupCount ? ItemClass::Gem : ItemClass::Loot);
    }
  }
}

TEST(LootGroupsTest, OnlyMultiItemSetsDrawAChoice) {
  for (int group = 1; group <= 5; ++group) EXPECT_FALSE(LootGroupDrawsChoice(group));
  EXPECT_FALSE(LootGroupDrawsChoice(15));
  for (int group : {6, 7, 14, 16, 17, 18}) EXPECT_TRUE(LootGroupDrawsChoice(group));
}

TEST(FoundItemMessageTest, GemsKeepTheirLevel) {
  EXPECT_EQ(FoundItemMessage("Рубин [1]"), "Вы нашли рубин [1].");
  EXPECT_EQ(FoundItemMessage("Топаз [1]"), "Вы нашли топаз [1].");
  EXPECT_EQ(FoundItemMessage("Изумруд [1]"), "Вы нашли изумруд [1].");
  EXPECT_EQ(FoundItemMessage("Сапфир [1]"), "Вы нашли сапфир [1].");
  EXPECT_EQ(FoundItemMessage("Алмаз [1]"), "Вы нашли алмаз [1].");
}

TEST(FoundItemMessageTest, EveryLootKindReadsAsTheGameSaysIt) {
  // The whole list, set by set, as the player reads it.
  const std::vector<std::string> expected = {
      "кольцо хранителя",    "нож хранителя",     "кольцо леса",        "нож леса",
      "оберег леса",         "перчатки леса",     "трезубец леса",      "кольцо судьбы",
      "нож судьбы",          "перчатки судьбы",   "броню льда",         "кольцо льда",
      "клинок льда",         "броню равновесия",  "наручи равновесия",  "нож равновесия",
      "амулет разрушения",   "кольцо разрушения", "нож разрушения",     "оружие разрушения",
      "перчатки разрушения", "сапоги разрушения", "броню охранника",    "дубину охранника",
      "кольцо охранника",    "наручи охранника",  "перчатки охранника", "пояс охранника",
      "сапоги охранника",    "цеп охранника",     "амулет света",       "броню света",
      "когти света",         "кольцо света",      "перчатки света",     "сапоги света",
      "шлем света",          "доспех тьмы",       "кинжал тьмы",        "кольцо тьмы",
      "наручи тьмы",         "перчатки тьмы",     "пояс тьмы",          "сапоги тьмы",
      "шлем тьмы",           "алебарду друга",    "амулет Мастера",     "броню Мастера",
      "кольцо Мастера",      "меч Мастера",       "наручи Мастера",     "перчатки Мастера",
      "пояс Мастера",        "сапоги Мастера",    "шлем Мастера",       "щит Мастера",
      "доспех гоблина",      "каску гоблина",     "наручи гоблина",     "оберег гоблина",
      "палаш гоблина",       "перстень гоблина",  "перчатки гоблина",   "пояс гоблина",
      "сандалии гоблина",    "щит гоблина",       "амулет орка",        "броню орка",
      "кольцо орка",         "наручи орка",       "перчатки орка",      "пояс орка",
      "сапоги орка",         "шлем орка",         "щит орка",           "ятаган орка"};
  std::vector<std::string> actual;
  for (int group = 6; group <= kLootGroupCount; ++group) {
    for (const std::string& item : Items(group)) actual.push_back(FoundItemMessage(item));
  }
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], "Вы нашли " + expected[i] + ".");
  }
}

TEST(MoneyDropTest, OneUpToTenTimesTheKind) {
  Random random;
  for (int raw : {0, 69, 70}) random.Force(raw);
  EXPECT_EQ(DrawMoneyFound(7, random), 1);
  EXPECT_EQ(DrawMoneyFound(7, random), 70);
  EXPECT_EQ(DrawMoneyFound(7, random), 1);
  EXPECT_EQ(FoundMoneyMessage(42), "Вы нашли 42 руб.");
}

TEST(MoneyDropTest, RollSevenMustBeatTheThreshold) {
  FightState loot = Rolled({1, 1, 1, 1, 1, 1, 85}, 1);
  ApplyKindLoot(loot, 1);
  EXPECT_FALSE(MoneyDropped(loot));
  loot.LootRolls[7] = 86;
  EXPECT_TRUE(MoneyDropped(loot));
}
