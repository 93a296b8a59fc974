#include <gtest/gtest.h>

#include "inventory/BonusGems.h"
#include "inventory/Selling.h"

namespace {

TEST(GemBonus, EachKindRaisesItsOwnValues) {
  GameState s;
  ApplyGemBonus(s, "Рубин [1]", 1);
  ApplyGemBonus(s, "Топаз [1]", 1);
  ApplyGemBonus(s, "Изумруд [3]", 1);
  ApplyGemBonus(s, "Сапфир [1]", 1);
  EXPECT_EQ(s.AttDexterity, 26 + 10 + 10);
  EXPECT_EQ(s.AttGoodLuck, 26 + 30 + 10);
  EXPECT_EQ(s.AttUlov, 1 + 25 + 25);
  EXPECT_EQ(s.AttToch, 1 + 25 + 75);
  EXPECT_EQ(s.AttSokr, 1 + 75 + 25);
  EXPECT_EQ(s.AttStoi, 1 + 25 + 25);
  EXPECT_EQ(s.AttHP, 50);
}

TEST(GemBonus, OtherLinesGiveNothing) {
  GameState before;
  GameState s;
  ApplyGemBonus(s, "Шлем слепоты", 1);
  ApplyGemBonus(s, "Алмаз [6]", 1);
  ApplyGemBonus(s, "Алмаз", 1);
  ApplyGemBonus(s, "Поленья (2 штуки)", 1);
  EXPECT_EQ(s.AttKB, before.AttKB);
  EXPECT_EQ(s.AttPower, before.AttPower);
  EXPECT_EQ(s.AttKick, before.AttKick);
}

TEST(CombineGems, ThreeEqualGemsMakeOneOfTheNextLevel) {
  const auto topaz = CombineGems({"Топаз [1]", "Топаз [1]", "Топаз [1]"});
  ASSERT_TRUE(topaz);
  EXPECT_EQ(topaz->result, "Топаз [2]");
  EXPECT_EQ(topaz->gem->name, "Топаз [1]");
  const auto ruby = CombineGems({"Рубин [4]", "Рубин [4]", "Рубин [4]"});
  ASSERT_TRUE(ruby);
  EXPECT_EQ(ruby->result, "Рубин [5]");
}

TEST(CombineGems, EveryOtherListDoesNothing) {
  using Lines = std::vector<std::string>;
  const Lines refused[] = {
      {},
      {"Рубин [1]"},
      {"Рубин [1]", "Рубин [1]"},
      {"Рубин [1]", "Рубин [1]", "Рубин [1]", "Рубин [1]"},
      {"Рубин [1]", "Рубин [1]", "Рубин [1]", "Рубин [1]", "Рубин [1]"},
      {"Рубин [1]", "Рубин [1]", "Рубин [2]"},
      {"Рубин [1]", "Топаз [1]", "Рубин [1]"},
      {"Сапфир [5]", "Сапфир [5]", "Сапфир [5]"},
      {"Шлем слепоты", "Шлем слепоты", "Шлем слепоты"},
  };
  for (const Lines& lines : refused) EXPECT_FALSE(CombineGems(lines)) << lines.size();
}

// Every kind's sale price is checked with the catalogue.
TEST(Selling, HalfThePriceOfAKnownName) {
  EXPECT_FLOAT_EQ(SalePriceOf("Амулет смертельного взгляда"), 87.5f);
  EXPECT_FLOAT_EQ(SalePriceOf("нет такой вещи"), 0.0f);
}

}  // namespace
