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
    {QT_TRANSLATE_NOOP("Stat", "Сила"), &GameState::AttPower},
    {QT_TRANSLATE_NOOP("Stat", "Ловкость"), &GameState::AttDexterity},
    {QT_TRANSLATE_NOOP("Stat", "Удача"), &GameState::AttGoodLuck},
    {QT_TRANSLATE_NOOP("Stat", "Удар"), &GameState::AttKick},
    {QT_TRANSLATE_NOOP("Stat", "КБ"), &GameState::AttKB},
    {QT_TRANSLATE_NOOP("Stat", "ХП"), &GameState::AttHP},
    {QT_TRANSLATE_NOOP("Stat", "Уловка"), &GameState::AttUlov},
    {QT_TRANSLATE_NOOP("Stat", "Точность"), &GameState::AttToch},
    {QT_TRANSLATE_NOOP("Stat", "Сокрушение"), &GameState::AttSokr},
    {QT_TRANSLATE_NOOP("Stat", "Стойкость"), &GameState::AttStoi},
};

struct ShopCategoryInfo {
  const char* key;
  const char* caption;
  const char* slot;  // what wearing uses
};

// clang-format off
const ShopCategoryInfo kShopCategories[kShopCategoryCount] = {
    {"Shlem",   QT_TRANSLATE_NOOP("ShopTab", "Шлемы"),     "Shlem"},
    {"Amulet",  QT_TRANSLATE_NOOP("ShopTab", "Амулеты"),   "Amulet"},
    {"Mech",    QT_TRANSLATE_NOOP("ShopTab", "Мечи"),      "Oruzhie"},
    {"Topor",   QT_TRANSLATE_NOOP("ShopTab", "Топоры"),    "Oruzhie"},
    {"Drob",    QT_TRANSLATE_NOOP("ShopTab", "Дробящее"),  "Oruzhie"},
    {"Nozh",    QT_TRANSLATE_NOOP("ShopTab", "Ножи"),      "Shit"},
    {"Poyas",   QT_TRANSLATE_NOOP("ShopTab", "Пояса"),     "Poyas"},
    {"Sapogi",  QT_TRANSLATE_NOOP("ShopTab", "Сапоги"),    "Sapogi"},
    {"Naruchi", QT_TRANSLATE_NOOP("ShopTab", "Наручи"),    "Naruchi"},
    {"Perchi",  QT_TRANSLATE_NOOP("ShopTab", "Перчатки"),  "Perchi"},
    {"Shit",    QT_TRANSLATE_NOOP("ShopTab", "Щиты"),      "Shit"},
    {"Kolco",   QT_TRANSLATE_NOOP("ShopTab", "Кольца"),    "Kolco1"},
    {"Bronya",  QT_TRANSLATE_NOOP("ShopTab", "Доспехи"),   "Bronya"},
    {"Kolch",   QT_TRANSLATE_NOOP("ShopTab", "Кольчуги"),  "Kolch"},
    {"Zelik",   QT_TRANSLATE_NOOP("ShopTab", "Зелья"),     "SodPoyas1"},
    {"Svitok",  QT_TRANSLATE_NOOP("ShopTab", "Свитки"),    "SodKarman"},
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
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем слепоты"),                 150, {  5,   0,   5,   0,  15,  50,   0,  10,  30,  10}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем лавы"),                    150, {  5,   5,   0,   0,  15,  50,  30,  10,   0,  30}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем исхода"),                  200, {  0,   5,   5,   0,  15,  50,  30,  10,  30,  10}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Корона великолепия"),           500, {  5,   5,  10,   0,  30, 100,   0,  30,  40,  30}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем заката"),                  600, {  5,  10,  10,   0,  25, 100,  50,  15,   0,  30}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем постоянства"),             700, {  5,  10,  10,   0,  30, 100,  15,  35,  15,  35}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем приговора"),              1000, { 10,  10,  10,   5,  40, 150,  30,  30,  30,  30}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Диадема пустынных ветров"),    1300, { 15,  10,  15,  10,  50, 150,   0,  50,  50,  50}, 0},
    {Shlem,   QT_TRANSLATE_NOOP("Item", "Шлем дракона"),                1750, { 15,  20,  15,  20,  75, 200,  40,  40,  40,  40}, 5},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Амулет смертельного взгляда"),  175, {  5,   0,   5,   0,   5,  75,   0,  15,  30,  15}, 0},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Амулет волхвов"),               200, {  5,   5,   0,   0,   5,  80,  40,  15,   0,  15}, 0},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Кулон пустоты"),                250, {  0,   5,   5,   0,   5, 100,  30,  10,  30,  10}, 0},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Амулет безумной ярости"),       500, { 10,   5,   5,   0,  15, 125,   0,  25,  50,  25}, 0},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Кулон заката"),                 650, { 10,  10,   5,   0,  15, 150,  50,  30,   0,  30}, 0},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Амулет пустынных ветров"),     1000, { 10,  15,  15,   5,  25, 200,  30,  50,  30,  50}, 0},
    {Amulet,  QT_TRANSLATE_NOOP("Item", "Кулон дракона"),               1500, { 15,  20,  20,  10,  30, 225,  50,  40,  50,  40}, 5},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Поющий клинок"),                250, {  5,   0,   5,  35,   0,   0,   0,  20,  35,  20}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Рунный меч угрозы"),            250, {  5,   5,   0,  35,   0,   0,  40,  25,   0,  25}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Меч заката"),                   350, {  5,   5,   5,  40,   0,   0,  40,  10,  40,  10}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Меч прощения"),                 550, { 10,   5,  10,  45,   0,   0,   0,  30,  60,  30}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Меч шёпота"),                   750, { 10,  10,   5,  50,   0,   0,  60,  50,   0,  30}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Меч опустошения"),             1100, { 10,  15,  15,  55,   0,   0,  40,  35,  40,  35}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Жезл пустынных ветров"),       1500, { 15,  15,  15,  65,   0,   0,   0,  50,  75,  50}, 0},
    {Mech,    QT_TRANSLATE_NOOP("Item", "Меч дракона"),                 2000, { 20,  20,  20,  75,   0,   0,  50,  50,  50,  50}, 5},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор дровосека"),              200, {  0,   0,   0,  10,   0,   0,   0,   0,   0,   0}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор первой битвы"),           225, {  5,   0,   5,  30,   0,   0,   0,  20,  30,  20}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор древнего проклятья"),     225, {  5,   5,   0,  30,   0,   0,  30,  20,   0,  20}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Мифический топор"),             325, {  5,   5,   5,  35,   0,   0,  35,  10,  35,  10}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор заката"),                 500, { 10,   5,  10,  40,   0,   0,   0,  25,  50,  25}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор повелителя"),             725, { 10,  10,   5,  45,   0,   0,  50,  40,   0,  40}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор могущества"),            1000, { 10,  15,  15,  50,   0,   0,  50,  25,  50,  25}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор тишины"),                1400, { 15,  15,  15,  60,   0,   0,   0,  45,  75,  45}, 0},
    {Topor,   QT_TRANSLATE_NOOP("Item", "Топор дракона"),               1800, { 20,  20,  20,  70,   0,   0,  50,  30,  50,  30}, 5},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Кистень кровавых слёз"),        225, {  5,   0,   5,  35,   0,   0,   0,  20,  20,  20}, 0},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Молот последней молитвы"),      225, {  5,   5,   0,  35,   0,   0,  20,  20,   0,  20}, 0},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Булава неизбежности"),          400, {  5,   5,   5,  40,   0,   0,  30,  20,  30,  20}, 0},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Булава заката"),                650, { 10,  10,  10,  45,   0,   0,   0,  35,  40,  35}, 0},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Дубинка стража"),               900, { 10,  15,  10,  50,   0,   0,  50,  40,   0,  40}, 0},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Молот неотвратимости"),        1350, { 15,  15,  15,  65,   0,   0,   0,  45,  65,  45}, 0},
    {Drob,    QT_TRANSLATE_NOOP("Item", "Булава дракона"),              1800, { 20,  20,  20,  75,   0,   0,  45,  30,  45,  30}, 5},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Кинжал мечтаний"),              200, {  5,   0,   5,  20,   0,   0,   0,  15,  30,  15}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Кинжал ливня"),                 200, {  5,   5,   0,  20,   0,   0,  30,  15,   0,  30}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Стилет отрицания"),             250, {  5,   5,   5,  15,   0,   0,  30,   0,  30,   0}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Кинжал заката"),                500, {  5,   5,  10,  30,   0,   0,   0,  30,  50,  30}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Кинжал последнего вздоха"),     600, { 10,  10,   5,  30,   0,   0,  50,  15,   0,  30}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Холодный кинжал"),              750, { 10,  10,  10,  30,   0,   0,  25,  25,  25,  25}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Нож пустынных ветров"),        1250, { 15,  10,  15,  50,   0,   0,   0,  50,  50,  50}, 0},
    {Nozh,    QT_TRANSLATE_NOOP("Item", "Нож дракона"),                 1750, { 15,  20,  15,  60,   0,   0,  40,  40,  40,  40}, 5},
    {Poyas,   QT_TRANSLATE_NOOP("Item", "Широкий пояс благородства"),    125, {  5,   0,   5,   0,  10,  50,   0,   5,  40,   5}, 0},
    {Poyas,   QT_TRANSLATE_NOOP("Item", "Пояс чёрной росы"),             125, {  5,   5,   0,   0,  10,  50,  40,   5,   0,   5}, 0},
    {Poyas,   QT_TRANSLATE_NOOP("Item", "Пояс кровавого мщения"),        300, {  0,   5,   5,   0,  25,  50,  30,  10,  30,  10}, 0},
    {Poyas,   QT_TRANSLATE_NOOP("Item", "Пояс заката"),                  600, {  5,  10,  10,   0,  30, 100,   0,   5,  70,   5}, 0},
    {Poyas,   QT_TRANSLATE_NOOP("Item", "Пояс пустынных ветров"),        900, { 10,  10,  10,   0,  40, 150,  90,  15,   0,  15}, 0},
    {Poyas,   QT_TRANSLATE_NOOP("Item", "Пояс дракона"),                1400, { 10,  15,  15,  10,  50, 200,  60,  20,  60,  20}, 5},
    {Sapogi,  QT_TRANSLATE_NOOP("Item", "Мягкие сапожки"),               130, {  5,   0,   5,   0,  15,  30,   0,  10,  30,  10}, 0},
    {Sapogi,  QT_TRANSLATE_NOOP("Item", "Укреплённые сапоги"),           150, {  5,   5,   0,   0,  15,  30,  30,  15,   0,  15}, 0},
    {Sapogi,  QT_TRANSLATE_NOOP("Item", "Сапоги безумного бога"),        325, {  0,   5,   5,   0,  35,  35,  25,  15,  25,  15}, 0},
    {Sapogi,  QT_TRANSLATE_NOOP("Item", "Сапоги заката"),                630, {  5,  10,  10,   0,  40,  50,   0,  20,  40,  20}, 0},
    {Sapogi,  QT_TRANSLATE_NOOP("Item", "Сапожки пустынных ветров"),     940, { 10,  10,  10,   0,  40, 150,  60,  30,   0,  30}, 0},
    {Sapogi,  QT_TRANSLATE_NOOP("Item", "Сапоги дракона"),              1450, { 10,  15,  15,  15,  60, 175,  50,  30,  50,  30}, 5},
    {Naruchi, QT_TRANSLATE_NOOP("Item", "Наручи твёрдости"),             150, {  5,   0,   5,   0,  15,  45,   0,  20,  10,  20}, 0},
    {Naruchi, QT_TRANSLATE_NOOP("Item", "Наручи угрозы"),                175, {  5,   5,   0,   0,  15,  50,  20,  20,   0,  20}, 0},
    {Naruchi, QT_TRANSLATE_NOOP("Item", "Наручи содрогания"),            350, {  0,   5,   5,   0,  35,  55,  20,  25,  20,  25}, 0},
    {Naruchi, QT_TRANSLATE_NOOP("Item", "Наручи заката"),                650, {  5,  10,  10,   0,  40,  60,   0,  30,  30,  30}, 0},
    {Naruchi, QT_TRANSLATE_NOOP("Item", "Наручи пустынных ветров"),     1000, { 10,  10,  10,   0,  40, 175,  40,  40,   0,  40}, 0},
    {Naruchi, QT_TRANSLATE_NOOP("Item", "Наручи дракона"),              1500, { 15,  10,  15,  15,  60, 200,  40,  40,  40,  40}, 5},
    {Perchi,  QT_TRANSLATE_NOOP("Item", "Перчатки ночного неба"),        130, {  5,   0,   5,   0,  15,  50,   0,  10,  25,  10}, 0},
    {Perchi,  QT_TRANSLATE_NOOP("Item", "Перчатки лавы"),                130, {  5,   5,   0,   0,  15,  50,  25,  10,   0,  10}, 0},
    {Perchi,  QT_TRANSLATE_NOOP("Item", "Перчатки заката"),              310, {  0,   5,   5,   0,  30,  50,  25,  10,  25,  10}, 0},
    {Perchi,  QT_TRANSLATE_NOOP("Item", "Перчатки безумной ярости"),     620, {  5,  10,  10,   0,  40, 100,   0,  15,  40,  15}, 0},
    {Perchi,  QT_TRANSLATE_NOOP("Item", "Перчатки пустынных ветров"),    950, { 10,  10,  10,   0,  50, 150,  85,  15,   0,  15}, 0},
    {Perchi,  QT_TRANSLATE_NOOP("Item", "Перчатки дракона"),            1500, { 10,  15,  15,  15,  55, 210,  55,  25,  55,  25}, 5},
    {Shit,    QT_TRANSLATE_NOOP("Item", "Щит покорения"),                300, {  0,  10,  10,   0,  50,  50,   0,   0,  50,   0}, 0},
    {Shit,    QT_TRANSLATE_NOOP("Item", "Щит заката"),                   750, {  0,  15,  15,  15,  75,  75,  75,   0,   0,   0}, 0},
    {Shit,    QT_TRANSLATE_NOOP("Item", "Щит дракона"),                 1200, {  0,  20,  20,  20, 125, 125,  75,   0,  75,   0}, 5},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо провидца"),              150, {  5,   0,   5,   0,   5,  50,   0,  20,  30,  20}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо долголетия"),            150, {  5,   5,   0,   0,  10,  50,  20,  20,   0,  20}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо симметрии"),             250, {  0,   5,   5,   0,  15,  75,  20,  20,  20,  20}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо отваги"),                400, {  5,   5,  10,   0,  20, 100,   0,  30,  30,  30}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо прорыва"),               600, {  5,  10,  10,   0,  25, 100,  40,  30,   0,  30}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо заката"),                850, { 10,  10,  10,   0,  30, 125,  30,  30,  30,  30}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо пустынных ветров"),     1000, { 10,  15,  15,   5,  35, 125,  20,  50,  20,  50}, 0},
    {Kolco,   QT_TRANSLATE_NOOP("Item", "Кольцо дракона"),              1400, {  5,  20,  20,  10,  40, 150,  50,  50,  50,  50}, 5},
    {Bronya,  QT_TRANSLATE_NOOP("Item", "Доспех равнодушия"),            200, {  5,   0,   5,   0,  30,  50,   0,  10,  30,  10}, 0},
    {Bronya,  QT_TRANSLATE_NOOP("Item", "Рыцарские латы"),               250, {  5,   5,   0,   0,  30,  60,  40,  10,   0,  10}, 0},
    {Bronya,  QT_TRANSLATE_NOOP("Item", "Латы покровителя"),             500, { 10,   5,   5,   0,  50, 100,  25,  10,  25,  10}, 0},
    {Bronya,  QT_TRANSLATE_NOOP("Item", "Доспех заката"),                850, { 20,   5,   5,   0,  75, 150,   0,  25,  50,  25}, 0},
    {Bronya,  QT_TRANSLATE_NOOP("Item", "Мантия пустынных ветров"),     1250, { 25,   5,   5,   0, 100, 200,  60,  25,   0,  25}, 0},
    {Bronya,  QT_TRANSLATE_NOOP("Item", "Доспех дракона"),              1600, { 30,   5,   5,  10, 125, 250,  30,  30,  30,  30}, 5},
    {Kolch,   QT_TRANSLATE_NOOP("Item", "Кольчуга заката"),              250, {  5,   0,   5,   0,  25,  60,   0,  15,  40,  15}, 0},
    {Kolch,   QT_TRANSLATE_NOOP("Item", "Кольчуга преимущества"),        500, { 10,   5,   5,   0,  45, 100,  40,  20,   0,  20}, 0},
    {Kolch,   QT_TRANSLATE_NOOP("Item", "Кольчуга равновесия"),          750, { 20,   5,   5,   0,  65, 150,  30,  15,  30,  15}, 0},
    {Kolch,   QT_TRANSLATE_NOOP("Item", "Кольчуга значимости"),         1000, { 25,   5,   5,   0,  80, 175,   0,  25,  50,  25}, 0},
    {Kolch,   QT_TRANSLATE_NOOP("Item", "Кольчуга атаки"),              1250, { 15,  10,  10,  10,  90, 175,  30,  25,  30,  25}, 0},
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
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье просветления"),          50, {QT_TRANSLATE_NOOP("ItemDescription", "Опыт за бой: 25%")},          nullptr,                       5, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье яда"),                  100, {QT_TRANSLATE_NOOP("ItemDescription", "ХП соперника: -10% за ход")}, QT_TRANSLATE_NOOP("ItemDescription", "Максимум = 1 зелье за бой"),  10, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье силы"),                 150, {QT_TRANSLATE_NOOP("ItemDescription", "Сила: 25%")},                 nullptr,                      15, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье ловкости"),             150, {QT_TRANSLATE_NOOP("ItemDescription", "Ловкость: 25%")},             nullptr,                      15, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье удачи"),                150, {QT_TRANSLATE_NOOP("ItemDescription", "Удача: 25%")},                nullptr,                      15, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье ХП"),                   175, {QT_TRANSLATE_NOOP("ItemDescription", "ХП: 25%")},                   nullptr,                      20, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье загрубелой кожи"),      200, {QT_TRANSLATE_NOOP("ItemDescription", "КБ: 25%")},                   nullptr,                      25, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье колкости"),             200, {QT_TRANSLATE_NOOP("ItemDescription", "Удар: 25%")},                 nullptr,                      25, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье панциря"),              250, {QT_TRANSLATE_NOOP("ItemDescription", "Удар: 15%"), QT_TRANSLATE_NOOP("ItemDescription", "КБ: 15%")},      nullptr,                      30, Belt},
    {Zelik,  QT_TRANSLATE_NOOP("Item", "Зелье подвижности"),          300, {QT_TRANSLATE_NOOP("ItemDescription", "ОД: 25")},                    nullptr,                      35, Belt},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток боя"),                  10, {QT_TRANSLATE_NOOP("ItemDescription", "Начать бой")},                nullptr,                       0, Used},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток телепорта в город"),    50, {},                            nullptr,                       0, Used},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток телепорта к Мастеру"), 250, {},                            nullptr,                       0, Used},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток силы"),                350, {QT_TRANSLATE_NOOP("ItemDescription", "Сила: 50%")},                 nullptr,                      15, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток ХП"),                  400, {QT_TRANSLATE_NOOP("ItemDescription", "ХП: 50%")},                   nullptr,                      20, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток каменной кожи"),       450, {QT_TRANSLATE_NOOP("ItemDescription", "КБ: 50%")},                   nullptr,                      25, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток ярости"),              450, {QT_TRANSLATE_NOOP("ItemDescription", "Удар: 50%")},                 nullptr,                      25, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток проклятия"),           475, {QT_TRANSLATE_NOOP("ItemDescription", "Все МФ соперника: -25%")},    nullptr,                      30, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток величия"),             475, {QT_TRANSLATE_NOOP("ItemDescription", "Все МФ: 25%")},               nullptr,                      30, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток женской злости"),      525, {QT_TRANSLATE_NOOP("ItemDescription", "ХП соперника: -50%")},        nullptr,                      35, Pocket},
    {Svitok, QT_TRANSLATE_NOOP("Item", "Свиток урагана"),             550, {QT_TRANSLATE_NOOP("ItemDescription", "ХП соперника: -25% за ход")}, nullptr,                      40, Pocket},
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
    {QT_TRANSLATE_NOOP("Item", "Доспех гоблина"),       600, { 30,  15,   5,  15, 150, 275,  25,  50,  25,  50}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Каска гоблина"),        600, { 15,  20,  15,  20,  80, 225,  80,  50,  80,  50}, "Shlem"},
    {QT_TRANSLATE_NOOP("Item", "Наручи гоблина"),       600, { 15,  15,  15,  15,  70, 215,  75,  50,  75,  50}, "Naruchi"},
    {QT_TRANSLATE_NOOP("Item", "Оберег гоблина"),       600, { 20,  20,  20,  15,  40, 225,  50,  50,  50,  50}, "Amulet"},
    {QT_TRANSLATE_NOOP("Item", "Палаш гоблина"),        600, { 20,  25,  20,  80,   0,   0,  75,  75,  50,  50}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Перстень гоблина"),     600, { 10,  20,  20,  15,  45, 175,  75,  75,  50,  50}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки гоблина"),     600, { 15,  15,  15,  15,  60, 210,  50,  50,  50,  50}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Пояс гоблина"),         600, { 10,  20,  15,  10,  65, 225, 110,  20, 110,  20}, "Poyas"},
    {QT_TRANSLATE_NOOP("Item", "Сандалии гоблина"),     600, { 15,  15,  15,  15,  70, 195,  75,  50,  50,  50}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Щит гоблина"),          600, {  0,  30,  20,  25, 150, 150, 125,   0,  75,   0}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Амулет орка"),          800, { 20,  20,  30,  15,  40, 225,  75,  50,  75,  50}, "Amulet"},
    {QT_TRANSLATE_NOOP("Item", "Броня орка"),           800, { 30,   5,  15,  15, 175, 300,  50,  50,  50,  50}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо орка"),          800, { 20,  20,  20,  15,  45, 175,  50,  50,  75,  75}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Наручи орка"),          800, { 15,  15,  20,  15,  75, 225,  75,  75,  75,  75}, "Naruchi"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки орка"),        800, { 15,  20,  20,  15,  60, 210,  75,  50,  75,  50}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Пояс орка"),            800, { 10,  20,  20,  10,  70, 275, 110,  20, 110,  70}, "Poyas"},
    {QT_TRANSLATE_NOOP("Item", "Сапоги орка"),          800, { 20,  15,  15,  15,  75, 205,  50,  75,  75,  75}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Шлем орка"),            800, { 15,  15,  25,  20,  80, 225,  80,  75,  80,  75}, "Shlem"},
    {QT_TRANSLATE_NOOP("Item", "Щит орка"),             800, {  0,  30,  30,  30, 175, 175, 125,   0, 125,   0}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Ятаган орка"),          800, { 20,  25,  25,  85,   0,   0,  75,  75,  75,  75}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо хранителя"),    1000, { 20,  20,  30,  20,  50, 200,  50,  75, 100,  75}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Нож хранителя"),       1000, { 20,  30,  20,  80,   0,   0, 100,  75,  50,  75}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо леса"),         1200, { 20,  30,  30,  30,  75, 250, 100,  75, 100,  75}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Нож леса"),            1200, { 20,  30,  30, 100,   0,   0, 100,  75, 100,  75}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Оберег леса"),         1200, { 30,  30,  30,  30,  75, 250, 100,  75, 100,  75}, "Amulet"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки леса"),       1200, { 15,  30,  30,  30, 100, 250, 100,  75, 100,  75}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Трезубец леса"),       1200, { 30,  30,  30, 110,   0,   0, 100, 100, 100, 100}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо судьбы"),       1400, { 20,  40,  30,  40, 100, 300, 125, 100,  75, 100}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Нож судьбы"),          1400, { 20,  30,  40, 120,   0,   0,  75, 100, 125, 100}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки судьбы"),     1400, { 25,  30,  30,  40, 125, 300,  75, 125,  75, 125}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Броня льда"),          1600, { 40,  20,  30,  50, 350, 500, 100, 100, 100, 100}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Клинок льда"),         1600, { 30,  30,  40, 140,   0,   0, 125, 100, 125, 100}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо льда"),         1600, { 30,  40,  30,  50, 125, 350, 125, 100, 125, 100}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Броня равновесия"),    1800, { 40,  30,  30,  60, 400, 600, 100, 150, 100, 150}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Наручи равновесия"),   1800, { 35,  30,  30,  60, 175, 400, 125, 150, 125, 150}, "Naruchi"},
    {QT_TRANSLATE_NOOP("Item", "Нож равновесия"),      1800, { 30,  40,  40, 160,   0,   0, 175, 100, 175, 100}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Амулет разрушения"),   2000, { 30,  45,  45,  70, 175, 500, 150, 150, 150, 150}, "Amulet"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо разрушения"),   2000, { 35,  40,  40,  70, 175, 500, 150, 150, 150, 150}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Нож разрушения"),      2000, { 40,  40,  40, 180,   0,   0, 200, 100, 200, 100}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Оружие разрушения"),   2000, { 40,  45,  45, 190,   0,   0, 200, 125, 200, 125}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки разрушения"), 2000, { 30,  40,  40,  70, 200, 500, 175, 125, 175, 125}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Сапоги разрушения"),   2000, { 30,  40,  40,  70, 210, 480, 170, 130, 170, 130}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Броня охранника"),     2200, { 40,  40,  40,  80, 500, 900, 150, 150, 150, 150}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Дубина охранника"),    2200, { 40,  50,  50, 210,   0,   0, 200, 175, 200, 175}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо охранника"),    2200, { 35,  45,  45,  80, 200, 550, 200, 150, 200, 150}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Наручи охранника"),    2200, { 35,  40,  40,  80, 225, 550, 175, 175, 175, 175}, "Naruchi"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки охранника"),  2200, { 40,  40,  40,  80, 225, 550, 170, 175, 170, 175}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Пояс охранника"),      2200, { 40,  40,  40,  75, 225, 600, 175, 170, 175, 170}, "Poyas"},
    {QT_TRANSLATE_NOOP("Item", "Сапоги охранника"),    2200, { 40,  40,  40,  80, 235, 530, 170, 180, 170, 180}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Цеп охранника"),       2200, { 40,  45,  45, 200,   0,   0, 200, 150, 200, 150}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Амулет света"),        2400, { 40,  50,  50,  90, 225, 600, 200, 175, 200, 175}, "Amulet"},
    {QT_TRANSLATE_NOOP("Item", "Броня света"),         2400, { 40,  45,  45,  90, 550, 1000, 175, 150, 175, 150}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Когти света"),         2400, { 40,  50,  50, 220,   0,   0, 200, 175, 200, 175}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо света"),        2400, { 35,  50,  50,  90, 225, 600, 200, 175, 200, 175}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки света"),      2400, { 40,  45,  45,  90, 250, 600, 170, 200, 170, 200}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Сапоги света"),        2400, { 40,  45,  45,  90, 260, 580, 170, 205, 170, 205}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Шлем света"),          2400, { 45,  45,  45,  95, 260, 600, 180, 200, 180, 200}, "Shlem"},
    {QT_TRANSLATE_NOOP("Item", "Доспех тьмы"),         2600, { 40,  50,  50, 100, 600, 1100, 200, 150, 200, 150}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Кинжал тьмы"),         2600, { 40,  55,  55, 240,   0,   0, 225, 175, 225, 175}, "Shit"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо тьмы"),         2600, { 35,  55,  55, 100, 250, 650, 225, 175, 225, 175}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Наручи тьмы"),         2600, { 35,  50,  50, 100, 275, 650, 225, 175, 225, 175}, "Naruchi"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки тьмы"),       2600, { 40,  50,  50, 100, 275, 650, 170, 225, 170, 225}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Пояс тьмы"),           2600, { 40,  50,  50,  95, 275, 700, 225, 170, 225, 170}, "Poyas"},
    {QT_TRANSLATE_NOOP("Item", "Сапоги тьмы"),         2600, { 40,  50,  50, 100, 285, 630, 170, 230, 170, 230}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Шлем тьмы"),           2600, { 45,  50,  50, 105, 285, 650, 180, 225, 180, 225}, "Shlem"},
    {QT_TRANSLATE_NOOP("Item", "Алебарда друга"),      2800, { 50,  60,  60, 280,   0,   0, 250, 200, 250, 200}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Амулет Мастера"),      3000, { 50,  55,  55, 110, 275, 700, 200, 225, 200, 225}, "Amulet"},
    {QT_TRANSLATE_NOOP("Item", "Броня Мастера"),       3000, { 60,  50,  50, 120, 700, 1300, 200, 200, 200, 200}, "Bronya"},
    {QT_TRANSLATE_NOOP("Item", "Кольцо Мастера"),      3000, { 45,  60,  60, 120, 300, 750, 225, 225, 225, 225}, "Kolco1"},
    {QT_TRANSLATE_NOOP("Item", "Меч Мастера"),         3000, { 60,  60,  60, 300,   0,   0, 250, 225, 250, 225}, "Oruzhie"},
    {QT_TRANSLATE_NOOP("Item", "Наручи Мастера"),      3000, { 35,  60,  60, 120, 325, 750, 225, 225, 225, 225}, "Naruchi"},
    {QT_TRANSLATE_NOOP("Item", "Перчатки Мастера"),    3000, { 50,  55,  55, 120, 325, 750, 220, 225, 220, 225}, "Perchi"},
    {QT_TRANSLATE_NOOP("Item", "Пояс Мастера"),        3000, { 40,  60,  60, 115, 325, 800, 225, 220, 225, 220}, "Poyas"},
    {QT_TRANSLATE_NOOP("Item", "Сапоги Мастера"),      3000, { 40,  60,  60, 120, 335, 730, 220, 230, 220, 230}, "Sapogi"},
    {QT_TRANSLATE_NOOP("Item", "Шлем Мастера"),        3000, { 55,  55,  55, 125, 335, 750, 230, 225, 230, 225}, "Shlem"},
    {QT_TRANSLATE_NOOP("Item", "Щит Мастера"),         3000, {  0,  80,  80, 125, 500, 500, 450,   0, 450,   0}, "Shit"},
};
// clang-format on

struct GemRow {
  const char* word;
  StatColumns perLevel;  // the bonus of level 1; level L gives L times as much
};

// clang-format off
const GemRow kGems[] = {
    //          Сила Ловк Удач Удар   КБ   ХП Улов Точн Сокр Стой
    {QT_TRANSLATE_NOOP("Item", "Алмаз"),   {  0,   0,   0,  15,  30,   0,   0,   0,   0,   0}},
    {QT_TRANSLATE_NOOP("Item", "Рубин"),   {  0,  10,   0,   0,   0,   0,  25,  25,   0,   0}},
    {QT_TRANSLATE_NOOP("Item", "Топаз"),   {  0,  10,   0,   0,   0,   0,  25,   0,   0,  25}},
    {QT_TRANSLATE_NOOP("Item", "Изумруд"), {  0,   0,  10,   0,   0,   0,   0,  25,  25,   0}},
    {QT_TRANSLATE_NOOP("Item", "Сапфир"),  {  0,   0,  10,   0,   0,   0,   0,   0,  25,  25}},
};
// clang-format on
constexpr int kGemLevels = 5;
constexpr int kGemPricePerLevel = 25;

// Bundles of logs by count, with the Russian plural.
const char* const kLogs[] = {
    QT_TRANSLATE_NOOP("Item", "Поленья (1 штука)"), QT_TRANSLATE_NOOP("Item", "Поленья (2 штуки)"),
    QT_TRANSLATE_NOOP("Item", "Поленья (3 штуки)"), QT_TRANSLATE_NOOP("Item", "Поленья (4 штуки)"),
    QT_TRANSLATE_NOOP("Item", "Поленья (5 штук)")};
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
