#include "items/ItemCatalogue.h"

#include <unordered_map>

namespace {

using enum ShopCategory;
using enum StatWord;

// Ten modifier amounts in StatWord order; 0 = no such line.
using StatColumns = std::array<int, kStatWordCount>;

struct StatWordInfo {
  const char* text;
  int GameState::*field;
};

const StatWordInfo kStatWords[kStatWordCount] = {
    {"Сила", &GameState::AttPower},      {"Ловкость", &GameState::AttDexterity},
    {"Удача", &GameState::AttGoodLuck},  {"Удар", &GameState::AttKick},
    {"КБ", &GameState::AttKB},           {"ХП", &GameState::AttHP},
    {"Уловка", &GameState::AttUlov},     {"Точность", &GameState::AttToch},
    {"Сокрушение", &GameState::AttSokr}, {"Стойкость", &GameState::AttStoi},
};

struct ShopCategoryInfo {
  const char* key;
  const char* caption;
  const char* slot;  // what wearing uses
};

// clang-format off
const ShopCategoryInfo kShopCategories[kShopCategoryCount] = {
    {"Shlem",   "Шлемы",     "Shlem"},
    {"Amulet",  "Амулеты",   "Amulet"},
    {"Mech",    "Мечи",      "Oruzhie"},
    {"Topor",   "Топоры",    "Oruzhie"},
    {"Drob",    "Дробящее",  "Oruzhie"},
    {"Nozh",    "Ножи",      "Shit"},
    {"Poyas",   "Пояса",     "Poyas"},
    {"Sapogi",  "Сапоги",    "Sapogi"},
    {"Naruchi", "Наручи",    "Naruchi"},
    {"Perchi",  "Перчатки",  "Perchi"},
    {"Shit",    "Щиты",      "Shit"},
    {"Kolco",   "Кольца",    "Kolco1"},
    {"Bronya",  "Доспехи",   "Bronya"},
    {"Kolch",   "Кольчуги",  "Kolch"},
    {"Zelik",   "Зелья",     "SodPoyas1"},
    {"Svitok",  "Свитки",    "SodKarman"},
};
// clang-format on

struct WearableRow {
  ShopCategory category;
  const char* name;
  int price;
  StatColumns modifiers;
  int level;  // the level requirement, 0 = none
};

// The shop's wearable kinds, by tab and in list order.
// clang-format off
const WearableRow kWearables[] = {
    //                                             Сила Ловк Удач Удар   КБ   ХП Улов Точн Сокр Стой  Level
    {Shlem,   "Шлем слепоты",                 150, {  5,   0,   5,   0,  15,  50,   0,  10,  30,  10}, 0},
    {Shlem,   "Шлем лавы",                    150, {  5,   5,   0,   0,  15,  50,  30,  10,   0,  30}, 0},
    {Shlem,   "Шлем исхода",                  200, {  0,   5,   5,   0,  15,  50,  30,  10,  30,  10}, 0},
    {Shlem,   "Корона великолепия",           500, {  5,   5,  10,   0,  30, 100,   0,  30,  40,  30}, 0},
    {Shlem,   "Шлем заката",                  600, {  5,  10,  10,   0,  25, 100,  50,  15,   0,  30}, 0},
    {Shlem,   "Шлем постоянства",             700, {  5,  10,  10,   0,  30, 100,  15,  35,  15,  35}, 0},
    {Shlem,   "Шлем приговора",              1000, { 10,  10,  10,   5,  40, 150,  30,  30,  30,  30}, 0},
    {Shlem,   "Диадема пустынных ветров",    1300, { 15,  10,  15,  10,  50, 150,   0,  50,  50,  50}, 0},
    {Shlem,   "Шлем дракона",                1750, { 15,  20,  15,  20,  75, 200,  40,  40,  40,  40}, 5},
    {Amulet,  "Амулет смертельного взгляда",  175, {  5,   0,   5,   0,   5,  75,   0,  15,  30,  15}, 0},
    {Amulet,  "Амулет волхвов",               200, {  5,   5,   0,   0,   5,  80,  40,  15,   0,  15}, 0},
    {Amulet,  "Кулон пустоты",                250, {  0,   5,   5,   0,   5, 100,  30,  10,  30,  10}, 0},
    {Amulet,  "Амулет безумной ярости",       500, { 10,   5,   5,   0,  15, 125,   0,  25,  50,  25}, 0},
    {Amulet,  "Кулон заката",                 650, { 10,  10,   5,   0,  15, 150,  50,  30,   0,  30}, 0},
    {Amulet,  "Амулет пустынных ветров",     1000, { 10,  15,  15,   5,  25, 200,  30,  50,  30,  50}, 0},
    {Amulet,  "Кулон дракона",               1500, { 15,  20,  20,  10,  30, 225,  50,  40,  50,  40}, 5},
    {Mech,    "Поющий клинок",                250, {  5,   0,   5,  35,   0,   0,   0,  20,  35,  20}, 0},
    {Mech,    "Рунный меч угрозы",            250, {  5,   5,   0,  35,   0,   0,  40,  25,   0,  25}, 0},
    {Mech,    "Меч заката",                   350, {  5,   5,   5,  40,   0,   0,  40,  10,  40,  10}, 0},
    {Mech,    "Меч прощения",                 550, { 10,   5,  10,  45,   0,   0,   0,  30,  60,  30}, 0},
    {Mech,    "Меч шёпота",                   750, { 10,  10,   5,  50,   0,   0,  60,  50,   0,  30}, 0},
    {Mech,    "Меч опустошения",             1100, { 10,  15,  15,  55,   0,   0,  40,  35,  40,  35}, 0},
    {Mech,    "Жезл пустынных ветров",       1500, { 15,  15,  15,  65,   0,   0,   0,  50,  75,  50}, 0},
    {Mech,    "Меч дракона",                 2000, { 20,  20,  20,  75,   0,   0,  50,  50,  50,  50}, 5},
    {Topor,   "Топор дровосека",              200, {  0,   0,   0,  10,   0,   0,   0,   0,   0,   0}, 0},
    {Topor,   "Топор первой битвы",           225, {  5,   0,   5,  30,   0,   0,   0,  20,  30,  20}, 0},
    {Topor,   "Топор древнего проклятья",     225, {  5,   5,   0,  30,   0,   0,  30,  20,   0,  20}, 0},
    {Topor,   "Мифический топор",             325, {  5,   5,   5,  35,   0,   0,  35,  10,  35,  10}, 0},
    {Topor,   "Топор заката",                 500, { 10,   5,  10,  40,   0,   0,   0,  25,  50,  25}, 0},
    {Topor,   "Топор повелителя",             725, { 10,  10,   5,  45,   0,   0,  50,  40,   0,  40}, 0},
    {Topor,   "Топор могущества",            1000, { 10,  15,  15,  50,   0,   0,  50,  25,  50,  25}, 0},
    {Topor,   "Топор тишины",                1400, { 15,  15,  15,  60,   0,   0,   0,  45,  75,  45}, 0},
    {Topor,   "Топор дракона",               1800, { 20,  20,  20,  70,   0,   0,  50,  30,  50,  30}, 5},
    {Drob,    "Кистень кровавых слёз",        225, {  5,   0,   5,  35,   0,   0,   0,  20,  20,  20}, 0},
    {Drob,    "Молот последней молитвы",      225, {  5,   5,   0,  35,   0,   0,  20,  20,   0,  20}, 0},
    {Drob,    "Булава неизбежности",          400, {  5,   5,   5,  40,   0,   0,  30,  20,  30,  20}, 0},
    {Drob,    "Булава заката",                650, { 10,  10,  10,  45,   0,   0,   0,  35,  40,  35}, 0},
    {Drob,    "Дубинка стража",               900, { 10,  15,  10,  50,   0,   0,  50,  40,   0,  40}, 0},
    {Drob,    "Молот неотвратимости",        1350, { 15,  15,  15,  65,   0,   0,   0,  45,  65,  45}, 0},
    {Drob,    "Булава дракона",              1800, { 20,  20,  20,  75,   0,   0,  45,  30,  45,  30}, 5},
    {Nozh,    "Кинжал мечтаний",              200, {  5,   0,   5,  20,   0,   0,   0,  15,  30,  15}, 0},
    {Nozh,    "Кинжал ливня",                 200, {  5,   5,   0,  20,   0,   0,  30,  15,   0,  30}, 0},
    {Nozh,    "Стилет отрицания",             250, {  5,   5,   5,  15,   0,   0,  30,   0,  30,   0}, 0},
    {Nozh,    "Кинжал заката",                500, {  5,   5,  10,  30,   0,   0,   0,  30,  50,  30}, 0},
    {Nozh,    "Кинжал последнего вздоха",     600, { 10,  10,   5,  30,   0,   0,  50,  15,   0,  30}, 0},
    {Nozh,    "Холодный кинжал",              750, { 10,  10,  10,  30,   0,   0,  25,  25,  25,  25}, 0},
    {Nozh,    "Нож пустынных ветров",        1250, { 15,  10,  15,  50,   0,   0,   0,  50,  50,  50}, 0},
    {Nozh,    "Нож дракона",                 1750, { 15,  20,  15,  60,   0,   0,  40,  40,  40,  40}, 5},
    {Poyas,   "Широкий пояс благородства",    125, {  5,   0,   5,   0,  10,  50,   0,   5,  40,   5}, 0},
    {Poyas,   "Пояс чёрной росы",             125, {  5,   5,   0,   0,  10,  50,  40,   5,   0,   5}, 0},
    {Poyas,   "Пояс кровавого мщения",        300, {  0,   5,   5,   0,  25,  50,  30,  10,  30,  10}, 0},
    {Poyas,   "Пояс заката",                  600, {  5,  10,  10,   0,  30, 100,   0,   5,  70,   5}, 0},
    {Poyas,   "Пояс пустынных ветров",        900, { 10,  10,  10,   0,  40, 150,  90,  15,   0,  15}, 0},
    {Poyas,   "Пояс дракона",                1400, { 10,  15,  15,  10,  50, 200,  60,  20,  60,  20}, 5},
    {Sapogi,  "Мягкие сапожки",               130, {  5,   0,   5,   0,  15,  30,   0,  10,  30,  10}, 0},
    {Sapogi,  "Укреплённые сапоги",           150, {  5,   5,   0,   0,  15,  30,  30,  15,   0,  15}, 0},
    {Sapogi,  "Сапоги безумного бога",        325, {  0,   5,   5,   0,  35,  35,  25,  15,  25,  15}, 0},
    {Sapogi,  "Сапоги заката",                630, {  5,  10,  10,   0,  40,  50,   0,  20,  40,  20}, 0},
    {Sapogi,  "Сапожки пустынных ветров",     940, { 10,  10,  10,   0,  40, 150,  60,  30,   0,  30}, 0},
    {Sapogi,  "Сапоги дракона",              1450, { 10,  15,  15,  15,  60, 175,  50,  30,  50,  30}, 5},
    {Naruchi, "Наручи твёрдости",             150, {  5,   0,   5,   0,  15,  45,   0,  20,  10,  20}, 0},
    {Naruchi, "Наручи угрозы",                175, {  5,   5,   0,   0,  15,  50,  20,  20,   0,  20}, 0},
    {Naruchi, "Наручи содрогания",            350, {  0,   5,   5,   0,  35,  55,  20,  25,  20,  25}, 0},
    {Naruchi, "Наручи заката",                650, {  5,  10,  10,   0,  40,  60,   0,  30,  30,  30}, 0},
    {Naruchi, "Наручи пустынных ветров",     1000, { 10,  10,  10,   0,  40, 175,  40,  40,   0,  40}, 0},
    {Naruchi, "Наручи дракона",              1500, { 15,  10,  15,  15,  60, 200,  40,  40,  40,  40}, 5},
    {Perchi,  "Перчатки ночного неба",        130, {  5,   0,   5,   0,  15,  50,   0,  10,  25,  10}, 0},
    {Perchi,  "Перчатки лавы",                130, {  5,   5,   0,   0,  15,  50,  25,  10,   0,  10}, 0},
    {Perchi,  "Перчатки заката",              310, {  0,   5,   5,   0,  30,  50,  25,  10,  25,  10}, 0},
    {Perchi,  "Перчатки безумной ярости",     620, {  5,  10,  10,   0,  40, 100,   0,  15,  40,  15}, 0},
    {Perchi,  "Перчатки пустынных ветров",    950, { 10,  10,  10,   0,  50, 150,  85,  15,   0,  15}, 0},
    {Perchi,  "Перчатки дракона",            1500, { 10,  15,  15,  15,  55, 210,  55,  25,  55,  25}, 5},
    {Shit,    "Щит покорения",                300, {  0,  10,  10,   0,  50,  50,   0,   0,  50,   0}, 0},
    {Shit,    "Щит заката",                   750, {  0,  15,  15,  15,  75,  75,  75,   0,   0,   0}, 0},
    {Shit,    "Щит дракона",                 1200, {  0,  20,  20,  20, 125, 125,  75,   0,  75,   0}, 5},
    {Kolco,   "Кольцо провидца",              150, {  5,   0,   5,   0,   5,  50,   0,  20,  30,  20}, 0},
    {Kolco,   "Кольцо долголетия",            150, {  5,   5,   0,   0,  10,  50,  20,  20,   0,  20}, 0},
    {Kolco,   "Кольцо симметрии",             250, {  0,   5,   5,   0,  15,  75,  20,  20,  20,  20}, 0},
    {Kolco,   "Кольцо отваги",                400, {  5,   5,  10,   0,  20, 100,   0,  30,  30,  30}, 0},
    {Kolco,   "Кольцо прорыва",               600, {  5,  10,  10,   0,  25, 100,  40,  30,   0,  30}, 0},
    {Kolco,   "Кольцо заката",                850, { 10,  10,  10,   0,  30, 125,  30,  30,  30,  30}, 0},
    {Kolco,   "Кольцо пустынных ветров",     1000, { 10,  15,  15,   5,  35, 125,  20,  50,  20,  50}, 0},
    {Kolco,   "Кольцо дракона",              1400, {  5,  20,  20,  10,  40, 150,  50,  50,  50,  50}, 5},
    {Bronya,  "Доспех равнодушия",            200, {  5,   0,   5,   0,  30,  50,   0,  10,  30,  10}, 0},
    {Bronya,  "Рыцарские латы",               250, {  5,   5,   0,   0,  30,  60,  40,  10,   0,  10}, 0},
    {Bronya,  "Латы покровителя",             500, { 10,   5,   5,   0,  50, 100,  25,  10,  25,  10}, 0},
    {Bronya,  "Доспех заката",                850, { 20,   5,   5,   0,  75, 150,   0,  25,  50,  25}, 0},
    {Bronya,  "Мантия пустынных ветров",     1250, { 25,   5,   5,   0, 100, 200,  60,  25,   0,  25}, 0},
    {Bronya,  "Доспех дракона",              1600, { 30,   5,   5,  10, 125, 250,  30,  30,  30,  30}, 5},
    {Kolch,   "Кольчуга заката",              250, {  5,   0,   5,   0,  25,  60,   0,  15,  40,  15}, 0},
    {Kolch,   "Кольчуга преимущества",        500, { 10,   5,   5,   0,  45, 100,  40,  20,   0,  20}, 0},
    {Kolch,   "Кольчуга равновесия",          750, { 20,   5,   5,   0,  65, 150,  30,  15,  30,  15}, 0},
    {Kolch,   "Кольчуга значимости",         1000, { 25,   5,   5,   0,  80, 175,   0,  25,  50,  25}, 0},
    {Kolch,   "Кольчуга атаки",              1250, { 15,  10,  10,  10,  90, 175,  30,  25,  30,  25}, 0},
};
// clang-format on

// Where a potion or scroll goes: a belt slot, the pocket, or used from the backpack.
enum class Carried { Belt, Pocket, Used };
using enum Carried;

struct ConsumableRow {
  ShopCategory category;
  const char* name;
  int price;
  std::array<const char*, 2> effectLines;  // nullptr = none
  const char* requirementNote;
  int health;  // the health requirement, 0 = none
  Carried carried;
};

// clang-format off
const ConsumableRow kConsumables[] = {
    //                                          Effect lines                   Requirement note           Health
    {Zelik,  "Зелье просветления",          50, {"Опыт за бой: 25%"},          nullptr,                       5, Belt},
    {Zelik,  "Зелье яда",                  100, {"ХП соперника: -10% за ход"}, "Максимум = 1 зелье за бой",  10, Belt},
    {Zelik,  "Зелье силы",                 150, {"Сила: 25%"},                 nullptr,                      15, Belt},
    {Zelik,  "Зелье ловкости",             150, {"Ловкость: 25%"},             nullptr,                      15, Belt},
    {Zelik,  "Зелье удачи",                150, {"Удача: 25%"},                nullptr,                      15, Belt},
    {Zelik,  "Зелье ХП",                   175, {"ХП: 25%"},                   nullptr,                      20, Belt},
    {Zelik,  "Зелье загрубелой кожи",      200, {"КБ: 25%"},                   nullptr,                      25, Belt},
    {Zelik,  "Зелье колкости",             200, {"Удар: 25%"},                 nullptr,                      25, Belt},
    {Zelik,  "Зелье панциря",              250, {"Удар: 15%", "КБ: 15%"},      nullptr,                      30, Belt},
    {Zelik,  "Зелье подвижности",          300, {"ОД: 25"},                    nullptr,                      35, Belt},
    {Svitok, "Свиток боя",                  10, {"Начать бой"},                nullptr,                       0, Used},
    {Svitok, "Свиток телепорта в город",    50, {},                            nullptr,                       0, Used},
    {Svitok, "Свиток телепорта к Мастеру", 250, {},                            nullptr,                       0, Used},
    {Svitok, "Свиток силы",                350, {"Сила: 50%"},                 nullptr,                      15, Pocket},
    {Svitok, "Свиток ХП",                  400, {"ХП: 50%"},                   nullptr,                      20, Pocket},
    {Svitok, "Свиток каменной кожи",       450, {"КБ: 50%"},                   nullptr,                      25, Pocket},
    {Svitok, "Свиток ярости",              450, {"Удар: 50%"},                 nullptr,                      25, Pocket},
    {Svitok, "Свиток проклятия",           475, {"Все МФ соперника: -25%"},    nullptr,                      30, Pocket},
    {Svitok, "Свиток величия",             475, {"Все МФ: 25%"},               nullptr,                      30, Pocket},
    {Svitok, "Свиток женской злости",      525, {"ХП соперника: -50%"},        nullptr,                      35, Pocket},
    {Svitok, "Свиток урагана",             550, {"ХП соперника: -25% за ход"}, nullptr,                      40, Pocket},
};
// clang-format on

// The kinds only fight loot gives; each set is named by the last word of its names.
struct LootRow {
  const char* name;
  int price;
  StatColumns modifiers;
  const char* slot;
};

// clang-format off
const LootRow kLoot[] = {
    //                            Сила Ловк Удач Удар   КБ   ХП Улов Точн Сокр Стой  Slot
    {"Доспех гоблина",       600, { 30,  15,   5,  15, 150, 275,  25,  50,  25,  50}, "Bronya"},
    {"Каска гоблина",        600, { 15,  20,  15,  20,  80, 225,  80,  50,  80,  50}, "Shlem"},
    {"Наручи гоблина",       600, { 15,  15,  15,  15,  70, 215,  75,  50,  75,  50}, "Naruchi"},
    {"Оберег гоблина",       600, { 20,  20,  20,  15,  40, 225,  50,  50,  50,  50}, "Amulet"},
    {"Палаш гоблина",        600, { 20,  25,  20,  80,   0,   0,  75,  75,  50,  50}, "Oruzhie"},
    {"Перстень гоблина",     600, { 10,  20,  20,  15,  45, 175,  75,  75,  50,  50}, "Kolco1"},
    {"Перчатки гоблина",     600, { 15,  15,  15,  15,  60, 210,  50,  50,  50,  50}, "Perchi"},
    {"Пояс гоблина",         600, { 10,  20,  15,  10,  65, 225, 110,  20, 110,  20}, "Poyas"},
    {"Сандалии гоблина",     600, { 15,  15,  15,  15,  70, 195,  75,  50,  50,  50}, "Sapogi"},
    {"Щит гоблина",          600, {  0,  30,  20,  25, 150, 150, 125,   0,  75,   0}, "Shit"},
    {"Амулет орка",          800, { 20,  20,  30,  15,  40, 225,  75,  50,  75,  50}, "Amulet"},
    {"Броня орка",           800, { 30,   5,  15,  15, 175, 300,  50,  50,  50,  50}, "Bronya"},
    {"Кольцо орка",          800, { 20,  20,  20,  15,  45, 175,  50,  50,  75,  75}, "Kolco1"},
    {"Наручи орка",          800, { 15,  15,  20,  15,  75, 225,  75,  75,  75,  75}, "Naruchi"},
    {"Перчатки орка",        800, { 15,  20,  20,  15,  60, 210,  75,  50,  75,  50}, "Perchi"},
    {"Пояс орка",            800, { 10,  20,  20,  10,  70, 275, 110,  20, 110,  70}, "Poyas"},
    {"Сапоги орка",          800, { 20,  15,  15,  15,  75, 205,  50,  75,  75,  75}, "Sapogi"},
    {"Шлем орка",            800, { 15,  15,  25,  20,  80, 225,  80,  75,  80,  75}, "Shlem"},
    {"Щит орка",             800, {  0,  30,  30,  30, 175, 175, 125,   0, 125,   0}, "Shit"},
    {"Ятаган орка",          800, { 20,  25,  25,  85,   0,   0,  75,  75,  75,  75}, "Oruzhie"},
    {"Кольцо хранителя",    1000, { 20,  20,  30,  20,  50, 200,  50,  75, 100,  75}, "Kolco1"},
    {"Нож хранителя",       1000, { 20,  30,  20,  80,   0,   0, 100,  75,  50,  75}, "Shit"},
    {"Кольцо леса",         1200, { 20,  30,  30,  30,  75, 250, 100,  75, 100,  75}, "Kolco1"},
    {"Нож леса",            1200, { 20,  30,  30, 100,   0,   0, 100,  75, 100,  75}, "Shit"},
    {"Оберег леса",         1200, { 30,  30,  30,  30,  75, 250, 100,  75, 100,  75}, "Amulet"},
    {"Перчатки леса",       1200, { 15,  30,  30,  30, 100, 250, 100,  75, 100,  75}, "Perchi"},
    {"Трезубец леса",       1200, { 30,  30,  30, 110,   0,   0, 100, 100, 100, 100}, "Oruzhie"},
    {"Кольцо судьбы",       1400, { 20,  40,  30,  40, 100, 300, 125, 100,  75, 100}, "Kolco1"},
    {"Нож судьбы",          1400, { 20,  30,  40, 120,   0,   0,  75, 100, 125, 100}, "Shit"},
    {"Перчатки судьбы",     1400, { 25,  30,  30,  40, 125, 300,  75, 125,  75, 125}, "Perchi"},
    {"Броня льда",          1600, { 40,  20,  30,  50, 350, 500, 100, 100, 100, 100}, "Bronya"},
    {"Клинок льда",         1600, { 30,  30,  40, 140,   0,   0, 125, 100, 125, 100}, "Shit"},
    {"Кольцо льда",         1600, { 30,  40,  30,  50, 125, 350, 125, 100, 125, 100}, "Kolco1"},
    {"Броня равновесия",    1800, { 40,  30,  30,  60, 400, 600, 100, 150, 100, 150}, "Bronya"},
    {"Наручи равновесия",   1800, { 35,  30,  30,  60, 175, 400, 125, 150, 125, 150}, "Naruchi"},
    {"Нож равновесия",      1800, { 30,  40,  40, 160,   0,   0, 175, 100, 175, 100}, "Shit"},
    {"Амулет разрушения",   2000, { 30,  45,  45,  70, 175, 500, 150, 150, 150, 150}, "Amulet"},
    {"Кольцо разрушения",   2000, { 35,  40,  40,  70, 175, 500, 150, 150, 150, 150}, "Kolco1"},
    {"Нож разрушения",      2000, { 40,  40,  40, 180,   0,   0, 200, 100, 200, 100}, "Shit"},
    {"Оружие разрушения",   2000, { 40,  45,  45, 190,   0,   0, 200, 125, 200, 125}, "Oruzhie"},
    {"Перчатки разрушения", 2000, { 30,  40,  40,  70, 200, 500, 175, 125, 175, 125}, "Perchi"},
    {"Сапоги разрушения",   2000, { 30,  40,  40,  70, 210, 480, 170, 130, 170, 130}, "Sapogi"},
    {"Броня охранника",     2200, { 40,  40,  40,  80, 500, 900, 150, 150, 150, 150}, "Bronya"},
    {"Дубина охранника",    2200, { 40,  50,  50, 210,   0,   0, 200, 175, 200, 175}, "Oruzhie"},
    {"Кольцо охранника",    2200, { 35,  45,  45,  80, 200, 550, 200, 150, 200, 150}, "Kolco1"},
    {"Наручи охранника",    2200, { 35,  40,  40,  80, 225, 550, 175, 175, 175, 175}, "Naruchi"},
    {"Перчатки охранника",  2200, { 40,  40,  40,  80, 225, 550, 170, 175, 170, 175}, "Perchi"},
    {"Пояс охранника",      2200, { 40,  40,  40,  75, 225, 600, 175, 170, 175, 170}, "Poyas"},
    {"Сапоги охранника",    2200, { 40,  40,  40,  80, 235, 530, 170, 180, 170, 180}, "Sapogi"},
    {"Цеп охранника",       2200, { 40,  45,  45, 200,   0,   0, 200, 150, 200, 150}, "Shit"},
    {"Амулет света",        2400, { 40,  50,  50,  90, 225, 600, 200, 175, 200, 175}, "Amulet"},
    {"Броня света",         2400, { 40,  45,  45,  90, 550, 1000, 175, 150, 175, 150}, "Bronya"},
    {"Когти света",         2400, { 40,  50,  50, 220,   0,   0, 200, 175, 200, 175}, "Shit"},
    {"Кольцо света",        2400, { 35,  50,  50,  90, 225, 600, 200, 175, 200, 175}, "Kolco1"},
    {"Перчатки света",      2400, { 40,  45,  45,  90, 250, 600, 170, 200, 170, 200}, "Perchi"},
    {"Сапоги света",        2400, { 40,  45,  45,  90, 260, 580, 170, 205, 170, 205}, "Sapogi"},
    {"Шлем света",          2400, { 45,  45,  45,  95, 260, 600, 180, 200, 180, 200}, "Shlem"},
    {"Доспех тьмы",         2600, { 40,  50,  50, 100, 600, 1100, 200, 150, 200, 150}, "Bronya"},
    {"Кинжал тьмы",         2600, { 40,  55,  55, 240,   0,   0, 225, 175, 225, 175}, "Shit"},
    {"Кольцо тьмы",         2600, { 35,  55,  55, 100, 250, 650, 225, 175, 225, 175}, "Kolco1"},
    {"Наручи тьмы",         2600, { 35,  50,  50, 100, 275, 650, 225, 175, 225, 175}, "Naruchi"},
    {"Перчатки тьмы",       2600, { 40,  50,  50, 100, 275, 650, 170, 225, 170, 225}, "Perchi"},
    {"Пояс тьмы",           2600, { 40,  50,  50,  95, 275, 700, 225, 170, 225, 170}, "Poyas"},
    {"Сапоги тьмы",         2600, { 40,  50,  50, 100, 285, 630, 170, 230, 170, 230}, "Sapogi"},
    {"Шлем тьмы",           2600, { 45,  50,  50, 105, 285, 650, 180, 225, 180, 225}, "Shlem"},
    {"Алебарда друга",      2800, { 50,  60,  60, 280,   0,   0, 250, 200, 250, 200}, "Oruzhie"},
    {"Амулет Мастера",      3000, { 50,  55,  55, 110, 275, 700, 200, 225, 200, 225}, "Amulet"},
    {"Броня Мастера",       3000, { 60,  50,  50, 120, 700, 1300, 200, 200, 200, 200}, "Bronya"},
    {"Кольцо Мастера",      3000, { 45,  60,  60, 120, 300, 750, 225, 225, 225, 225}, "Kolco1"},
    {"Меч Мастера",         3000, { 60,  60,  60, 300,   0,   0, 250, 225, 250, 225}, "Oruzhie"},
    {"Наручи Мастера",      3000, { 35,  60,  60, 120, 325, 750, 225, 225, 225, 225}, "Naruchi"},
    {"Перчатки Мастера",    3000, { 50,  55,  55, 120, 325, 750, 220, 225, 220, 225}, "Perchi"},
    {"Пояс Мастера",        3000, { 40,  60,  60, 115, 325, 800, 225, 220, 225, 220}, "Poyas"},
    {"Сапоги Мастера",      3000, { 40,  60,  60, 120, 335, 730, 220, 230, 220, 230}, "Sapogi"},
    {"Шлем Мастера",        3000, { 55,  55,  55, 125, 335, 750, 230, 225, 230, 225}, "Shlem"},
    {"Щит Мастера",         3000, {  0,  80,  80, 125, 500, 500, 450,   0, 450,   0}, "Shit"},
};
// clang-format on

struct GemRow {
  const char* word;
  StatColumns perLevel;  // the bonus of level 1; level L gives L times as much
};

// clang-format off
const GemRow kGems[] = {
    //          Сила Ловк Удач Удар   КБ   ХП Улов Точн Сокр Стой
    {"Алмаз",   {  0,   0,   0,  15,  30,   0,   0,   0,   0,   0}},
    {"Рубин",   {  0,  10,   0,   0,   0,   0,  25,  25,   0,   0}},
    {"Топаз",   {  0,  10,   0,   0,   0,   0,  25,   0,   0,  25}},
    {"Изумруд", {  0,   0,  10,   0,   0,   0,   0,  25,  25,   0}},
    {"Сапфир",  {  0,   0,  10,   0,   0,   0,   0,   0,  25,  25}},
};
// clang-format on
constexpr int kGemLevels = 5;
constexpr int kGemPricePerLevel = 25;

// Bundles of logs by count, with the Russian plural.
const char* const kLogs[] = {"Поленья (1 штука)", "Поленья (2 штуки)", "Поленья (3 штуки)",
                             "Поленья (4 штуки)", "Поленья (5 штук)"};
constexpr int kLogPricePerPiece = 40;
constexpr const char* kLogsWord = "Поленья";

// "Сапоги заката" show "КБ: 40" but wearing them changes AttKB by this much.
constexpr const char* kSunsetBoots = "Сапоги заката";
constexpr int kSunsetBootsWornKB = 50;

std::vector<Modifier> ModifiersOf(const StatColumns& columns, int times = 1) {
  std::vector<Modifier> modifiers;
  for (int i = 0; i < kStatWordCount; ++i) {
    if (columns[i] != 0) modifiers.push_back({static_cast<StatWord>(i), columns[i] * times});
  }
  return modifiers;
}

std::string LastWord(const std::string& name) { return name.substr(name.rfind(' ') + 1); }

ItemKind ShopKind(ShopCategory category, const char* name, int price) {
  ItemKind kind;
  kind.name = name;
  kind.itemClass = ItemClass::Shop;
  kind.category = category;
  kind.slot = kShopCategories[static_cast<int>(category)].slot;
  kind.price = price;
  return kind;
}

ItemKind WearableKind(const WearableRow& row) {
  ItemKind kind = ShopKind(row.category, row.name, row.price);
  kind.modifiers = ModifiersOf(row.modifiers);
  kind.levelRequirement = row.level;
  return kind;
}

ItemKind ConsumableKind(const ConsumableRow& row) {
  ItemKind kind = ShopKind(row.category, row.name, row.price);
  if (row.carried == Used) kind.slot.clear();
  for (const char* line : row.effectLines) {
    if (line) kind.effectLines.emplace_back(line);
  }
  if (row.requirementNote) kind.requirementNote = row.requirementNote;
  kind.healthRequirement = row.health;
  return kind;
}

ItemKind LootKind(const LootRow& row) {
  ItemKind kind;
  kind.name = row.name;
  kind.itemClass = ItemClass::Loot;
  kind.lootSet = LastWord(kind.name);
  kind.slot = row.slot;
  kind.price = row.price;
  kind.modifiers = ModifiersOf(row.modifiers);
  return kind;
}

ItemKind GemKind(const GemRow& row, int level) {
  ItemKind kind;
  kind.name = std::string(row.word) + " [" + std::to_string(level) + "]";
  kind.itemClass = ItemClass::Gem;
  kind.price = kGemPricePerLevel * level;
  kind.modifiers = ModifiersOf(row.perLevel, level);
  return kind;
}

ItemKind LogsKind(const char* name, int count) {
  ItemKind kind;
  kind.name = name;
  kind.itemClass = ItemClass::Logs;
  kind.price = kLogPricePerPiece * count;
  return kind;
}

std::vector<ItemKind> BuildCatalogue() {
  std::vector<ItemKind> kinds;
  // Potions and scrolls are the last two tabs, so the shop kinds keep their tab order.
  for (const auto& row : kWearables) kinds.push_back(WearableKind(row));
  for (const auto& row : kConsumables) kinds.push_back(ConsumableKind(row));
  for (const auto& row : kLoot) kinds.push_back(LootKind(row));
  for (const auto& row : kGems) {
    for (int level = 1; level <= kGemLevels; ++level) kinds.push_back(GemKind(row, level));
  }
  int count = 0;
  for (const char* name : kLogs) kinds.push_back(LogsKind(name, ++count));
  return kinds;
}

const std::vector<ItemKind>& Catalogue() {
  static const std::vector<ItemKind> kinds = BuildCatalogue();
  return kinds;
}

const std::unordered_map<std::string_view, const ItemKind*>& Index() {
  static const auto index = [] {
    std::unordered_map<std::string_view, const ItemKind*> byName;
    for (const ItemKind& kind : Catalogue()) byName.emplace(kind.name, &kind);
    return byName;
  }();
  return index;
}

}  // namespace

