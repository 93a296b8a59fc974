#include "fight/Loot.h"

#include "core/Random.h"
#include "core/Translate.h"
#include "fight/FightState.h"
#include "items/ItemCatalogue.h"

namespace {

// A kind's loot row; kNotSet leaves the member as it was.
inline constexpr int kNotSet = -1;
inline constexpr int kDrawnGem = 0;

struct KindLootRow {
  int group;
  int item;
  int diamond;
  int gem;
  int money;
};

// Index 0 unused.
constexpr KindLootRow kKindLoot[] = {
    {},
    // group     item      diamond  gem      money
    {kDrawnGem, kNotSet, 95, 90, 85},  // 1
    {kDrawnGem, kNotSet, 95, 90, 85},  // 2
    {kDrawnGem, kNotSet, 95, 90, 85},  // 3
    {kDrawnGem, kNotSet, 95, 90, 85},  // 4
    {kDrawnGem, kNotSet, 95, 90, 85},  // 5
    {kDrawnGem, kNotSet, 95, 90, 85},  // 6
    {17, 80, kNotSet, kNotSet, 85},    // 7
    {18, 80, kNotSet, kNotSet, 85},    // 8
    {kDrawnGem, kNotSet, 95, 90, 85},  // 9
    {kDrawnGem, kNotSet, 95, 90, 85},  // 10
    {kDrawnGem, kNotSet, 90, 85, 80},  // 11
    {6, 81, kNotSet, kNotSet, 85},     // 12
    {7, 81, kNotSet, kNotSet, 85},     // 13
    {8, 82, kNotSet, kNotSet, 85},     // 14
    {9, 82, kNotSet, kNotSet, 85},     // 15
    {10, 82, kNotSet, kNotSet, 85},    // 16
    {11, 83, kNotSet, kNotSet, 85},    // 17
    {12, 83, kNotSet, kNotSet, 85},    // 18
    {13, 84, kNotSet, kNotSet, 85},    // 19
    {14, 84, kNotSet, kNotSet, 85},    // 20
    {15, 89, kNotSet, kNotSet, 85},    // 21
    {16, 90, kNotSet, kNotSet, 85},    // 22
};
constexpr int kLastKind = 22;

constexpr const char* kRuby[] = {"Рубин [1]"};
constexpr const char* kTopaz[] = {"Топаз [1]"};
constexpr const char* kEmerald[] = {"Изумруд [1]"};
constexpr const char* kSapphire[] = {"Сапфир [1]"};
constexpr const char* kDiamond[] = {"Алмаз [1]"};
constexpr const char* kKeeperSet[] = {"Кольцо хранителя", "Нож хранителя"};
constexpr const char* kForestSet[] = {"Кольцо леса", "Нож леса", "Оберег леса", "Перчатки леса",
                                      "Трезубец леса"};
constexpr const char* kFateSet[] = {"Кольцо судьбы", "Нож судьбы", "Перчатки судьбы"};
constexpr const char* kIceSet[] = {"Броня льда", "Кольцо льда", "Клинок льда"};
constexpr const char* kBalanceSet[] = {"Броня равновесия", "Наручи равновесия", "Нож равновесия"};
constexpr const char* kRuinSet[] = {"Амулет разрушения",   "Кольцо разрушения",
                                    "Нож разрушения",      "Оружие разрушения",
                                    "Перчатки разрушения", "Сапоги разрушения"};
constexpr const char* kGuardSet[] = {"Броня охранника",  "Дубина охранника",   "Кольцо охранника",
                                     "Наручи охранника", "Перчатки охранника", "Пояс охранника",
                                     "Сапоги охранника", "Цеп охранника"};
constexpr const char* kLightSet[] = {"Амулет света", "Броня света",    "Когти света",
                                     "Кольцо света", "Перчатки света", "Сапоги света",
                                     "Шлем света"};
constexpr const char* kDarkSet[] = {"Доспех тьмы",   "Кинжал тьмы", "Кольцо тьмы", "Наручи тьмы",
                                    "Перчатки тьмы", "Пояс тьмы",   "Сапоги тьмы", "Шлем тьмы"};
constexpr const char* kFriendSet[] = {"Алебарда друга"};
constexpr const char* kMasterSet[] = {
    "Амулет Мастера",   "Броня Мастера", "Кольцо Мастера", "Меч Мастера",  "Наручи Мастера",
    "Перчатки Мастера", "Пояс Мастера",  "Сапоги Мастера", "Шлем Мастера", "Щит Мастера"};
constexpr const char* kGoblinSet[] = {
    "Доспех гоблина",   "Каска гоблина",    "Наручи гоблина", "Оберег гоблина",   "Палаш гоблина",
    "Перстень гоблина", "Перчатки гоблина", "Пояс гоблина",   "Сандалии гоблина", "Щит гоблина"};
constexpr const char* kOrcSet[] = {"Амулет орка",   "Броня орка", "Кольцо орка", "Наручи орка",
                                   "Перчатки орка", "Пояс орка",  "Сапоги орка", "Шлем орка",
                                   "Щит орка",      "Ятаган орка"};

enum class Threshold { Item, Diamond, Gem };

struct LootGroupRow {
  int roll;  // the roll that must beat the threshold
  Threshold threshold;
  std::span<const char* const> items;
};

// Index 0 unused.
constexpr LootGroupRow kLootGroups[] = {
    {},
    {3, Threshold::Gem, kRuby},         // 1
    {4, Threshold::Gem, kTopaz},        // 2
    {4, Threshold::Gem, kEmerald},      // 3
    {4, Threshold::Gem, kSapphire},     // 4
    {2, Threshold::Diamond, kDiamond},  // 5
    {1, Threshold::Item, kKeeperSet},   // 6, kind 12
    {1, Threshold::Item, kForestSet},   // 7, kind 13
    {1, Threshold::Item, kFateSet},     // 8, kind 14
    {1, Threshold::Item, kIceSet},      // 9, kind 15
    {1, Threshold::Item, kBalanceSet},  // 10, kind 16
    {1, Threshold::Item, kRuinSet},     // 11, kind 17
    {1, Threshold::Item, kGuardSet},    // 12, kind 18
    {1, Threshold::Item, kLightSet},    // 13, kind 19
    {1, Threshold::Item, kDarkSet},     // 14, kind 20
    {1, Threshold::Item, kFriendSet},   // 15, kind 21
    {1, Threshold::Item, kMasterSet},   // 16, kind 22
    {1, Threshold::Item, kGoblinSet},   // 17, kind 7
    {1, Threshold::Item, kOrcSet},      // 18, kind 8
};
constexpr int kSingleItemGroup = 15;

void SetUnlessNotSet(int& member, int value) {
  if (value != kNotSet) member = value;
}

int ThresholdOf(const FightState& fight, Threshold which) {
  switch (which) {
    case Threshold::Item:
      return fight.ItemThreshold;
    case Threshold::Diamond:
      return fight.DiamondThreshold;
    case Threshold::Gem:
      return fight.GemThreshold;
  }
  return fight.ItemThreshold;
}

bool IsGroup(int group) { return group >= 1 && group <= kLootGroupCount; }

// Cyrillic capitals А..Я in UTF-8 become their small letters; anything else stays.
void LowerFirstLetter(std::string& text) {
  if (text.size() < 2 || static_cast<unsigned char>(text[0]) != 0xD0) return;
  const auto second = static_cast<unsigned char>(text[1]);
  if (second >= 0x90 && second <= 0x9F) {
    text[1] = static_cast<char>(second + 0x20);  // А..П → а..п
  } else if (second >= 0xA0 && second <= 0xAF) {
    text[0] = static_cast<char>(0xD1);  // Р..Я → р..я
    text[1] = static_cast<char>(second - 0x20);
  } else if (second == 0x81) {
    text[0] = static_cast<char>(0xD1);  // Ё → ё
    text[1] = static_cast<char>(0x91);
  }
}

// Feminine nouns: -а takes -у, -я takes -ю ("броню", "алебарду").
void FirstWordToAccusative(std::string& text) {
  const std::size_t end = text.find(' ');
  const std::size_t wordEnd = end == std::string::npos ? text.size() : end;
  if (wordEnd < 2) return;
  const std::string ending = text.substr(wordEnd - 2, 2);
  if (ending == "а") text.replace(wordEnd - 2, 2, "у");
  if (ending == "я") text.replace(wordEnd - 2, 2, "ю");
}

}  // namespace

