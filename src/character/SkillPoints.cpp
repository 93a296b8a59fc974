#include "character/SkillPoints.h"

#include "core/Format.h"
#include "core/Translate.h"

namespace {

int GameState::*SkillMember(Skill skill) {
  return skill == Skill::Strannik ? &GameState::Strannik : &GameState::Lesorub;
}

}  // namespace

bool SkillBelowCap(const GameState& state, Skill skill) {
  return state.*SkillMember(skill) < kSkillCap;
}

void SpendSkillPoint(GameState& state, Skill skill) {
  // The buttons hide only at the next refresh; a press queued before it must
  // neither spend a missing point nor pass the cap.
  if (state.PointUm <= 0 || !SkillBelowCap(state, skill)) return;
  --state.PointUm;
  ++(state.*SkillMember(skill));
}

std::string SkillPointsLeftText(int points) {
  // Russian keeps the game's own counting rule; a translation its plural forms.
  if (mg::Translating()) return mg::translate("Counting", "Осталось: %n умений.", nullptr, points);
  return CountWithWord(points, "умение.", "умения.", "умений.");
}
