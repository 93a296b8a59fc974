#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/Random.h"
#include "fight/FightState.h"
#include "fight/Loot.h"
#include "fight/Roster.h"
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

// A monster of a set drops from the set it wears; the stronger, the likelier.
TEST(LootKindsTest, SetKindsDropFromTheSetTheyWear) {
  int lastItemThreshold = 0;
  for (int kind : {7, 8, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}) {
    FightState loot = Rolled({}, 4);
    loot.GemThreshold = 33;  // not set by these kinds: stays
    ApplyKindLoot(loot, kind);
    std::set<std::string> worn;
    for (const auto& picture : OpponentPictures(kind)) worn.insert(picture.path);
    bool wearsOne = false;
    for (const std::string& item : Items(loot.LootGroup))
      wearsOne |= worn.count("image\\" + item + ".bmp") > 0;
    EXPECT_TRUE(wearsOne) << kind;
    EXPECT_GE(loot.ItemThreshold, lastItemThreshold) << kind;
    EXPECT_GE(loot.ItemThreshold, 80) << kind;
    lastItemThreshold = loot.ItemThreshold;
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

TEST(LootGroupsTest, SetsHoldSeventySixCatalogueItemsAndOnlyMultiItemSetsDrawAChoice) {
  std::set<std::string> all;
  int total = 0;
  for (int group = 1; group <= kLootGroupCount; ++group) {
    for (const std::string& name : Items(group)) {
      const ItemKind* kind = FindItem(name);
      ASSERT_NE(kind, nullptr) << name;
      EXPECT_EQ(kind->itemClass, group <= kGemGroupCount ? ItemClass::Gem : ItemClass::Loot);
      if (group > kGemGroupCount) all.insert(name), ++total;
    }
    EXPECT_EQ(LootGroupDrawsChoice(group), group > kGemGroupCount && Items(group).size() > 1);
  }
  EXPECT_EQ(total, 76);
  EXPECT_EQ(all.size(), 76u);
  EXPECT_EQ(Items(1), (std::vector<std::string>{"Рубин [1]"}));
  EXPECT_EQ(Items(17)[4], "Палаш гоблина");
  EXPECT_TRUE(Items(0).empty());
  EXPECT_TRUE(Items(19).empty());
}

TEST(FoundItemMessageTest, TheNameIsSmallAndFeminineNounsTakeTheAccusative) {
  const std::pair<const char*, const char*> cases[] = {{"Рубин [1]", "рубин [1]"},
                                                       {"Алмаз [1]", "алмаз [1]"},
                                                       {"Щит Мастера", "щит Мастера"},
                                                       {"Броня льда", "броню льда"},
                                                       {"Каска гоблина", "каску гоблина"},
                                                       {"Алебарда друга", "алебарду друга"},
                                                       {"Ёлка", "ёлку"}};
  for (const auto& [item, said] : cases) {
    EXPECT_EQ(FoundItemMessage(item), std::string("Вы нашли ") + said + ".");
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
