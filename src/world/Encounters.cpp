#include "world/Encounters.h"

#include <algorithm>

#include "core/Random.h"
#include "core/Translate.h"
#include "fight/Roster.h"

namespace {

// clang-format off
constexpr std::array<AttackTable, 19> kAttackTables = {{
//  place rolls    level bound  rolls -> kind below the bound                  rolls -> kind from the bound on
  {  1,   10,      kNoBound,    {{{6, 10}, {10, 9}}},                          {}},
  {  2,   10,      kNoBound,    {{{6, 8}, {10, 7}}},                           {}},
  {  3,   45,      14,          {{{20, 5}, {30, 4}, {40, 6}, {45, 14}}},       {{{20, 14}, {30, 4}, {40, 6}, {45, 5}}}},
  {  4,   10,      12,          {{{7, 3}, {10, 12}}},                          {{{7, 12}, {10, 3}}}},
  {  6,   30,      19,          {{{15, 10}, {25, 9}, {30, 19}}},               {{{15, 19}, {25, 9}, {30, 10}}}},
  {  7,   30,      17,          {{{15, 8}, {25, 7}, {30, 17}}},                {{{15, 17}, {25, 7}, {30, 8}}}},
  {  8,   50,      15,          {{{20, 6}, {35, 5}, {45, 4}, {50, 15}}},       {{{20, 15}, {35, 5}, {45, 4}, {50, 6}}}},
  {  9,   10,      kNoBound,    {{{6, 2}, {10, 3}}},                           {}},
  { 10,   kNoRoll, kNoBound,    {{{1, 1}}},                                    {}},
  { 11,   10,      20,          {{{7, 11}, {10, 20}}},                         {{{7, 20}, {10, 11}}}},
  { 12,   10,      kNoBound,    {{{6, 9}, {10, 10}}},                          {}},
  { 13,   10,      kNoBound,    {{{6, 7}, {10, 8}}},                           {}},
  { 14,   50,      13,          {{{20, 4}, {35, 5}, {45, 6}, {50, 13}}},       {{{20, 13}, {35, 5}, {45, 6}, {50, 4}}}},
  { 15,   30,      kNoBound,    {{{15, 4}, {25, 5}, {30, 6}}},                 {}},
  { 16,   10,      21,          {{{7, 11}, {10, 21}}},                         {{{7, 21}, {10, 11}}}},
  { 17,   30,      18,          {{{15, 9}, {25, 10}, {30, 18}}},               {{{15, 18}, {25, 10}, {30, 9}}}},
  { 18,   30,      16,          {{{15, 7}, {25, 8}, {30, 16}}},                {{{15, 16}, {25, 8}, {30, 7}}}},
  { 19,   30,      kNoBound,    {{{15, 6}, {25, 5}, {30, 4}}},                 {}},
  { 20,   20,      kNoBound,    {{{10, 5}, {15, 4}, {20, 6}}},                 {}},
}};

// clang-format on

// At place 16 only one attacker may be the Master's friend; a second one meets
// the dragon instead.
constexpr int kGuardedPlace = 16;
constexpr int kMastersFriend = 21;
constexpr int kDragon = 11;

int DrawKind(const AttackTable& table, int level, Random& random) {
  const int roll = table.rolls == kNoRoll ? 1 : random.RandomInt(table.rolls) + 1;
  return KindOfRoll(table, level, roll);
}

// Whether a slot drawn before this one already holds the Master's friend.
bool FriendAfter(const AttackerSlots& kinds, int slot) {
  return std::find(kinds.begin() + slot + 1, kinds.end(), kMastersFriend) != kinds.end();
}

int CountAttackers(const AttackerSlots& kinds) {
  return static_cast<int>(std::count_if(kinds.begin() + 1, kinds.end(), [](int k) { return k; }));
}

// "напал" agrees with the single attacker's name.
std::string OneAttacker(int kind) {
  if (kind == 1 || kind == 14) return mg::translate("Encounter", "На Вас напала: %1.");
  if (kind == 6 || kind == 16) return mg::translate("Encounter", "На Вас напало: %1.");
  return mg::translate("Encounter", "На Вас напал: %1.");
}

// The attackers as the attack message names them: a translation takes one of a
// kind ("a rat") or several ("rats"); Russian names each as it is.
// clang-format off
const char* const kAttackerNames[kMonsterKindCount] = {
  "",
  QT_TRANSLATE_N_NOOP("Attacker", "Крыса"),         QT_TRANSLATE_N_NOOP("Attacker", "Кабан"),
  QT_TRANSLATE_N_NOOP("Attacker", "Паук"),          QT_TRANSLATE_N_NOOP("Attacker", "Призрак"),
  QT_TRANSLATE_N_NOOP("Attacker", "Скелет"),        QT_TRANSLATE_N_NOOP("Attacker", "Зомби"),
  QT_TRANSLATE_N_NOOP("Attacker", "Гоблин"),        QT_TRANSLATE_N_NOOP("Attacker", "Орк"),
  QT_TRANSLATE_N_NOOP("Attacker", "Тролль"),        QT_TRANSLATE_N_NOOP("Attacker", "Огр"),
  QT_TRANSLATE_N_NOOP("Attacker", "Дракон"),        QT_TRANSLATE_N_NOOP("Attacker", "Хранитель врат"),
  QT_TRANSLATE_N_NOOP("Attacker", "Дозорный леса"), QT_TRANSLATE_N_NOOP("Attacker", "Ангел судьбы"),
  QT_TRANSLATE_N_NOOP("Attacker", "Ледяной"),       QT_TRANSLATE_N_NOOP("Attacker", "Равновесие"),
  QT_TRANSLATE_N_NOOP("Attacker", "Разрушитель"),   QT_TRANSLATE_N_NOOP("Attacker", "Охранник тьмы"),
  QT_TRANSLATE_N_NOOP("Attacker", "Воин света"),    QT_TRANSLATE_N_NOOP("Attacker", "Воин тьмы"),
  QT_TRANSLATE_N_NOOP("Attacker", "Друг Мастера"),
};
// clang-format on

std::string Attackers(int kind, int count) {
  if (kind < 1 || kind >= kMonsterKindCount) return "";
  return mg::translate("Attacker", kAttackerNames[kind], nullptr, count);
}

// The message for two or three attackers. Russian names every one; a source
// that repeats a placeholder lets a translation count alike attackers instead
// ("Two rats and a boar attack you.").
std::string SeveralAttackers(int a, int b, int c) {
  if (c == 0) {
    if (a == b)
      return mg::Fill(mg::translate("Encounter", "На Вас напали: %1 и %1."), {Attackers(a, 2)});
    return mg::Fill(mg::translate("Encounter", "На Вас напали: %1 и %2."),
                    {Attackers(a, 1), Attackers(b, 1)});
  }
  if (a == b && b == c)
    return mg::Fill(mg::translate("Encounter", "На Вас напали: %1, %1 и %1."), {Attackers(a, 3)});
  if (a == b)
    return mg::Fill(mg::translate("Encounter", "На Вас напали: %1, %1 и %2."),
                    {Attackers(a, 2), Attackers(c, 1)});
  if (a == c)
    return mg::Fill(mg::translate("Encounter", "На Вас напали: %1, %2 и %1."),
                    {Attackers(a, 2), Attackers(b, 1)});
  if (b == c)
    return mg::Fill(mg::translate("Encounter", "На Вас напали: %1, %2 и %2."),
                    {Attackers(a, 1), Attackers(b, 2)});
  return mg::Fill(mg::translate("Encounter", "На Вас напали: %1, %2 и %3."),
                  {Attackers(a, 1), Attackers(b, 1), Attackers(c, 1)});
}

}  // namespace

