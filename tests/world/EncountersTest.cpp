#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "core/Random.h"
#include "world/Encounters.h"

namespace {

// The attack tables as the world's description writes them; each row is checked
// roll by roll against the draws the game makes.
struct TableText {
  int place;
  int rolls;
  int bound;  // 0 = none
  const char* below;
  const char* fromBound;
};

const TableText kTables[] = {
    {1, 10, 0, "1–6 → 10; 7–10 → 9", ""},
    {2, 10, 0, "1–6 → 8; 7–10 → 7", ""},
    {3, 45, 14, "1–20 → 5; 21–30 → 4; 31–40 → 6; 41–45 → 14",
     "1–20 → 14; 21–30 → 4; 31–40 → 6; 41–45 → 5"},
    {4, 10, 12, "1–7 → 3; 8–10 → 12", "1–7 → 12; 8–10 → 3"},
    {6, 30, 19, "1–15 → 10; 16–25 → 9; 26–30 → 19", "1–15 → 19; 16–25 → 9; 26–30 → 10"},
    {7, 30, 17, "1–15 → 8; 16–25 → 7; 26–30 → 17", "1–15 → 17; 16–25 → 7; 26–30 → 8"},
    {8, 50, 15, "1–20 → 6; 21–35 → 5; 36–45 → 4; 46–50 → 15",
     "1–20 → 15; 21–35 → 5; 36–45 → 4; 46–50 → 6"},
    {9, 10, 0, "1–6 → 2; 7–10 → 3", ""},
    {11, 10, 20, "1–7 → 11; 8–10 → 20", "1–7 → 20; 8–10 → 11"},
    {12, 10, 0, "1–6 → 9; 7–10 → 10", ""},
    {13, 10, 0, "1–6 → 7; 7–10 → 8", ""},
    {14, 50, 13, "1–20 → 4; 21–35 → 5; 36–45 → 6; 46–50 → 13",
     "1–20 → 13; 21–35 → 5; 36–45 → 6; 46–50 → 4"},
    {15, 30, 0, "1–15 → 4; 16–25 → 5; 26–30 → 6", ""},
    {16, 10, 21, "1–7 → 11; 8–10 → 21", "1–7 → 21; 8–10 → 11"},
    {17, 30, 18, "1–15 → 9; 16–25 → 10; 26–30 → 18", "1–15 → 18; 16–25 → 10; 26–30 → 9"},
    {18, 30, 16, "1–15 → 7; 16–25 → 8; 26–30 → 16", "1–15 → 16; 16–25 → 8; 26–30 → 7"},
    {19, 30, 0, "1–15 → 6; 16–25 → 5; 26–30 → 4", ""},
    {20, 20, 0, "1–10 → 5; 11–15 → 4; 16–20 → 6", ""},
};

// "1–6 → 10; 7–10 → 9" as the kind of every roll, [0] unused.
std::vector<int> KindsByRoll(const std::string& text) {
  std::vector<int> kinds(1, 0);
  static const std::regex range("(\\d+)–(\\d+) → (\\d+)");
  for (std::sregex_iterator it(text.begin(), text.end(), range), end; it != end; ++it) {
    const int first = std::stoi((*it)[1]);
    const int last = std::stoi((*it)[2]);
    EXPECT_EQ(first, static_cast<int>(kinds.size())) << text;
    kinds.resize(last + 1, std::stoi((*it)[3]));
  }
  return kinds;
}

// The kind of one attacker drawn with the raw draw `roll - 1`.
int DrawOne(int place, int level, int roll) {
  Random random;
  random.Force(roll - 1);
  const int kind = DrawAttackerKinds(place, level, 1, random)[1];
  EXPECT_EQ(random.ForcedLeft(), 0u) << "place " << place;
  return kind;
}

void ExpectRow(const TableText& row, int level, const std::vector<int>& kinds) {
  ASSERT_EQ(static_cast<int>(kinds.size()), row.rolls + 1) << "place " << row.place;
  for (int roll = 1; roll <= row.rolls; ++roll) {
    EXPECT_EQ(DrawOne(row.place, level, roll), kinds[roll])
        << "place " << row.place << " level " << level << " roll " << roll;
  }
}

TEST(AttackTables, EveryRollOfEveryPlaceOnBothSidesOfItsLevelBound) {
  for (const TableText& row : kTables) {
    const std::vector<int> below = KindsByRoll(row.below);
    if (row.bound == 0) {
      ExpectRow(row, 1, below);
      ExpectRow(row, 40, below);
      continue;
    }
    const std::vector<int> fromBound = KindsByRoll(row.fromBound);
    ExpectRow(row, 1, below);
    ExpectRow(row, row.bound - 1, below);
    ExpectRow(row, row.bound, fromBound);
    ExpectRow(row, row.bound + 10, fromBound);
  }
}

TEST(AttackTables, RawDrawsAreTakenModuloTheRollCount) {
  EXPECT_EQ(DrawOne(4, 11, 10 + 8), 12);  // raw 17 mod 10 = 7: roll 8
}

TEST(AttackTables, PlaceTenAlwaysSendsRatsWithoutADraw) {
  Random random;
  random.Force(5);
  const AttackerSlots kinds = DrawAttackerKinds(10, 30, 3, random);
  EXPECT_EQ(kinds, (AttackerSlots{0, 1, 1, 1}));
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

TEST(AttackTables, TheTownHasNoTableAndDrawsNothing) {
  EXPECT_EQ(AttackTableOf(5), nullptr);
  Random random;
  random.Force(0);
  EXPECT_EQ(DrawAttackerKinds(5, 1, 2, random), (AttackerSlots{}));
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

TEST(AttackerCount, FiveEighthsOneTwoEighthsTwoOneEighthThree) {
  const int expected[8] = {1, 1, 1, 1, 1, 2, 2, 3};
  for (int raw = 0; raw < 8; ++raw) {
    Random random;
    random.Force(raw);
    EXPECT_EQ(DrawAttackerCount(random), expected[raw]) << raw;
  }
}

TEST(AttackerKinds, SlotsAreDrawnFromTheLastDownToTheFirst) {
  Random random;
  for (int raw : {0, 9, 6}) random.Force(raw);  // rolls 1, 10, 7 at place 1
  EXPECT_EQ(DrawAttackerKinds(1, 1, 3, random), (AttackerSlots{0, 9, 9, 10}));
  random.Force(9);
  random.Force(0);
  EXPECT_EQ(DrawAttackerKinds(1, 1, 2, random), (AttackerSlots{0, 10, 9, 0}));
}

AttackerSlots DrawAtSixteen(int level, std::initializer_list<int> rolls) {
  Random random;
  for (int roll : rolls) random.Force(roll - 1);
  AttackerSlots kinds = DrawAttackerKinds(16, level, static_cast<int>(rolls.size()), random);
  // The replaced rolls are still taken.
  EXPECT_EQ(random.ForcedLeft(), 0u);
  return kinds;
}

TEST(PlaceSixteen, TheMastersFriendComesAloneAmongTheAttackers) {
  EXPECT_EQ(DrawAtSixteen(1, {8, 8, 8}), (AttackerSlots{0, 11, 11, 21}));
  EXPECT_EQ(DrawAtSixteen(1, {1, 8, 8}), (AttackerSlots{0, 11, 21, 11}));
  EXPECT_EQ(DrawAtSixteen(21, {1, 1, 1}), (AttackerSlots{0, 11, 11, 21}));
  EXPECT_EQ(DrawAtSixteen(21, {1, 1}), (AttackerSlots{0, 11, 21, 0}));
  EXPECT_EQ(DrawAtSixteen(21, {8, 1}), (AttackerSlots{0, 21, 11, 0}));
}

TEST(PlaceSixteen, NeverTwoFriendsForAnyRollsAtAnyLevel) {
  for (int level : {1, 20, 21, 60}) {
    for (int a = 1; a <= 10; ++a) {
      for (int b = 1; b <= 10; ++b) {
        for (int c = 1; c <= 10; ++c) {
          const AttackerSlots kinds = DrawAtSixteen(level, {a, b, c});
          EXPECT_LE(std::count(kinds.begin(), kinds.end(), 21), 1);
        }
      }
    }
  }
}

TEST(AttackMessages, OneAttackerIsAnnouncedAtTheSecondSlotInItsGender) {
  const auto single = [](int kind) { return AttackMessageAt(2, {0, kind, 0, 0}); };
  EXPECT_EQ(single(1), "На Вас напала: Крыса.");
  EXPECT_EQ(single(14), "На Вас напала: Ангел судьбы.");
  EXPECT_EQ(single(6), "На Вас напало: Зомби.");
  EXPECT_EQ(single(16), "На Вас напало: Равновесие.");
  EXPECT_EQ(single(2), "На Вас напал: Кабан.");
  EXPECT_EQ(single(21), "На Вас напал: Друг Мастера.");
  EXPECT_EQ(AttackMessageAt(1, {0, 1, 0, 0}), "");
  EXPECT_EQ(AttackMessageAt(3, {0, 1, 0, 0}), "");
}

TEST(AttackMessages, SeveralAttackersAreAnnouncedTogether) {
  const AttackerSlots two{0, 1, 18, 0};
  EXPECT_EQ(AttackMessageAt(1, two), "");
  EXPECT_EQ(AttackMessageAt(2, two), "На Вас напали: Крыса и Охранник тьмы.");
  EXPECT_EQ(AttackMessageAt(3, two), "");
  const AttackerSlots three{0, 12, 13, 15};
  EXPECT_EQ(AttackMessageAt(1, three), "");
  EXPECT_EQ(AttackMessageAt(2, three), "");
  EXPECT_EQ(AttackMessageAt(3, three), "На Вас напали: Хранитель врат, Дозорный леса и Ледяной.");
}

TEST(AttackMessages, NamesOfTheKindsMetInEncounters) {
  EXPECT_EQ(EncounterName(5), "Скелет");
  EXPECT_EQ(EncounterName(10), "Огр");
  EXPECT_EQ(EncounterName(19), "Воин света");
  EXPECT_EQ(EncounterName(20), "Воин тьмы");
  EXPECT_EQ(EncounterName(0), "");
  EXPECT_EQ(EncounterName(22), "");
}

}  // namespace
