#include "inventory/StatPoints.h"

#include "core/Format.h"
#include "core/Translate.h"

void SpendStatPoint(GameState& state, StatPointTarget target) {
  // The buttons hide only at the next label refresh; a quick second press must not
  // spend a point that is not there.
  if (state.PointPar <= 0) return;
  state.PointPar -= 1;
  switch (target) {
    case StatPointTarget::Power:
      state.AttPower += 1;
      break;
    case StatPointTarget::Dexterity:
      state.AttDexterity += 1;
      break;
    case StatPointTarget::GoodLuck:
      state.AttGoodLuck += 1;
      break;
    case StatPointTarget::Health:
      state.AttHealth += 1;
      state.AttHP = state.MoveAttHP + 10;
      state.MoveAttHP = state.AttHP;
      break;
  }
}

std::string StatPointsLeftText(int points) {
  // Russian keeps the game's own counting rule; a translation its plural forms.
  if (mg::Translating()) return mg::translate("Counting", "Осталось: %n статов.", nullptr, points);
  return CountWithWord(points, "стат.", "стата.", "статов.");
}