std::vector<KindShare> KindsMet(const AttackTable& table, int level) {
  const int rolls = std::max(table.rolls, 1);
  std::vector<KindShare> met;
  for (int roll = 1; roll <= rolls; ++roll) {
    const int kind = KindOfRoll(table, level, roll);
    const auto known = std::ranges::find(met, kind, &KindShare::kind);
    if (known == met.end()) {
      met.push_back({kind, 1, rolls});
    } else {
      ++known->rolls;
    }
  }
  std::ranges::stable_sort(met, std::ranges::greater{}, &KindShare::rolls);
  return met;
}

int FirstEvenLevel(const AttackTable& table) {
  constexpr int kStrongestKind = 21;
  for (int level = 1; level < kStrongestKind; ++level) {
    const auto met = KindsMet(table, level);
    if (std::ranges::all_of(met, [level](const KindShare& share) { return share.kind <= level; }))
      return level;
  }
  return kStrongestKind;
}

const AttackTable* AttackTableOf(int place) {
  for (const AttackTable& table : kAttackTables) {
    if (table.place == place) return &table;
  }
  return nullptr;
}

int KindOfRoll(const AttackTable& table, int level, int roll) {
  const bool belowBound = table.levelBound == kNoBound || level < table.levelBound;
  for (const RollRange& range : belowBound ? table.below : table.fromBound) {
    if (roll <= range.last) return range.kind;
  }
  return 0;
}

int DrawAttackerCount(Random& random) {
  const int d = random.RandomInt(8) + 1;
  if (d <= 5) return 1;
  if (d <= 7) return 2;
  return 3;
}

AttackerSlots DrawAttackerKinds(int place, int level, int count, Random& random) {
  AttackerSlots kinds{};
  const AttackTable* table = AttackTableOf(place);
  if (!table) return kinds;
  for (int slot = count; slot >= 1; --slot) {
    // The roll is taken even where the rule below replaces it.
    kinds[slot] = DrawKind(*table, level, random);
    if (place == kGuardedPlace && FriendAfter(kinds, slot)) kinds[slot] = kDragon;
  }
  return kinds;
}

std::string EncounterName(int kind) {
  // The Master never attacks on the map; he comes only by the teleport scroll.
  if (kind < 1 || kind >= kMonsterKindCount) return "";
  return RosterRow(kind).name;
}

std::string AttackMessageAt(int slot, const AttackerSlots& kinds) {
  const int count = CountAttackers(kinds);
  if (slot == 2 && count == 1)
    return mg::CapitalizeFirst(mg::Fill(OneAttacker(kinds[1]), {Attackers(kinds[1], 1)}));
  if ((slot == 2 && count == 2) || (slot == 3 && count == 3))
    return mg::CapitalizeFirst(SeveralAttackers(kinds[1], kinds[2], kinds[3]));
  return "";
}
