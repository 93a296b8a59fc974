#include <gtest/gtest.h>

#include "inventory/Wearing.h"
#include "state/MemberTable.h"

namespace {

const ItemKind& Kind(const char* name) {
  const ItemKind* kind = FindItem(name);
  EXPECT_NE(kind, nullptr) << name;
  return *kind;
}

std::string SlotOf(const GameState& state, const char* name) {
  return WearSlot(state, Kind(name))->name;
}

// Wears into the slot wearing chooses, taking off what was there first.
void WearOn(GameState& state, const char* name) {
  const ItemKind& kind = Kind(name);
  const EquipSlotInfo& slot = *WearSlot(state, kind);
  TakeOffSlot(state, slot);
  PutOn(state, slot, kind);
}

TEST(WearRule, ScrollsUsedFromTheBackpackAndThingsNeverWorn) {
  EXPECT_EQ(UseOf(&Kind("Свиток боя")), BackpackUse::BattleScroll);
  EXPECT_EQ(UseOf(&Kind("Свиток телепорта в город")), BackpackUse::TownTeleport);
  EXPECT_EQ(UseOf(&Kind("Свиток телепорта к Мастеру")), BackpackUse::MasterTeleport);
  EXPECT_EQ(UseOf(&Kind("Алмаз [1]")), BackpackUse::None);
  EXPECT_EQ(UseOf(&Kind("Поленья (3 штуки)")), BackpackUse::None);
  EXPECT_EQ(UseOf(nullptr), BackpackUse::None);
}

TEST(WearRule, RingsFillOneThenTwoThenReplaceTwo) {
  GameState s;
  WearOn(s, "Кольцо орка");
  EXPECT_EQ(s.Kolco1Hint, "Кольцо орка");
  WearOn(s, "Кольцо леса");
  EXPECT_EQ(s.Kolco2Hint, "Кольцо леса");
  EXPECT_EQ(SlotOf(s, "Кольцо тьмы"), "Kolco2");
  WearOn(s, "Кольцо тьмы");
  EXPECT_EQ(s.Kolco1Hint, "Кольцо орка");
  EXPECT_EQ(s.Kolco2Hint, "Кольцо тьмы");
  EXPECT_EQ(s.Kolco2, "image\\Кольцо тьмы.bmp");
}

TEST(WearRule, RingOneEmptyAgainIsFilledFirst) {
  GameState s;
  WearOn(s, "Кольцо орка");
  WearOn(s, "Кольцо леса");
  TakeOffSlot(s, *FindEquipSlot("Kolco1"));
  EXPECT_EQ(SlotOf(s, "Кольцо тьмы"), "Kolco1");
}

TEST(WearRule, PotionsFillTheBeltInOrderThenReplacePocketThree) {
  GameState s;
  s.AttHealth = 40;
  WearOn(s, "Зелье ХП");
  WearOn(s, "Зелье силы");
  WearOn(s, "Зелье яда");
  EXPECT_EQ(s.SodPoyas1Hint, "Зелье ХП");
  EXPECT_EQ(s.SodPoyas2Hint, "Зелье силы");
  EXPECT_EQ(s.SodPoyas3Hint, "Зелье яда");
  EXPECT_EQ(SlotOf(s, "Зелье удачи"), "SodPoyas3");
  // The belt itself need not be worn, and potions change no value.
  EXPECT_EQ(s.PoyasHint, kEmptySlot);
  EXPECT_EQ(s.AttHP, 50);
}

TEST(WearRule, ShieldSetsShitTrueAndAKnifeDoesNot) {
  GameState s;
  WearOn(s, "Щит покорения");
  EXPECT_EQ(s.ShitTrue, 1);
  WearOn(s, "Кинжал мечтаний");  // the shield comes off first
  EXPECT_EQ(s.ShitHint, "Кинжал мечтаний");
  EXPECT_EQ(s.ShitTrue, 0);
  WearOn(s, "Щит Мастера");
  EXPECT_EQ(s.ShitTrue, 1);
  TakeOffSlot(s, *FindEquipSlot("Shit"));
  EXPECT_EQ(s.ShitTrue, 0);
  EXPECT_EQ(s.Shit, "image\\Оружие.bmp");
}

// Only names beginning with "Щит" are shields; a knife leaves ShitTrue alone.
TEST(WearRule, AKnifeTakenOffLeavesShitTrueAlone) {
  EXPECT_TRUE(IsShield(Kind("Щит гоблина")));
  EXPECT_FALSE(IsShield(Kind("Цеп охранника")));
  EXPECT_FALSE(IsShield(Kind("Холодный кинжал")));
  GameState s;
  s.ShitTrue = 1;  // as a fight might find it
  WearOn(s, "Кинжал ливня");
  TakeOffSlot(s, *FindEquipSlot("Shit"));
  EXPECT_EQ(s.ShitTrue, 1);
}

TEST(Modifiers, SunsetBootsAddFiftyArmourClass) {
  GameState s;
  WearOn(s, "Сапоги заката");
  EXPECT_EQ(s.AttKB, 51);
  EXPECT_EQ(s.AttPower, 31);
  TakeOffSlot(s, *FindEquipSlot("Sapogi"));
  EXPECT_EQ(s.AttKB, 1);
}

TEST(Modifiers, HitPointsLeaveTheCharacterAtFullHealth) {
  GameState s;
  WearOn(s, "Шлем слепоты");  // "ХП" 50
  EXPECT_EQ(s.AttHP, 100);
  EXPECT_EQ(s.MoveAttHP, 100);
  s.MoveAttHP = 30;
  TakeOffSlot(s, *FindEquipSlot("Shlem"));
  EXPECT_EQ(s.AttHP, 50);
  EXPECT_EQ(s.MoveAttHP, 50);
}

TEST(Modifiers, WithoutHitPointsCurrentHealthStays) {
  GameState s;
  s.MoveAttHP = 30;
  WearOn(s, "Поющий клинок");
  EXPECT_EQ(s.MoveAttHP, 30);
  EXPECT_EQ(s.AttKick, 36);
}

TEST(Modifiers, NothingIsClamped) {
  GameState s;
  ApplyModifiers(s, Kind("Шлем дракона"), -1);
  EXPECT_EQ(s.AttKB, 1 - 75);
  EXPECT_EQ(s.AttHP, 50 - 200);
  EXPECT_EQ(s.MoveAttHP, 50 - 200);
}

TEST(Requirement, DragonItemsNeedLevelFivePotionsAndPocketScrollsHealth) {
  const struct {
    const char* item;
    int level, health;
    bool met;
  } cases[] = {{"Меч дракона", 4, 5, false},
               {"Меч дракона", 5, 5, true},
               {"Щит Мастера", 1, 5, true},
               {"Зелье просветления", 1, 4, false},
               {"Зелье просветления", 1, 5, true},
               {"Зелье яда", 1, 5, false},
               {"Свиток урагана", 1, 39, false},
               {"Свиток урагана", 1, 40, true},
               {"Свиток телепорта в город", 1, 1, true}};
  for (const auto& c : cases) {
    GameState s;
    s.AttLevel = c.level;
    s.AttHealth = c.health;
    EXPECT_EQ(MeetsRequirement(s, Kind(c.item)), c.met)
        << c.item << " " << c.level << " " << c.health;
  }
}

// Every value of the member table, as text, to compare whole states.
std::vector<std::string> Values(const GameState& state) {
  std::vector<std::string> values;
  for (const MemberInfo& member : GameStateMembers()) values.push_back(member.Text(state));
  return values;
}

TEST(TakeOff, EveryWornKindRestoresEveryValueExactly) {
  GameState before;
  before.AttLevel = 5;
  before.AttHealth = 40;
  before.MoveAttHP = 35;
  int worn = 0;
  for (const ItemKind& kind : AllItemKinds()) {
    if (UseOf(&kind) != BackpackUse::Wear) continue;
    GameState s = before;
    const EquipSlotInfo& slot = *WearSlot(s, kind);
    EXPECT_EQ(slot.name, kind.slot);  // on a bare character, the first of its slots
    PutOn(s, slot, kind);
    EXPECT_EQ(TakeOffSlot(s, slot), kind.name);
    GameState expected = before;
    // Hit points come back full when the kind changes them.
    for (const Modifier& m : kind.modifiers) {
      if (m.word == StatWord::HP) expected.MoveAttHP = expected.AttHP;
    }
    if (slot.picture == &GameState::Kolch) expected.Kolch = kind.Picture();
    EXPECT_EQ(Values(s), Values(expected)) << kind.name;
    ++worn;
  }
  EXPECT_EQ(worn, 115 - 3 + 76);
}

TEST(TakeOff, AnEmptySlotGivesNothing) {
  GameState s;
  EXPECT_EQ(TakeOffSlot(s, *FindEquipSlot("Shlem")), std::nullopt);
  EXPECT_EQ(s.Shlem, "image\\Шлем.bmp");
}

TEST(TakeOff, TheChainMailKeepsItsPicturePath) {
  GameState s;
  WearOn(s, "Кольчуга атаки");
  EXPECT_EQ(TakeOffSlot(s, *FindEquipSlot("Kolch")), "Кольчуга атаки");
  EXPECT_EQ(s.Kolch, "image\\Кольчуга атаки.bmp");
  EXPECT_EQ(s.KolchHint, kEmptySlot);
  EXPECT_EQ(s.AttKB, 1);
}

TEST(TakeOff, AHintThatDoesNotBelongInTheSlotChangesNoValue) {
  GameState s;
  s.ShlemHint = "Кольцо орка";
  s.Shlem = "image\\Кольцо орка.bmp";
  EXPECT_EQ(TakeOffSlot(s, *FindEquipSlot("Shlem")), "Кольцо орка");
  EXPECT_EQ(s.AttPower, 26);
  EXPECT_EQ(s.Shlem, "image\\Шлем.bmp");
}

TEST(TakeOff, RingsAndPotionsBelongInEachOfTheirSlots) {
  EXPECT_TRUE(BelongsIn(Kind("Кольцо орка"), *FindEquipSlot("Kolco2")));
  EXPECT_TRUE(BelongsIn(Kind("Зелье ХП"), *FindEquipSlot("SodPoyas3")));
  EXPECT_FALSE(BelongsIn(Kind("Зелье ХП"), *FindEquipSlot("SodKarman")));
  EXPECT_FALSE(BelongsIn(Kind("Кольцо орка"), *FindEquipSlot("Amulet")));
}

}  // namespace
