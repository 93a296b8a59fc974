#pragma once

#include <span>
#include <string>
#include <variant>

#include "state/GameState.h"

// The one description of GameState's members: save key, type and member. Saving,
// loading, the script mode and the tests all read it, so a member is named once.
enum class MemberType { Integer, Money, Text };

struct MemberInfo {
  const char* key;
  std::variant<int GameState::*, float GameState::*, std::string GameState::*> member;
  bool saved;

  MemberType Type() const;
  // The member's value as the save file writes it (Money with the given separator).
  std::string Text(const GameState& state, char decimalPoint = '.') const;
};

// The saved members in the order SaveGame writes them (67 keys), then the four
// members of a running fight.
std::span<const MemberInfo> GameStateMembers();
std::span<const MemberInfo> SavedMembers();
// Registration writes the same keys with Lose before Noup.
std::span<const MemberInfo> RegistrationMembers();
const MemberInfo* FindMember(const std::string& key);

// The members whose range play never leaves: a saved value outside it is damage
// (a character off the map could never move again).
struct MemberRange {
  const char* key;
  int lowest;
  int highest;
};
std::span<const MemberRange> SavedRanges();
