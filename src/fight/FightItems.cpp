#include "fight/FightItems.h"

#include <span>

#include "core/Translate.h"
#include "fight/FightState.h"
#include "state/GameState.h"

namespace {

enum class Effect {
  ExpBonus,      // ExpBonus += 0.25
  Poison,        // once per fight
  Boost,         // the stats below, each by factor × its base
  Heal,          // MoveAttHP by factor × AttHP
  ActionPoints,  // AttOD += 25
  Curse,         // the current opponent loses a quarter of four values
  Greatness,     // a quarter of the base of four values
  FemaleSpite,   // the current opponent loses half its hit points
  Hurricane
};

struct StatRef {
  int GameState::*current;
  int BaseStatValues::*base;
};

constexpr StatRef kPower{&GameState::AttPower, &BaseStatValues::AttPower};
constexpr StatRef kDexterity{&GameState::AttDexterity, &BaseStatValues::AttDexterity};
constexpr StatRef kGoodLuck{&GameState::AttGoodLuck, &BaseStatValues::AttGoodLuck};
constexpr StatRef kKB{&GameState::AttKB, &BaseStatValues::AttKB};
constexpr StatRef kKick{&GameState::AttKick, &BaseStatValues::AttKick};
constexpr StatRef kUlov{&GameState::AttUlov, &BaseStatValues::AttUlov};
constexpr StatRef kToch{&GameState::AttToch, &BaseStatValues::AttToch};
constexpr StatRef kSokr{&GameState::AttSokr, &BaseStatValues::AttSokr};
constexpr StatRef kStoi{&GameState::AttStoi, &BaseStatValues::AttStoi};

struct FightItem {
  const char* name;
  const char* message;
  Effect effect;
  float factor = 0;
  StatRef stats[2] = {};  // Boost: one or two stats, in order
};

// Tested in this order.
constexpr FightItem kPotions[] = {
    {"Зелье просветления", QT_TRANSLATE_NOOP("Fight", "Использовано зелье просветления."),
     Effect::ExpBonus},
    {"Зелье яда", QT_TRANSLATE_NOOP("Fight", "Использовано зелье яда."), Effect::Poison},
    {"Зелье силы",
     QT_TRANSLATE_NOOP("Fight", "Использовано зелье силы."),
     Effect::Boost,
     0.25f,
     {kPower}},
    {"Зелье ловкости",
     QT_TRANSLATE_NOOP("Fight", "Использовано зелье ловкости."),
     Effect::Boost,
     0.25f,
     {kDexterity}},
    {"Зелье удачи",
     QT_TRANSLATE_NOOP("Fight", "Использовано зелье удачи."),
     Effect::Boost,
     0.25f,
     {kGoodLuck}},
    {"Зелье ХП", QT_TRANSLATE_NOOP("Fight", "Использовано зелье ХП."), Effect::Heal, 0.25f},
    {"Зелье загрубелой кожи",
     QT_TRANSLATE_NOOP("Fight", "Использовано зелье загрубелой кожи."),
     Effect::Boost,
     0.25f,
     {kKB}},
    {"Зелье колкости",
     QT_TRANSLATE_NOOP("Fight", "Использовано зелье колкости."),
     Effect::Boost,
     0.25f,
     {kKick}},
    {"Зелье панциря",
     QT_TRANSLATE_NOOP("Fight", "Использовано зелье панциря."),
     Effect::Boost,
     0.15f,
     {kKB, kKick}},
    {"Зелье подвижности", QT_TRANSLATE_NOOP("Fight", "Использовано зелье подвижности."),
     Effect::ActionPoints},
};

constexpr FightItem kScrolls[] = {
    {"Свиток силы",
     QT_TRANSLATE_NOOP("Fight", "Использован свиток силы."),
     Effect::Boost,
     0.5f,
     {kPower}},
    {"Свиток ХП", QT_TRANSLATE_NOOP("Fight", "Использован свиток ХП."), Effect::Heal, 0.5f},
    {"Свиток каменной кожи",
     QT_TRANSLATE_NOOP("Fight", "Использован свиток каменной кожи."),
     Effect::Boost,
     0.5f,
     {kKB}},
    {"Свиток ярости",
     QT_TRANSLATE_NOOP("Fight", "Использован свиток ярости."),
     Effect::Boost,
     0.5f,
     {kKick}},
    {"Свиток проклятия", QT_TRANSLATE_NOOP("Fight", "Использован свиток проклятия."),
     Effect::Curse},
    {"Свиток величия", QT_TRANSLATE_NOOP("Fight", "Использован свиток величия."),
     Effect::Greatness},
    {"Свиток женской злости", QT_TRANSLATE_NOOP("Fight", "Использован свиток женской злости."),
     Effect::FemaleSpite},
    {"Свиток урагана", QT_TRANSLATE_NOOP("Fight", "Использован свиток урагана."),
     Effect::Hurricane},
};

constexpr float kEnlightenment = 0.25f;
constexpr int kMobility = 25;

// Removes a quarter of each value (integer division).
void LoseQuarter(int& value) { value -= value / 4; }

void Apply(const FightItem& item, GameState& state, FightState& fight) {
  const BaseStatValues& base = fight.BaseStats;
  OpponentRecord& opponent = fight.CurrentOpponent;
  switch (item.effect) {
    case Effect::ExpBonus:
      fight.ExpBonus += kEnlightenment;
      break;
    case Effect::Poison:
      fight.PoisonActive = 1;
      break;
    case Effect::Boost:
      for (const StatRef& stat : item.stats) {
        if (stat.current == nullptr) break;
        state.*stat.current = Boosted(state.*stat.current, base.*stat.base, item.factor);
      }
      break;
    case Effect::Heal:
      state.MoveAttHP = Boosted(state.MoveAttHP, state.AttHP, item.factor);
      break;
    case Effect::ActionPoints:
      state.AttOD += kMobility;
      break;
    case Effect::Curse:
      for (int* value : {&opponent.Ulov, &opponent.Toch, &opponent.Sokr, &opponent.Stoi}) {
        LoseQuarter(*value);
      }
      break;
    case Effect::Greatness:
      for (const StatRef& stat : {kUlov, kToch, kSokr, kStoi}) {
        state.*stat.current += base.*stat.base / 4;
      }
      break;
    case Effect::FemaleSpite: {
      const float half = static_cast<float>(opponent.CurHP) * 0.5f;
      state.DamageDealt = static_cast<int>(half + 0.5f + static_cast<float>(state.DamageDealt));
      opponent.CurHP = static_cast<int>(static_cast<float>(opponent.CurHP) - half);
      break;
    }
    case Effect::Hurricane:
      fight.HurricaneActive = 1;
      break;
  }
}

FightItemUse Use(std::span<const FightItem> table, const std::string& name, GameState& state,
                 FightState& fight) {
  for (const FightItem& item : table) {
    if (name != item.name) continue;
    if (item.effect == Effect::Poison && fight.PoisonActive == 1) {
      fight.PoisonRefused = 1;
      return {"", true};
    }
    Apply(item, state, fight);
    return {mg::translate("Fight", item.message), false};
  }
  return {};
}

}  // namespace

int Boosted(int value, int base, float factor) {
  return static_cast<int>(static_cast<float>(value) + static_cast<float>(base) * factor + 0.5f);
}

FightItemUse UsePotion(const std::string& name, GameState& state, FightState& fight) {
  return Use(kPotions, name, state, fight);
}

FightItemUse UseScroll(const std::string& name, GameState& state, FightState& fight) {
  return Use(kScrolls, name, state, fight);
}
