#include <gtest/gtest.h>

#include "core/Random.h"
#include "world/WoodCutting.h"

namespace {

int Forced(std::initializer_list<int> raw, const std::function<int(Random&)>& draw) {
  Random random;
  for (int value : raw) random.Force(value);
  const int result = draw(random);
  EXPECT_EQ(random.ForcedLeft(), 0u);
  return result;
}

TEST(WoodCutting, FiveCuttingsPerLevelUpToLevelSix) {
  EXPECT_FALSE(CuttingLimitReached(4, 1));
  EXPECT_TRUE(CuttingLimitReached(5, 1));
  EXPECT_TRUE(CuttingLimitReached(5, 6));
  EXPECT_FALSE(CuttingLimitReached(5, 7));
  EXPECT_FALSE(CuttingLimitReached(40, 23));
}

TEST(WoodCutting, TheRollSpreadsFiveAroundLesorub) {
  const auto roll = [](int lesorub, int raw) {
    return Forced({raw}, [lesorub](Random& r) { return DrawCutRoll(lesorub, r); });
  };
  EXPECT_EQ(roll(0, 0), -5);
  EXPECT_EQ(roll(0, 10), 5);
  EXPECT_EQ(roll(11, 0), 6);
  EXPECT_EQ(roll(100, 0), 95);
  EXPECT_EQ(roll(100, 10), 105);
  EXPECT_EQ(roll(100, 11), 95);
}

TEST(WoodCutting, TheAttackComesFiftyToTwoHundredFiftySecondsBeforeTheEnd) {
  EXPECT_EQ(Forced({0}, DrawCutAttackAt), 50);
  EXPECT_EQ(Forced({200}, DrawCutAttackAt), 250);
  EXPECT_EQ(Forced({201}, DrawCutAttackAt), 50);
}

TEST(WoodCutting, OutcomesOnBothSidesOfEveryBoundary) {
  const auto logs = [](int roll) { return std::string(CutOutcomeOf(roll).logs); };
  const auto message = [](int roll) { return std::string(CutOutcomeOf(roll).message); };
  EXPECT_TRUE(CutFailed(CutOutcomeOf(-5)));
  EXPECT_TRUE(CutFailed(CutOutcomeOf(5)));
  EXPECT_EQ(message(5), "Неудачная попытка рубки.");
  EXPECT_EQ(logs(6), "Поленья (1 штука)");
  EXPECT_EQ(message(6), "Срублена 1 шт.");
  EXPECT_EQ(logs(35), "Поленья (1 штука)");
  EXPECT_EQ(logs(36), "Поленья (2 штуки)");
  EXPECT_EQ(message(60), "Срублено 2 шт.");
  EXPECT_EQ(logs(61), "Поленья (3 штуки)");
  EXPECT_EQ(message(80), "Срублено 3 шт.");
  EXPECT_EQ(logs(81), "Поленья (4 штуки)");
  EXPECT_EQ(logs(100), "Поленья (4 штуки)");
  EXPECT_EQ(message(100), "Срублено 4 шт.");
  EXPECT_EQ(logs(101), "Поленья (5 штук)");
  EXPECT_EQ(message(105), "Срублено 5 шт.");
  EXPECT_FALSE(CutFailed(CutOutcomeOf(6)));
}

int Award(int level, int raw) {
  return Forced({raw}, [level](Random& r) { return DrawPeaceAward(level, r); });
}

TEST(PeaceAward, LevelTwoGivesSixteenToTwentyOne) {
  EXPECT_EQ(Award(2, 0), 16);   // 65 / 4
  EXPECT_EQ(Award(2, 19), 21);  // 84 / 4
  EXPECT_EQ(Award(2, 20), 16);  // the draw is taken modulo 20
}

TEST(PeaceAward, BasesByLevel) {
  EXPECT_EQ(Award(6, 0), 348 / 4);
  EXPECT_EQ(Award(7, 69), (69 + 532) / 4);
  EXPECT_EQ(Award(15, 0), 14443 / 4);
  EXPECT_EQ(Award(22, 219), (219 + 247934) / 4);
}

TEST(PeaceAward, LevelsAboveTheTableUseItsLastBaseWithTheirOwnSpread) {
  EXPECT_EQ(Award(23, 229), (229 + 247934) / 4);
  EXPECT_EQ(Award(23, 230), 247934 / 4);
}

TEST(PeaceAward, LevelOneEarnsNothingAndDrawsNothing) {
  Random random;
  random.Force(7);
  EXPECT_EQ(DrawPeaceAward(1, random), 0);
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

TEST(WoodCutting, Texts) {
  EXPECT_EQ(CutTimeText(300), "Рубка ещё: 300 сек.");
  EXPECT_EQ(PeaceAwardText(17), "Рубка закончена. Получено мирного опыта: 17.");
}

}  // namespace
