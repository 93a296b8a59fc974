#include <gtest/gtest.h>

#include <map>

#include "core/Random.h"
#include "fight/Roster.h"
#include "state/GameState.h"

namespace {

void Force(Random& random, int raw, int times = 1) {
  for (int i = 0; i < times; ++i) random.Force(raw);
}

TEST(RosterTest, OnlySomeKindsStrikeOncePerMove) {
  for (MonsterKind kind = 1; kind <= kMonsterKindCount; ++kind) {
    EXPECT_EQ(RosterRow(kind).kind, kind);
    const bool once = kind == 3 || kind == 6 || kind == 9 || kind >= 20;
    EXPECT_EQ(RosterRow(kind).strikes, once ? 1 : 2) << kind;
  }
}

TEST(GenerateOpponentTest, DrawsRangedValuesInTheGamesOrder) {
  Random random;
  for (int raw = 1; raw <= 10; ++raw) random.Force(raw);
  random.Force(999);
  const OpponentRecord rat = GenerateOpponent(1, 1, random);
  EXPECT_EQ(rat.Name, "Крыса");
  EXPECT_EQ(rat.Kind, 1);
  const int drawn[] = {rat.Kick, rat.Dexterity, rat.GoodLuck, rat.HP,   rat.Power,
                       rat.KB,   rat.Ulov,      rat.Toch,     rat.Sokr, rat.Stoi};
  const int lowest[] = {65, 45, 45, 475, 70, 90, 80, 210, 240, 210};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(drawn[i], lowest[i] + i + 1) << i;
  EXPECT_EQ(rat.Health, 5);
  EXPECT_EQ(rat.StrikesPerMove, 2);
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

TEST(GenerateOpponentTest, RangesAreInclusiveAtTheTop) {
  Random random;
  // 11 values 65..75: a draw of 10 gives the top of the range.
  for (int raw : {10, 10, 10, 50, 10, 20, 40, 40, 40, 40}) random.Force(raw);
  const OpponentRecord rat = GenerateOpponent(1, 1, random);
  EXPECT_EQ(rat.Kick, 75);
  EXPECT_EQ(rat.HP, 525);
  EXPECT_EQ(rat.KB, 110);
  EXPECT_EQ(rat.Stoi, 250);
}

TEST(GenerateOpponentTest, FixedKindsDrawNothing) {
  Random random;
  Force(random, 7);
  for (MonsterKind kind = 12; kind <= kMonsterKindCount; ++kind) {
    const OpponentRecord opponent = GenerateOpponent(kind, 1, random);
    EXPECT_EQ(opponent.HP, RosterRow(kind).HP.lo) << kind;
    EXPECT_EQ(opponent.Stoi, RosterRow(kind).Stoi.lo) << kind;
  }
  EXPECT_EQ(random.ForcedLeft(), 1u);
  const OpponentRecord master = GenerateOpponent(22, 1, random);
  EXPECT_EQ(master.Kick, 750);
  EXPECT_EQ(master.StrikesPerMove, 1);
}

TEST(GenerateOpponentTest, WeakerKindsGrowByATenthExceptHealth) {
  Random random;
  Force(random, 0, 10);
  const OpponentRecord spider = GenerateOpponent(3, 5, random);
  EXPECT_EQ(spider.Kick, 113 + 11);
  EXPECT_EQ(spider.HP, 661 + 66);
  EXPECT_EQ(spider.Stoi, 270 + 27);
  EXPECT_EQ(spider.Health, 10);
  EXPECT_EQ(GenerateOpponent(12, 13, random).HP, 3575);
}

TEST(GenerateOpponentTest, KindsAtOrAboveThePlayerAndTwoPairsKeepTheirValues) {
  const struct {
    MonsterKind kind;
    int level, hp;
  } cases[] = {{12, 12, 3250},      {12, 1, 3250},
               {9, 10, 2669},       {10, 11, 2912},  // only those exact pairs are spared
               {9, 11, 2669 + 266}, {10, 12, 2912 + 291}};
  for (const auto& c : cases) {
    Random random;
    Force(random, 0, 10);
    EXPECT_EQ(GenerateOpponent(c.kind, c.level, random).HP, c.hp) << c.kind << " " << c.level;
  }
}

std::map<std::string, std::string> PicturesBySlot(MonsterKind kind) {
  std::map<std::string, std::string> bySlot;
  for (const auto& picture : OpponentPictures(kind)) bySlot[picture.slot] = picture.path;
  return bySlot;
}

// Every slot but the chain mail; what a kind does not wear shows empty.
TEST(OpponentPicturesTest, EveryKindShowsItsAvatarAndItsGearOrEmptySlots) {
  for (MonsterKind kind = 1; kind <= kMonsterKindCount; ++kind) {
    auto pictures = PicturesBySlot(kind);
    EXPECT_EQ(pictures.size(), 17u);
    EXPECT_EQ(pictures["Avatar"], "image\\s" + std::to_string(kind) + ".bmp");
    EXPECT_EQ(pictures["SodKarman"], "image\\Содержимое кармана.bmp");
    EXPECT_EQ(pictures["Kolco1"], pictures["Kolco2"]);
    for (const EquipSlotInfo& slot : kEquipSlots) {
      if (kind <= 6 && slot.picture != &GameState::Kolch) {
        EXPECT_EQ(pictures[slot.name], slot.emptyPicture) << slot.name;
      }
    }
  }
  auto ogre = PicturesBySlot(10);
  EXPECT_EQ(ogre["Shlem"], "image\\s10 Шлем.bmp");
  EXPECT_EQ(ogre["Shit"], "image\\Оружие.bmp");
  EXPECT_EQ(PicturesBySlot(22)["Shit"], "image\\Щит Мастера.bmp");
}

}  // namespace
