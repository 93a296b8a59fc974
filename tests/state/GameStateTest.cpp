#include <gtest/gtest.h>

#include <set>

#include "state/GameState.h"
#include "state/MemberTable.h"

TEST(GameState, NewCharacterValues) {
  const GameState state;
  EXPECT_EQ(state.Version, "0.5");
  EXPECT_EQ(state.Place, 5);
  EXPECT_EQ(state.Sound, 1);
  EXPECT_EQ(state.Avatar, "image\\1.bmp");
  EXPECT_EQ(state.AttLevel, 1);
  EXPECT_EQ(state.AttPower, 26);
  EXPECT_EQ(state.AttHealth, 5);
  EXPECT_EQ(state.AttHP, 50);
  EXPECT_EQ(state.MoveAttHP, 50);
  EXPECT_EQ(state.AttOD, 100);
  EXPECT_EQ(state.PointLev - state.Point - state.PointPeace, 2500);
  EXPECT_EQ(state.Money, 2000.0f);
}

TEST(GameState, EverySlotStartsEmpty) {
  const GameState state;
  for (const EquipSlotInfo& slot : kEquipSlots) {
    EXPECT_EQ(state.*slot.hint, kEmptySlot) << slot.name;
    EXPECT_EQ(state.*slot.picture, slot.emptyPicture) << slot.name;
  }
  // The chain mail has no empty picture; the shield shows the weapon's.
  EXPECT_EQ(state.Kolch, "");
  EXPECT_EQ(state.Shit, "image\\Оружие.bmp");
  EXPECT_EQ(FindEquipSlot("Kolco2")->hint, &GameState::Kolco2Hint);
  EXPECT_EQ(FindEquipSlot("Nothing"), nullptr);
}

TEST(MemberTable, SixtySevenSavedKeysInSaveOrder) {
  const auto saved = SavedMembers();
  ASSERT_EQ(saved.size(), 67u);
  EXPECT_STREQ(saved[0].key, "Nick");
  EXPECT_STREQ(saved[4].key, "Sound");
  EXPECT_STREQ(saved[5].key, "AttLevel");
  EXPECT_STREQ(saved[19].key, "Money");
  EXPECT_STREQ(saved[20].key, "Win");
  EXPECT_STREQ(saved[21].key, "Noup");
  EXPECT_STREQ(saved[22].key, "Lose");
  EXPECT_STREQ(saved[32].key, "Avatar");
  EXPECT_STREQ(saved[36].key, "Shit");
  EXPECT_STREQ(saved[49].key, "Kolch");
  EXPECT_STREQ(saved[50].key, "ShlemHint");
  EXPECT_STREQ(saved[66].key, "KolchHint");
  std::set<std::string> keys;
  for (const auto& info : saved) keys.insert(info.key);
  EXPECT_EQ(keys.size(), 67u);
}

TEST(MemberTable, RegistrationPutsLoseBeforeNoup) {
  const auto saved = SavedMembers();
  const auto registration = RegistrationMembers();
  ASSERT_EQ(registration.size(), saved.size());
  EXPECT_STREQ(registration[21].key, "Lose");
  EXPECT_STREQ(registration[22].key, "Noup");
  for (std::size_t i = 0; i < saved.size(); ++i) {
    if (i == 21 || i == 22) continue;
    EXPECT_STREQ(registration[i].key, saved[i].key);
  }
}

TEST(MemberTable, FightMembersAreNotSaved) {
  for (const char* key : {"OpponentKind", "DamageDealt", "DamageTaken", "FightExp"}) {
    const MemberInfo* info = FindMember(key);
    ASSERT_NE(info, nullptr) << key;
    EXPECT_FALSE(info->saved);
  }
  EXPECT_EQ(GameStateMembers().size(), 71u);
}

TEST(MemberTable, TextsAsTheSaveFileWritesThem) {
  GameState state;
  state.Money = 2087.5f;
  state.Lose = -3;
  EXPECT_EQ(FindMember("Money")->Text(state), "2087.5");
  EXPECT_EQ(FindMember("Money")->Text(state, ','), "2087,5");
  EXPECT_EQ(FindMember("Lose")->Text(state), "-3");
  EXPECT_EQ(FindMember("Avatar")->Text(state), "image\\1.bmp");
  EXPECT_EQ(FindMember("Money")->Type(), MemberType::Money);
  EXPECT_EQ(FindMember("Place")->Type(), MemberType::Integer);
  EXPECT_EQ(FindMember("Nick")->Type(), MemberType::Text);
}
