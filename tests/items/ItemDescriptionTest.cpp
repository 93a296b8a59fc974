#include <gtest/gtest.h>

#include "items/ItemCatalogue.h"

namespace {

using Lines = std::vector<std::string>;

TEST(DescribeItem, WearableShowsPriceModifiersAndLevel) {
  EXPECT_EQ(DescribeItem("Шлем дракона"),
            (Lines{"Цена: 1750 рублей", "", "Сила: 15", "Ловкость: 20", "Удача: 15", "Удар: 20",
                   "КБ: 75", "ХП: 200", "Уловка: 40", "Точность: 40", "Сокрушение: 40",
                   "Стойкость: 40", "", "Требования:", "Левел: 5"}));
  EXPECT_EQ(DescribeItem("Топор дровосека"), (Lines{"Цена: 200 рублей", "", "Удар: 10"}));
}

TEST(DescribeItem, SunsetBootsShowTheirTableValue) {
  const Lines lines = DescribeItem("Сапоги заката");
  EXPECT_EQ(lines, (Lines{"Цена: 630 рублей", "", "Сила: 5", "Ловкость: 10", "Удача: 10", "КБ: 40",
                          "ХП: 50", "Точность: 20", "Сокрушение: 40", "Стойкость: 20"}));
}

TEST(DescribeItem, PotionsShowEffectsAndHealth) {
  EXPECT_EQ(DescribeItem("Зелье панциря"), (Lines{"Цена: 250 рублей", "", "Удар: 15%", "КБ: 15%",
                                                  "", "Требования:", "Здоровье: 30"}));
  EXPECT_EQ(DescribeItem("Зелье яда"),
            (Lines{"Цена: 100 рублей", "", "ХП соперника: -10% за ход", "",
                   "Требования:", "Максимум = 1 зелье за бой", "Здоровье: 10"}));
  EXPECT_EQ(DescribeItem("Свиток величия"),
            (Lines{"Цена: 475 рублей", "", "Все МФ: 25%", "", "Требования:", "Здоровье: 30"}));
}

TEST(DescribeItem, ScrollsUsedAtOnceNeedNothing) {
  EXPECT_EQ(DescribeItem("Свиток телепорта в город"), (Lines{"Цена: 50 рублей"}));
  EXPECT_EQ(DescribeItem("Свиток телепорта к Мастеру"), (Lines{"Цена: 250 рублей"}));
}

TEST(DescribeItem, GemsShowTheirScaledBonus) {
  EXPECT_EQ(DescribeItem("Рубин [2]"), (Lines{"Цена: 50 рублей", "", "Бонус", "", "Ловкость: 20",
                                              "Уловка: 50", "Точность: 50"}));
  EXPECT_EQ(DescribeItem("Сапфир [5]"), (Lines{"Цена: 125 рублей", "", "Бонус", "", "Удача: 50",
                                               "Сокрушение: 125", "Стойкость: 125"}));
}

TEST(DescribeItem, UnknownNamesGiveNothing) {
  EXPECT_TRUE(DescribeItem("Шлем Дракона").empty());
  EXPECT_TRUE(DescribeItem("Поленья (6 штук)").empty());
  EXPECT_TRUE(DescribeItem("").empty());
}

TEST(DescribeItem, EveryKindStartsWithItsPrice) {
  for (const ItemKind& kind : AllItemKinds()) {
    const Lines lines = DescribeItem(kind.name);
    ASSERT_FALSE(lines.empty()) << kind.name;
    EXPECT_EQ(lines.front(), "Цена: " + std::to_string(kind.price) + " рублей");
  }
}

}  // namespace
