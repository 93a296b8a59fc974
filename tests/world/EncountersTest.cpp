#include <gtest/gtest.h>

#include "core/Random.h"
#include "fight/Roster.h"
#include "world/Encounters.h"
#include "world/WorldMap.h"

namespace {

// The kind of one attacker drawn with the raw draw `roll - 1`.
int DrawOne(int place, int level, int roll) {
  Random random;
  random.Force(roll - 1);
  const int kind = DrawAttackerKinds(place, level, 1, random)[1];
  EXPECT_EQ(random.ForcedLeft(), 0u) << "place " << place;
  return kind;
}

// A place's rare monster becomes its common one from the level of its own kind on:
// the first and the last kind trade places, the rolls stay.
TEST(AttackTables, FromTheBoundTheRareAndTheCommonKindTradePlaces) {
  for (int place = 1; place <= kPlaceCount; ++place) {
    SCOPED_TRACE("place " + std::to_string(place));
    const AttackTable* table = AttackTableOf(place);
    ASSERT_EQ(table == nullptr, place == kTown);
    if (!table || table->rolls == kNoRoll) continue;
    int ranges = 0;
    for (int i = 0; i < 4 && table->below[i].last > 0; ++i, ++ranges) {
      EXPECT_GT(table->below[i].last, i ? table->below[i - 1].last : 0);
      EXPECT_GT(table->below[i].kind, 0);
    }
    EXPECT_EQ(table->below[ranges - 1].last, table->rolls);
    if (table->levelBound == kNoBound) {
      EXPECT_EQ(table->fromBound[0].last, 0);
      continue;
    }
    const int common = table->below[0].kind, rare = table->below[ranges - 1].kind;
    EXPECT_EQ(rare, table->levelBound);
    for (int i = 0; i < ranges; ++i) {
      const int kind = table->below[i].kind;
      EXPECT_EQ(table->fromBound[i].last, table->below[i].last);
      EXPECT_EQ(table->fromBound[i].kind, kind == common ? rare : kind == rare ? common : kind);
    }
    EXPECT_EQ(DrawOne(place, table->levelBound - 1, 1), common);
    EXPECT_EQ(DrawOne(place, table->levelBound, 1), rare);
  }
}

TEST(AttackTables, RawDrawsAreTakenModuloTheRollCount) {
  EXPECT_EQ(DrawOne(4, 11, 10 + 8), 12);  // raw 17 mod 10 = 7: roll 8
}

TEST(AttackTables, PlaceTenSendsRatsAndTheTownNobodyWithoutADraw) {
  Random random;
  random.Force(5);
  EXPECT_EQ(DrawAttackerKinds(10, 30, 3, random), (AttackerSlots{0, 1, 1, 1}));
  EXPECT_EQ(DrawAttackerKinds(kTown, 1, 2, random), (AttackerSlots{}));
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

// The monsters are announced by their fight names, the verb agreeing as the
// defeat message does.
TEST(AttackMessages, OneAttackerIsAnnouncedAtTheSecondSlotInItsGender) {
  for (int kind = 1; kind <= kMonsterKindCount - 1; ++kind) {
    const std::string name = RosterRow(kind).name;
    const std::string defeat = RosterRow(kind).defeatMessage;
    const std::string ending = defeat.substr(defeat.rfind("повержен") + 16);  // "", "а." or "о."
    EXPECT_EQ(AttackMessageAt(2, {0, kind, 0, 0}),
              "На Вас напал" + ending.substr(0, ending.size() - 1) + ": " + name + ".");
    EXPECT_EQ(AttackMessageAt(1, {0, kind, 0, 0}), "");
    EXPECT_EQ(AttackMessageAt(3, {0, kind, 0, 0}), "");
  }
  EXPECT_EQ(EncounterName(0), "");
  EXPECT_EQ(EncounterName(kMonsterKindCount), "");
}

TEST(AttackMessages, SeveralAttackersAreAnnouncedTogether) {
  const struct {
    int slot;
    AttackerSlots kinds;
    const char* text;
  } cases[] = {{1, {0, 1, 18, 0}, ""},
               {2, {0, 1, 18, 0}, "На Вас напали: Крыса и Охранник тьмы."},
               {3, {0, 1, 18, 0}, ""},
               {2, {0, 12, 13, 15}, ""},
               {3, {0, 12, 13, 15}, "На Вас напали: Хранитель врат, Дозорный леса и Ледяной."}};
  for (const auto& c : cases) EXPECT_EQ(AttackMessageAt(c.slot, c.kinds), c.text) << c.slot;
}

}  // namespace

namespace {

TEST(KindsMet, CountEachKindsRollsAndNameTheFirstEvenLevel) {
  using Shares = std::vector<std::pair<int, int>>;
  const auto shares = [](int place, int level) {
    Shares out;
    for (const KindShare& share : KindsMet(*AttackTableOf(place), level)) {
      EXPECT_EQ(share.ofRolls, std::max(AttackTableOf(place)->rolls, 1));
      out.emplace_back(share.kind, share.rolls);
    }
    return out;
  };
  EXPECT_EQ(shares(10, 1), (Shares{{1, 1}}));
  EXPECT_EQ(shares(4, 11), (Shares{{3, 7}, {12, 3}}));
  EXPECT_EQ(shares(4, 12), (Shares{{12, 7}, {3, 3}}));
  EXPECT_EQ(shares(8, 1), (Shares{{6, 20}, {5, 15}, {4, 10}, {15, 5}}));
  // The level from which nobody met there is of a higher level.
  const std::pair<int, int> even[] = {{10, 1}, {9, 3}, {1, 10}, {4, 12}, {3, 14}, {16, 21}};
  for (const auto& [place, level] : even)
    EXPECT_EQ(FirstEvenLevel(*AttackTableOf(place)), level) << "place " << place;
}

}  // namespace