void DrawLootRolls(FightState& fight, Random& random) {
  for (int roll = 1; roll <= kLootRollCount; ++roll) {
    fight.LootRolls[roll] = random.RandomInt(100) + 1;
  }
  fight.LootGroup = random.RandomInt(kGemGroupCount) + 1;
}

void ApplyKindLoot(FightState& fight, int kind) {
  if (kind < 1 || kind > kLastKind) return;
  const KindLootRow& row = kKindLoot[kind];
  if (row.group != kDrawnGem) fight.LootGroup = row.group;
  SetUnlessNotSet(fight.ItemThreshold, row.item);
  SetUnlessNotSet(fight.DiamondThreshold, row.diamond);
  SetUnlessNotSet(fight.GemThreshold, row.gem);
  SetUnlessNotSet(fight.MoneyThreshold, row.money);
}

void ShiftLootThresholds(FightState& fight, int shift) {
  for (int* threshold : {&fight.ItemThreshold, &fight.DiamondThreshold, &fight.GemThreshold,
                         &fight.MoneyThreshold}) {
    *threshold += shift;
  }
}

bool LootGroupWins(const FightState& fight) {
  if (!IsGroup(fight.LootGroup)) return false;
  const LootGroupRow& row = kLootGroups[fight.LootGroup];
  return fight.LootRolls[row.roll] > ThresholdOf(fight, row.threshold);
}

std::span<const char* const> LootGroupItems(int group) {
  if (!IsGroup(group)) return {};
  return kLootGroups[group].items;
}

bool LootGroupDrawsChoice(int group) { return group > kGemGroupCount && group != kSingleItemGroup; }

std::string FoundItemMessage(const std::string& itemName) {
  // Russian puts the name in the accusative; a translation takes it as it is shown.
  std::string name = itemName;
  if (mg::Translating()) {
    name = DisplayName(itemName);
  } else {
    LowerFirstLetter(name);
    FirstWordToAccusative(name);
  }
  return mg::Fill(mg::translate("Fight", "Вы нашли %1."), {name});
}

bool MoneyDropped(const FightState& fight) {
  return fight.LootRolls[kLootRollCount] > fight.MoneyThreshold;
}

int DrawMoneyFound(int kind, Random& random) { return random.RandomInt(10 * kind) + 1; }

std::string FoundMoneyMessage(int money) {
  return mg::translate("Fight", "Вы нашли %n руб.", nullptr, money);
}
