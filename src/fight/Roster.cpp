#include "fight/Roster.h"

#include <cassert>

#include "core/Random.h"
#include "core/Translate.h"
#include "state/GameState.h"

namespace {

// clang-format off
const MonsterRow kRoster[kMonsterKindCount] = {
// kind name              defeat message               HP            Power       Dexterity   GoodLuck    Health Kick        KB           Ulov         Toch         Sokr         Stoi         strikes
  {1,  QT_TRANSLATE_NOOP("Monster", "Крыса"),          QT_TRANSLATE_NOOP("Fight", "Крыса повержена."),          {475, 525},   {70, 80},   {45, 55},   {45, 55},   5,  {65, 75},   {90, 110},   {80, 120},   {210, 250},  {240, 280},  {210, 250},  2},
  {2,  QT_TRANSLATE_NOOP("Monster", "Кабан"),          QT_TRANSLATE_NOOP("Fight", "Кабан повержен."),           {568, 632},   {84, 96},   {74, 86},   {74, 86},   5,  {79, 91},   {128, 152},  {235, 285},  {225, 275},  {235, 285},  {225, 275},  2},
  {3,  QT_TRANSLATE_NOOP("Monster", "Паук"),           QT_TRANSLATE_NOOP("Fight", "Паук повержен."),            {661, 739},   {103, 117}, {103, 117}, {103, 117}, 10, {113, 127}, {161, 189},  {270, 330},  {220, 280},  {220, 280},  {270, 330},  1},
  {4,  QT_TRANSLATE_NOOP("Monster", "Призрак"),        QT_TRANSLATE_NOOP("Fight", "Призрак повержен."),         {754, 846},   {92, 108},  {137, 153}, {137, 153}, 15, {127, 143}, {184, 216},  {240, 310},  {240, 310},  {315, 385},  {315, 385},  2},
  {5,  QT_TRANSLATE_NOOP("Monster", "Скелет"),         QT_TRANSLATE_NOOP("Fight", "Скелет повержен."),          {947, 1053},  {126, 144}, {151, 169}, {151, 169}, 15, {151, 169}, {232, 268},  {310, 390},  {335, 415},  {310, 390},  {335, 415},  2},
  {6,  QT_TRANSLATE_NOOP("Monster", "Зомби"),          QT_TRANSLATE_NOOP("Fight", "Зомби повержено."),          {1040, 1160}, {140, 160}, {190, 210}, {190, 210}, 15, {170, 190}, {280, 320},  {305, 395},  {355, 445},  {355, 445},  {355, 445},  1},
  {7,  QT_TRANSLATE_NOOP("Monster", "Гоблин"),         QT_TRANSLATE_NOOP("Fight", "Гоблин повержен."),          {1533, 1667}, {189, 211}, {259, 281}, {209, 231}, 20, {224, 246}, {428, 472},  {450, 550},  {400, 500},  {400, 500},  {450, 550},  2},
  {8,  QT_TRANSLATE_NOOP("Monster", "Орк"),            QT_TRANSLATE_NOOP("Fight", "Орк повержен."),             {2426, 2574}, {288, 312}, {288, 312}, {288, 312}, 20, {303, 327}, {626, 674},  {495, 605},  {545, 655},  {595, 705},  {545, 655},  2},
  {9,  QT_TRANSLATE_NOOP("Monster", "Тролль"),         QT_TRANSLATE_NOOP("Fight", "Тролль повержен."),          {2669, 2831}, {262, 288}, {302, 328}, {302, 328}, 25, {287, 313}, {674, 726},  {590, 710},  {490, 610},  {590, 710},  {490, 610},  1},
  {10, QT_TRANSLATE_NOOP("Monster", "Огр"),            QT_TRANSLATE_NOOP("Fight", "Огр повержен."),             {2912, 3088}, {261, 289}, {336, 364}, {336, 364}, 25, {286, 314}, {697, 753},  {535, 665},  {535, 665},  {585, 715},  {535, 665},  2},
  {11, QT_TRANSLATE_NOOP("Monster", "Дракон"),         QT_TRANSLATE_NOOP("Fight", "Дракон повержен."),          {2905, 3095}, {235, 265}, {385, 415}, {385, 415}, 30, {285, 315}, {470, 530},  {680, 820},  {680, 820},  {680, 820},  {680, 820},  2},
  {12, QT_TRANSLATE_NOOP("Monster", "Хранитель врат"), QT_TRANSLATE_NOOP("Fight", "Хранитель врат повержен."),  3250,         250,        400,        400,        35, 300,        750,         750,         750,         750,         750,         2},
  {13, QT_TRANSLATE_NOOP("Monster", "Дозорный леса"),  QT_TRANSLATE_NOOP("Fight", "Дозорный леса повержен."),   3300,         275,        400,        400,        35, 325,        700,         750,         750,         1000,        750,         2},
  {14, QT_TRANSLATE_NOOP("Monster", "Ангел судьбы"),   QT_TRANSLATE_NOOP("Fight", "Ангел судьбы повержена."),   3400,         300,        500,        500,        35, 350,        800,         900,         750,         900,         750,         2},
  {15, QT_TRANSLATE_NOOP("Monster", "Ледяной"),        QT_TRANSLATE_NOOP("Fight", "Ледяной повержен."),         3500,         300,        500,        750,        35, 300,        900,         900,         900,         900,         900,         2},
  {16, QT_TRANSLATE_NOOP("Monster", "Равновесие"),     QT_TRANSLATE_NOOP("Fight", "Равновесие повержено."),     3600,         350,        650,        650,        35, 350,        1000,        1000,        1000,        1000,        1000,        2},
  {17, QT_TRANSLATE_NOOP("Monster", "Разрушитель"),    QT_TRANSLATE_NOOP("Fight", "Разрушитель повержен."),     3700,         400,        600,        600,        35, 400,        2500,        1250,        1500,        1250,        1250,        2},
  {18, QT_TRANSLATE_NOOP("Monster", "Охранник тьмы"),  QT_TRANSLATE_NOOP("Fight", "Охранник тьмы повержен."),   3800,         500,        500,        750,        35, 450,        4000,        1500,        2000,        1500,        1000,        2},
  {19, QT_TRANSLATE_NOOP("Monster", "Воин света"),     QT_TRANSLATE_NOOP("Fight", "Воин света повержен."),      3900,         500,        750,        750,        40, 500,        5000,        1500,        2000,        1500,        2000,        2},
  {20, QT_TRANSLATE_NOOP("Monster", "Воин тьмы"),      QT_TRANSLATE_NOOP("Fight", "Воин тьмы повержен."),       4000,         800,        800,        800,        40, 600,        6000,        2000,        2000,        2000,        2000,        1},
  {21, QT_TRANSLATE_NOOP("Monster", "Друг Мастера"),   QT_TRANSLATE_NOOP("Fight", "Друг Мастера повержен."),    5000,         700,        900,        900,        45, 700,        5000,        2500,        2500,        2000,        2000,        1},
  {22, QT_TRANSLATE_NOOP("Monster", "Мастер"),         QT_TRANSLATE_NOOP("Fight", "Мастер повержен."),          6000,         750,        1000,       1000,       45, 750,        6000,        2500,        2500,        2500,        2500,        1},
};

// Equipment the kinds wear; nullptr shows the slot's empty picture. Both rings
// show the same file. Kinds 1–6 and 11 wear nothing.
struct WornPictures {
  MonsterKind kind;
  const char* Shlem; const char* Amulet; const char* Oruzhie; const char* Poyas; const char* Sapogi;
  const char* Naruchi; const char* Perchi; const char* Shit; const char* Kolco; const char* Bronya;
};

const WornPictures kWornPictures[] = {
  {7,  "image\\Каска гоблина.bmp", "image\\Оберег гоблина.bmp", "image\\Палаш гоблина.bmp", "image\\Пояс гоблина.bmp",
       "image\\Сандалии гоблина.bmp", "image\\Наручи гоблина.bmp", "image\\Перчатки гоблина.bmp", "image\\Щит гоблина.bmp",
       "image\\Перстень гоблина.bmp", "image\\Доспех гоблина.bmp"},
  {8,  "image\\Шлем орка.bmp", "image\\Амулет орка.bmp", "image\\Ятаган орка.bmp", "image\\Пояс орка.bmp",
       "image\\Сапоги орка.bmp", "image\\Наручи орка.bmp", "image\\Перчатки орка.bmp", "image\\Щит орка.bmp",
       "image\\Кольцо орка.bmp", "image\\Броня орка.bmp"},
  {9,  nullptr, nullptr, "image\\s9 Оружие.bmp", "image\\s9 Пояс.bmp",
       nullptr, nullptr, nullptr, nullptr,
       nullptr, "image\\s9 Броня.bmp"},
  {10, "image\\s10 Шлем.bmp", "image\\s10 Амулет.bmp", "image\\s10 Оружие.bmp", "image\\s10 Пояс.bmp",
       "image\\s10 Сапоги.bmp", "image\\s10 Наручи.bmp", "image\\s10 Перчатки.bmp", nullptr,
       "image\\s10 Кольцо.bmp", "image\\s10 Броня.bmp"},
  {12, nullptr, nullptr, nullptr, nullptr,
       nullptr, nullptr, nullptr, "image\\Нож хранителя.bmp",
       "image\\Кольцо хранителя.bmp", nullptr},
  {13, nullptr, "image\\Оберег леса.bmp", "image\\Трезубец леса.bmp", nullptr,
       nullptr, nullptr, "image\\Перчатки леса.bmp", "image\\Нож леса.bmp",
       "image\\Кольцо леса.bmp", nullptr},
  {14, nullptr, nullptr, nullptr, nullptr,
       nullptr, nullptr, "image\\Перчатки судьбы.bmp", "image\\Нож судьбы.bmp",
       "image\\Кольцо судьбы.bmp", nullptr},
  {15, nullptr, nullptr, nullptr, nullptr,
       nullptr, nullptr, nullptr, "image\\Клинок льда.bmp",
       "image\\Кольцо льда.bmp", "image\\Броня льда.bmp"},
  {16, nullptr, nullptr, nullptr, nullptr,
       nullptr, "image\\Наручи равновесия.bmp", nullptr, "image\\Нож равновесия.bmp",
       nullptr, "image\\Броня равновесия.bmp"},
  {17, nullptr, "image\\Амулет разрушения.bmp", "image\\Оружие разрушения.bmp", nullptr,
       "image\\Сапоги разрушения.bmp", nullptr, "image\\Перчатки разрушения.bmp", "image\\Нож разрушения.bmp",
       "image\\Кольцо разрушения.bmp", nullptr},
  {18, nullptr, nullptr, "image\\Дубина охранника.bmp", "image\\Пояс охранника.bmp",
       "image\\Сапоги охранника.bmp", "image\\Наручи охранника.bmp", "image\\Перчатки охранника.bmp", "image\\Цеп охранника.bmp",
       "image\\Кольцо охранника.bmp", "image\\Броня охранника.bmp"},
  {19, "image\\Шлем света.bmp", "image\\Амулет света.bmp", nullptr, nullptr,
       "image\\Сапоги света.bmp", nullptr, "image\\Перчатки света.bmp", "image\\Когти света.bmp",
       "image\\Кольцо света.bmp", "image\\Броня света.bmp"},
  {20, "image\\Шлем тьмы.bmp", nullptr, nullptr, "image\\Пояс тьмы.bmp",
       "image\\Сапоги тьмы.bmp", "image\\Наручи тьмы.bmp", "image\\Перчатки тьмы.bmp", "image\\Кинжал тьмы.bmp",
       "image\\Кольцо тьмы.bmp", "image\\Доспех тьмы.bmp"},
  {21, "image\\Шлем дракона.bmp", "image\\Кулон дракона.bmp", "image\\Алебарда друга.bmp", "image\\Пояс дракона.bmp",
       "image\\Сапоги дракона.bmp", "image\\Наручи дракона.bmp", "image\\Перчатки дракона.bmp", "image\\Щит дракона.bmp",
       "image\\Кольцо дракона.bmp", "image\\Доспех дракона.bmp"},
  {22, "image\\Шлем Мастера.bmp", "image\\Амулет Мастера.bmp", "image\\Меч Мастера.bmp", "image\\Пояс Мастера.bmp",
       "image\\Сапоги Мастера.bmp", "image\\Наручи Мастера.bmp", "image\\Перчатки Мастера.bmp", "image\\Щит Мастера.bmp",
       "image\\Кольцо Мастера.bmp", "image\\Броня Мастера.bmp"},
};
// clang-format on

const WornPictures kWearsNothing = {0,       nullptr, nullptr, nullptr, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr};

const WornPictures& WornBy(MonsterKind kind) {
  for (const auto& row : kWornPictures) {
    if (row.kind == kind) return row;
  }
  return kWearsNothing;
}

// The slots a kind's equipment can fill; the belt and pocket always show empty.
struct WornSlot {
  const char* slot;
  const char* WornPictures::*picture;
};
constexpr WornSlot kWornSlots[] = {
    {"Shlem", &WornPictures::Shlem},     {"Amulet", &WornPictures::Amulet},
    {"Oruzhie", &WornPictures::Oruzhie}, {"Poyas", &WornPictures::Poyas},
    {"Sapogi", &WornPictures::Sapogi},   {"Naruchi", &WornPictures::Naruchi},
    {"Perchi", &WornPictures::Perchi},   {"Shit", &WornPictures::Shit},
    {"Kolco1", &WornPictures::Kolco},    {"Kolco2", &WornPictures::Kolco},
    {"Bronya", &WornPictures::Bronya}};

// The picture a kind wears in a slot; nullptr when the slot shows empty.
const char* WornIn(const WornPictures& worn, const std::string& slot) {
  for (const auto& entry : kWornSlots) {
    if (slot == entry.slot) return worn.*entry.picture;
  }
  return nullptr;
}

// Draws a ranged value; a fixed value draws nothing.
int Draw(const ValueRange& range, Random& random) {
  if (range.lo == range.hi) return range.lo;
  return range.lo + random.RandomInt(range.hi - range.lo + 1);
}

// The values the level bonus raises, in the order they are drawn.
constexpr int OpponentRecord::*kDrawnValues[] = {
    &OpponentRecord::Kick, &OpponentRecord::Dexterity, &OpponentRecord::GoodLuck,
    &OpponentRecord::HP,   &OpponentRecord::Power,     &OpponentRecord::KB,
    &OpponentRecord::Ulov, &OpponentRecord::Toch,      &OpponentRecord::Sokr,
    &OpponentRecord::Stoi};
constexpr ValueRange MonsterRow::*kRanges[] = {
    &MonsterRow::Kick,  &MonsterRow::Dexterity, &MonsterRow::GoodLuck, &MonsterRow::HP,
    &MonsterRow::Power, &MonsterRow::KB,        &MonsterRow::Ulov,     &MonsterRow::Toch,
    &MonsterRow::Sokr,  &MonsterRow::Stoi};
static_assert(std::size(kDrawnValues) == std::size(kRanges));

// Weaker monsters are made slightly stronger, except the troll for a level-10
// player and the ogre for a level-11 one.
bool GetsLevelBonus(MonsterKind kind, int playerLevel) {
  if (playerLevel == 10 && kind == 9) return false;
  if (playerLevel == 11 && kind == 10) return false;
  return playerLevel > kind;
}

}  // namespace