const char* StatWordText(StatWord word) { return kStatWords[static_cast<int>(word)].text; }

int GameState::*StatWordField(StatWord word) { return kStatWords[static_cast<int>(word)].field; }

const char* ShopCategoryKey(ShopCategory category) {
  return kShopCategories[static_cast<int>(category)].key;
}

const char* ShopCategoryCaption(ShopCategory category) {
  return kShopCategories[static_cast<int>(category)].caption;
}

int ItemKind::WornAmount(StatWord word) const {
  if (name == kSunsetBoots && word == KB) return kSunsetBootsWornKB;
  for (const Modifier& modifier : modifiers) {
    if (modifier.word == word) return modifier.amount;
  }
  return 0;
}

std::span<const ItemKind> AllItemKinds() { return Catalogue(); }

const ItemKind* FindItem(std::string_view name) {
  const auto& index = Index();
  const auto found = index.find(name);
  return found == index.end() ? nullptr : found->second;
}

std::vector<const ItemKind*> ShopKinds(ShopCategory category) {
  std::vector<const ItemKind*> kinds;
  for (const ItemKind& kind : Catalogue()) {
    if (kind.category == category) kinds.push_back(&kind);
  }
  return kinds;
}

std::optional<std::string> GemWordIn(std::string_view text) {
  for (const auto& gem : kGems) {
    if (text.find(gem.word) != std::string_view::npos) return gem.word;
  }
  return std::nullopt;
}

bool IsLogs(std::string_view text) { return text.find(kLogsWord) != std::string_view::npos; }
