#pragma once

class Random;

// Combat experience of beaten opponents: a base per kind plus a draw, the
// enlightenment bonus, and scaling by the gap between the player's level and the
// kind (the kind is the monster's level). The Master is never scaled.

inline constexpr int kMasterKind = 22;

// The fixed part of a kind's experience (kinds 1..22).
int ExperienceBase(int kind);

// base + RandomInt(10 × kind); halved for a draw.
int DrawExperience(int kind, bool draw, Random& random);
// value × (1 + bonus), rounded half up; no change without a bonus.
int WithExpBonus(int value, float expBonus);
// Divided by (level − kind + 1) above the kind, multiplied by (kind − level + 1)
// below it.
int ScaleForLevel(int value, int kind, int attLevel);
// The experience one opponent adds to FightExp: drawn, bonus, level scaling.
int OpponentExperience(int kind, int attLevel, float expBonus, bool draw, Random& random);

// How far the loot thresholds move with the level gap: 5 per level.
int ThresholdShift(int kind, int attLevel);

// FightExp as paid at the end: doubled against three attackers, one and a half
// times (truncated) against two.
int PaidFightExperience(int fightExp, bool secondAttacker, bool thirdAttacker);
