#include <gtest/gtest.h>

#include <set>

#include "state/GameState.h"
#include "state/MemberTable.h"

// A new character's values and the registration order are checked in its saved file.
TEST(MemberTable, SavesSixtySevenKeysRegistrationPutsLoseBeforeNoup) {
  const auto saved = SavedMembers();
  const auto registration = RegistrationMembers();
  ASSERT_EQ(saved.size(), 67u);
  ASSERT_EQ(registration.size(), saved.size());
  EXPECT_STREQ(saved[21].key, "Noup");
  EXPECT_STREQ(saved[22].key, "Lose");
  EXPECT_STREQ(saved[49].key, "Kolch");
  std::set<std::string> keys;
  for (std::size_t i = 0; i < saved.size(); ++i) {
    keys.insert(saved[i].key);
    if (i != 21 && i != 22) {
      EXPECT_STREQ(registration[i].key, saved[i].key);
    }
  }
  EXPECT_EQ(keys.size(), 67u);
}

TEST(MemberTable, FightMembersAreNotSaved) {
  for (const char* key : {"OpponentKind", "DamageDealt", "DamageTaken", "FightExp"}) {
    const MemberInfo* info = FindMember(key);
    ASSERT_NE(info, nullptr) << key;
    EXPECT_FALSE(info->saved);
  }
  EXPECT_EQ(GameStateMembers().size(), 71u);
  EXPECT_EQ(FindMember("Nothing"), nullptr);
  EXPECT_EQ(FindEquipSlot("Nothing"), nullptr);
}

TEST(MemberTable, TextsAsTheSaveFileWritesThem) {
  GameState state;
  state.Lose = -3;
  EXPECT_EQ(FindMember("Lose")->Text(state), "-3");
  EXPECT_EQ(FindMember("Money")->Type(), MemberType::Money);
  EXPECT_EQ(FindMember("Place")->Type(), MemberType::Integer);
  EXPECT_EQ(FindMember("Nick")->Type(), MemberType::Text);
}
