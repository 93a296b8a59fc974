#pragma once

#include <span>

#include "core/Translate.h"
#include "state/GameState.h"

// One row of the level table: reaching `level` adds `step` to PointLev, which then
// holds `pointLevAfter`.
struct LevelStepRow {
  int level;
  int step;
  int pointLevAfter;
};

// Levels 2 to 22; above 22 the step is the level times 2000000.
std::span<const LevelStepRow> LevelStepTable();
int LevelStep(int newLevel);

// What reaching a level gives, for a group of levels from 2 to 25.
struct LevelRewardGroup {
  std::span<const int> levels;
  int pointPar;
  int money;
  int pointUm;
};

std::span<const LevelRewardGroup> LevelRewardTable();

inline constexpr const char* kLevelUpMessage =
    QT_TRANSLATE_NOOP("Levels", "Получен левел. Вы можете увеличить свои статы в инвентаре.");

// Raises the level by one when Point + PointPeace reaches PointLev, at most once a
// call; counts the level in `levelUpFlag`.
void CheckLevelUp(GameState& state, int& levelUpFlag);

// Wood cutting's award: clears the flag, adds the award, runs the level-up step.
// True when the caller is to show kLevelUpMessage.
bool AwardPeaceExperience(GameState& state, int award, int& levelUpFlag);
