#pragma once

#include <array>
#include <string>

class Random;

// A monster kind, 1..22; the number is also the monster's level.
using MonsterKind = int;
inline constexpr int kMonsterKindCount = 22;

// One opponent of a fight.
struct OpponentRecord {
  std::string Name;
  MonsterKind Kind = 0;
  int HP = 0;
  int Power = 0;
  int Dexterity = 0;
  int GoodLuck = 0;
  int Health = 0;  // shown only
  int Kick = 0;
  int KB = 0;
  int Ulov = 0;
  int Toch = 0;
  int Sokr = 0;
  int Stoi = 0;
  int StrikesPerMove = 1;  // 1: one strike, three blocks; 2: two strikes, two blocks
  int CurHP = 0;
};

// An inclusive range of a value; lo == hi is a fixed value that draws nothing.
struct ValueRange {
  constexpr ValueRange(int fixed) : lo(fixed), hi(fixed) {}
  constexpr ValueRange(int low, int high) : lo(low), hi(high) {}
  int lo;
  int hi;
};

struct MonsterRow {
  MonsterKind kind;
  const char* name;
  const char* defeatMessage;
  ValueRange HP, Power, Dexterity, GoodLuck;
  int Health;
  ValueRange Kick, KB, Ulov, Toch, Sokr, Stoi;
  int strikes;
};

// The roster row of a kind (1..22).
const MonsterRow& RosterRow(MonsterKind kind);

// A new opponent of `kind` against a player of `playerLevel`: the values drawn in
// the game's order, then the level bonus. CurHP is left to the caller.
OpponentRecord GenerateOpponent(MonsterKind kind, int playerLevel, Random& random);

// What the opponent's side of the fight screen shows: the picture of each
// "Def…Image" control by its slot name ("Avatar", "Shlem", …, "Bronya").
struct SlotPicture {
  const char* slot;
  std::string path;
};
inline constexpr int kOpponentPictureCount = 17;
std::array<SlotPicture, kOpponentPictureCount> OpponentPictures(MonsterKind kind);
