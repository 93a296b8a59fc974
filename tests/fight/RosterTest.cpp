#include <gtest/gtest.h>

#include <map>

#include "core/Random.h"
#include "fight/Roster.h"

namespace {

void Force(Random& random, std::initializer_list<int> raw) {
  for (int value : raw) random.Force(value);
}

std::map<std::string, std::string> PicturesBySlot(MonsterKind kind) {
  std::map<std::string, std::string> bySlot;
  for (const auto& picture : OpponentPictures(kind)) bySlot[picture.slot] = picture.path;
  return bySlot;
}

TEST(RosterTest, RowsFollowTheirKindsWithTheirOwnDefeatEndings) {
  for (MonsterKind kind = 1; kind <= kMonsterKindCount; ++kind)
    EXPECT_EQ(RosterRow(kind).kind, kind);
  EXPECT_STREQ(RosterRow(1).name, "Крыса");
  EXPECT_STREQ(RosterRow(1).defeatMessage, "Крыса повержена.");
  EXPECT_STREQ(RosterRow(6).defeatMessage, "Зомби повержено.");
  EXPECT_STREQ(RosterRow(14).defeatMessage, "Ангел судьбы повержена.");
  EXPECT_STREQ(RosterRow(16).defeatMessage, "Равновесие повержено.");
  EXPECT_STREQ(RosterRow(22).defeatMessage, "Мастер повержен.");
}

TEST(RosterTest, OnlySomeKindsStrikeOncePerMove) {
  for (MonsterKind kind = 1; kind <= kMonsterKindCount; ++kind) {
    const bool once = kind == 3 || kind == 6 || kind == 9 || kind >= 20;
    EXPECT_EQ(RosterRow(kind).strikes, once ? 1 : 2) << kind;
  }
}

TEST(GenerateOpponentTest, DrawsRangedValuesInTheGamesOrder) {
  Random random;
  Force(random, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 999});
  const OpponentRecord rat = GenerateOpponent(1, 1, random);
  EXPECT_EQ(rat.Name, "Крыса");
  EXPECT_EQ(rat.Kind, 1);
  EXPECT_EQ(rat.Kick, 65 + 1);
  EXPECT_EQ(rat.Dexterity, 45 + 2);
  EXPECT_EQ(rat.GoodLuck, 45 + 3);
  EXPECT_EQ(rat.HP, 475 + 4);
  EXPECT_EQ(rat.Power, 70 + 5);
  EXPECT_EQ(rat.KB, 90 + 6);
  EXPECT_EQ(rat.Ulov, 80 + 7);
  EXPECT_EQ(rat.Toch, 210 + 8);
  EXPECT_EQ(rat.Sokr, 240 + 9);
  EXPECT_EQ(rat.Stoi, 210 + 10);
  EXPECT_EQ(rat.Health, 5);
  EXPECT_EQ(rat.StrikesPerMove, 2);
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

TEST(GenerateOpponentTest, RangesAreInclusiveAtTheTop) {
  Random random;
  // 11 values 65..75: a draw of 10 gives the top of the range.
  Force(random, {10, 10, 10, 50, 10, 20, 40, 40, 40, 40});
  const OpponentRecord rat = GenerateOpponent(1, 1, random);
  EXPECT_EQ(rat.Kick, 75);
  EXPECT_EQ(rat.HP, 525);
  EXPECT_EQ(rat.KB, 110);
  EXPECT_EQ(rat.Stoi, 250);
}

TEST(GenerateOpponentTest, FixedKindsDrawNothing) {
  Random random;
  Force(random, {7});
  for (MonsterKind kind = 12; kind <= kMonsterKindCount; ++kind) {
    const OpponentRecord opponent = GenerateOpponent(kind, 1, random);
    EXPECT_EQ(opponent.HP, RosterRow(kind).HP.lo) << kind;
    EXPECT_EQ(opponent.Stoi, RosterRow(kind).Stoi.lo) << kind;
  }
  EXPECT_EQ(random.ForcedLeft(), 1u);
  const OpponentRecord master = GenerateOpponent(22, 1, random);
  EXPECT_EQ(master.Kick, 750);
  EXPECT_EQ(master.KB, 6000);
  EXPECT_EQ(master.StrikesPerMove, 1);
}

TEST(GenerateOpponentTest, WeakerKindsGrowByATenthExceptHealth) {
  Random random;
  Force(random, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  const OpponentRecord spider = GenerateOpponent(3, 5, random);
  EXPECT_EQ(spider.Kick, 113 + 11);
  EXPECT_EQ(spider.Dexterity, 103 + 10);
  EXPECT_EQ(spider.GoodLuck, 103 + 10);
  EXPECT_EQ(spider.HP, 661 + 66);
  EXPECT_EQ(spider.Power, 103 + 10);
  EXPECT_EQ(spider.KB, 161 + 16);
  EXPECT_EQ(spider.Ulov, 270 + 27);
  EXPECT_EQ(spider.Toch, 220 + 22);
  EXPECT_EQ(spider.Sokr, 220 + 22);
  EXPECT_EQ(spider.Stoi, 270 + 27);
  EXPECT_EQ(spider.Health, 10);

  const OpponentRecord keeper = GenerateOpponent(12, 13, random);
  EXPECT_EQ(keeper.HP, 3575);
  EXPECT_EQ(keeper.Kick, 330);
}

TEST(GenerateOpponentTest, KindsAtOrAboveThePlayerAndTwoPairsKeepTheirValues) {
  Random random;
  EXPECT_EQ(GenerateOpponent(12, 12, random).HP, 3250);  // equal level
  EXPECT_EQ(GenerateOpponent(12, 1, random).HP, 3250);
  for (int i = 0; i < 10; ++i) random.Force(0);
  EXPECT_EQ(GenerateOpponent(9, 10, random).HP, 2669);
  for (int i = 0; i < 10; ++i) random.Force(0);
  EXPECT_EQ(GenerateOpponent(10, 11, random).HP, 2912);
  // Only those exact pairs are spared.
  for (int i = 0; i < 10; ++i) random.Force(0);
  EXPECT_EQ(GenerateOpponent(9, 11, random).HP, 2669 + 266);
  for (int i = 0; i < 10; ++i) random.Force(0);
  EXPECT_EQ(GenerateOpponent(10, 12, random).HP, 2912 + 291);
}

TEST(OpponentPicturesTest, PlainKindsShowEmptySlotsAndTheirAvatar) {
  auto pictures = PicturesBySlot(1);
  EXPECT_EQ(pictures.size(), 17u);
  EXPECT_EQ(pictures["Avatar"], "image\\s1.bmp");
  EXPECT_EQ(pictures["Shlem"], "image\\Шлем.bmp");
  EXPECT_EQ(pictures["Shit"], "image\\Оружие.bmp");
  EXPECT_EQ(pictures["Perchi"], "image\\Перчатки.bmp");
  EXPECT_EQ(pictures["Kolco2"], "image\\Кольцо.bmp");
  EXPECT_EQ(pictures["SodPoyas3"], "image\\Содержимое пояса.bmp");
  EXPECT_EQ(pictures["SodKarman"], "image\\Содержимое кармана.bmp");
  EXPECT_EQ(pictures["Karman"], "image\\Карман.bmp");
  EXPECT_EQ(PicturesBySlot(11)["Bronya"], "image\\Броня.bmp");
}

TEST(OpponentPicturesTest, EquippedKindsMixWornAndEmptySlots) {
  auto troll = PicturesBySlot(9);
  EXPECT_EQ(troll["Oruzhie"], "image\\s9 Оружие.bmp");
  EXPECT_EQ(troll["Shlem"], "image\\Шлем.bmp");
  EXPECT_EQ(troll["Bronya"], "image\\s9 Броня.bmp");

  auto ogre = PicturesBySlot(10);
  EXPECT_EQ(ogre["Avatar"], "image\\s10.bmp");
  EXPECT_EQ(ogre["Shlem"], "image\\s10 Шлем.bmp");
  EXPECT_EQ(ogre["Shit"], "image\\Оружие.bmp");
  EXPECT_EQ(ogre["Kolco1"], "image\\s10 Кольцо.bmp");
  EXPECT_EQ(ogre["Kolco2"], "image\\s10 Кольцо.bmp");

  auto master = PicturesBySlot(22);
  EXPECT_EQ(master["Shit"], "image\\Щит Мастера.bmp");
  EXPECT_EQ(master["SodPoyas1"], "image\\Содержимое пояса.bmp");
  EXPECT_EQ(PicturesBySlot(16)["Kolco1"], "image\\Кольцо.bmp");
}

}  // namespace
