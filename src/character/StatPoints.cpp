#include "character/StatPoints.h"

namespace {

int GameState::*StatMember(Stat stat) {
  switch (stat) {
    case Stat::Power:
      return &GameState::AttPower;
    case Stat::Dexterity:
      return &GameState::AttDexterity;
    case Stat::GoodLuck:
      return &GameState::AttGoodLuck;
    case Stat::Health:
      return &GameState::AttHealth;
  }
  return nullptr;
}

int GameState::*SkillMember(Skill skill) {
  return skill == Skill::Strannik ? &GameState::Strannik : &GameState::Lesorub;
}

}  // namespace

void SpendStatPoint(GameState& state, Stat stat) {
  // The buttons hide at zero only on the next refresh; a second press queued
  // before it must not drive the points negative.
  if (state.PointPar <= 0) return;
  --state.PointPar;
  ++(state.*StatMember(stat));
  if (stat == Stat::Health) {
    // Hit points follow the current value, as outside a fight both are equal.
    state.MoveAttHP += 10;
    state.AttHP = state.MoveAttHP;
  }
}

bool SkillBelowCap(const GameState& state, Skill skill) {
  return state.*SkillMember(skill) < kSkillCap;
}

void SpendSkillPoint(GameState& state, Skill skill) {
  if (state.PointUm <= 0 || !SkillBelowCap(state, skill)) return;
  --state.PointUm;
  ++(state.*SkillMember(skill));
}