const MonsterRow& RosterRow(MonsterKind kind) {
  assert(kind >= 1 && kind <= kMonsterKindCount);
  return kRoster[kind - 1];
}

OpponentRecord GenerateOpponent(MonsterKind kind, int playerLevel, Random& random) {
  const MonsterRow& row = RosterRow(kind);
  OpponentRecord opponent;
  opponent.Name = row.name;
  opponent.Kind = kind;
  for (std::size_t i = 0; i < std::size(kDrawnValues); ++i)
    opponent.*kDrawnValues[i] = Draw(row.*kRanges[i], random);
  opponent.Health = row.Health;
  opponent.StrikesPerMove = row.strikes;
  if (GetsLevelBonus(kind, playerLevel)) {
    for (auto value : kDrawnValues) opponent.*value += opponent.*value / 10;
  }
  return opponent;
}

std::array<SlotPicture, kOpponentPictureCount> OpponentPictures(MonsterKind kind) {
  const WornPictures& worn = WornBy(kind);
  std::array<SlotPicture, kOpponentPictureCount> pictures;
  pictures[0] = {"Avatar", "image\\s" + std::to_string(kind) + ".bmp"};
  // The opponent has every slot of the player but the chain mail.
  for (int i = 0; i + 1 < kOpponentPictureCount; ++i) {
    const EquipSlotInfo& slot = kEquipSlots[i];
    const char* path = WornIn(worn, slot.name);
    pictures[i + 1] = {slot.name, path ? path : slot.emptyPicture};
  }
  return pictures;
}
