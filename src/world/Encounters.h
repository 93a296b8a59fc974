#pragma once

#include <array>
#include <string>
#include <vector>

class Random;

// The attackers of the next monster attack: slots [1] … [3] hold MonsterKinds,
// 0 = no attacker.
using AttackerSlots = std::array<int, 4>;

// Rolls up to `last` (from the previous range's last + 1) give `kind`.
struct RollRange {
  int last;
  int kind;
};

// One place's attack table: a roll 1..rolls, mapped by `below` while AttLevel is
// under `levelBound` and by `fromBound` from it on. Without a bound only `below`
// counts; without rolls (kNoRoll) the first range's kind is always met.
struct AttackTable {
  int place;
  int rolls;
  int levelBound;
  std::array<RollRange, 4> below;
  std::array<RollRange, 4> fromBound;
};

inline constexpr int kNoRoll = 0;
inline constexpr int kNoBound = 0;

// The table of a place; none for the town.
const AttackTable* AttackTableOf(int place);

// The kind a roll (1..rolls) gives at a level.
int KindOfRoll(const AttackTable& table, int level, int roll);

// A kind met at a place and how many of the table's rolls give it.
struct KindShare {
  int kind;
  int rolls;
  int ofRolls;
};
// The kinds an attacker at a place may be at a level, commonest first.
std::vector<KindShare> KindsMet(const AttackTable& table, int level);
// The least level from which no monster met at a place is of a higher level than the
// character (a monster's kind is its level).
int FirstEvenLevel(const AttackTable& table);

// 1 with chance 5/8, 2 with 2/8, 3 with 1/8.
int DrawAttackerCount(Random& random);

// The kinds of `count` attackers at a place outside the town, drawn from the last
// slot down to the first.
AttackerSlots DrawAttackerKinds(int place, int level, int count, Random& random);

// The name an attacker kind (1..21) is announced by.
std::string EncounterName(int kind);

// The announcement of an attack made at a slot (1..3) as the signals sound: two
// or one attacker are announced at the second slot, three at the third; "" when
// the slot announces nothing.
std::string AttackMessageAt(int slot, const AttackerSlots& kinds);
