#include "inventory/Wearing.h"

#include <initializer_list>

namespace {

// Kinds whose slot key stands for several slots, in the order they fill.
struct SlotGroup {
  const char* key;
  std::initializer_list<const char*> slots;
};
const SlotGroup kSlotGroups[] = {
    {"Kolco1", {"Kolco1", "Kolco2"}},
    {"SodPoyas1", {"SodPoyas1", "SodPoyas2", "SodPoyas3"}},
};

std::initializer_list<const char*> SlotsOf(const ItemKind& kind) {
  for (const SlotGroup& group : kSlotGroups) {
    if (kind.slot == group.key) return group.slots;
  }
  return {};
}

struct ScrollUse {
  const char* name;
  BackpackUse use;
};
const ScrollUse kUsedScrolls[] = {
    {"Свиток боя", BackpackUse::BattleScroll},
    {"Свиток телепорта в город", BackpackUse::TownTeleport},
    {"Свиток телепорта к Мастеру", BackpackUse::MasterTeleport},
};

constexpr const char* kShieldPrefix = "Щит";

bool IsEmpty(const GameState& state, const EquipSlotInfo& slot) {
  return state.*slot.hint == kEmptySlot;
}

}  // namespace

BackpackUse UseOf(const ItemKind* kind) {
  if (!kind) return BackpackUse::None;
  for (const ScrollUse& scroll : kUsedScrolls) {
    if (kind->name == scroll.name) return scroll.use;
  }
  return kind->slot.empty() ? BackpackUse::None : BackpackUse::Wear;
}

bool MeetsRequirement(const GameState& state, const ItemKind& kind) {
  return state.AttLevel >= kind.levelRequirement && state.AttHealth >= kind.healthRequirement;
}

const EquipSlotInfo* WearSlot(const GameState& state, const ItemKind& kind) {
  if (kind.slot.empty()) return nullptr;
  const auto group = SlotsOf(kind);
  if (group.size() == 0) return FindEquipSlot(kind.slot);
  const EquipSlotInfo* slot = nullptr;
  for (const char* name : group) {
    slot = FindEquipSlot(name);
    if (IsEmpty(state, *slot)) break;
  }
  return slot;
}

bool BelongsIn(const ItemKind& kind, const EquipSlotInfo& slot) {
  if (kind.slot == slot.name) return true;
  for (const char* name : SlotsOf(kind)) {
    if (std::string_view(name) == slot.name) return true;
  }
  return false;
}

bool IsShield(const ItemKind& kind) {
  return kind.slot == "Shit" && kind.name.starts_with(kShieldPrefix);
}

void ApplyModifiers(GameState& state, const ItemKind& kind, int times) {
  for (const Modifier& modifier : kind.modifiers) {
    state.*StatWordField(modifier.word) += times * kind.WornAmount(modifier.word);
    if (modifier.word == StatWord::HP) state.MoveAttHP = state.AttHP;
  }
}

void PutOn(GameState& state, const EquipSlotInfo& slot, const ItemKind& kind) {
  ApplyModifiers(state, kind, 1);
  state.*slot.picture = kind.Picture();
  state.*slot.hint = kind.name;
  if (IsShield(kind)) state.ShitTrue = 1;
}

std::optional<std::string> TakeOffSlot(GameState& state, const EquipSlotInfo& slot) {
  if (IsEmpty(state, slot)) return std::nullopt;
  std::string name = state.*slot.hint;
  if (const ItemKind* kind = FindItem(name); kind && BelongsIn(*kind, slot)) {
    ApplyModifiers(state, *kind, -1);
    if (IsShield(*kind)) state.ShitTrue = 0;
  }
  // The chain mail has no empty picture; its frame is hidden instead.
  if (*slot.emptyPicture != '\0') state.*slot.picture = slot.emptyPicture;
  state.*slot.hint = kEmptySlot;
  return name;
}
