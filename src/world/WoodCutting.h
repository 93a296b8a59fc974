#pragma once

#include <string>

class Random;

// A cutting lasts this many seconds of the world clock.
inline constexpr int kCutDuration = 300;

// Up to level 6 a character finishes five cuttings per level; from 7 on, any number.
bool CuttingLimitReached(int numRub, int level);

// The outcome number: Lesorub − 5 … Lesorub + 5.
int DrawCutRoll(int lesorub, Random& random);
// The cutting's remaining seconds at which its one attack comes: 50 … 250.
int DrawCutAttackAt(Random& random);

// What a cutting with a roll from `lowestRoll` up to the next row brings; a
// failure brings no logs.
struct CutOutcome {
  int lowestRoll;
  const char* message;
  const char* logs;
};
const CutOutcome& CutOutcomeOf(int cutRoll);
bool CutFailed(const CutOutcome& outcome);

// The peaceful experience of a successful cutting at a level; 0 at level 1.
int DrawPeaceAward(int level, Random& random);

// The least and the most a successful cutting brings at a level.
struct AwardRange {
  int least;
  int most;
};
AwardRange PeaceAwardRange(int level);
// Of the eleven outcome numbers a Lesorub may draw, how many bring logs.
int SuccessfulRolls(int lesorub);
inline constexpr int kCutRollCount = 11;

std::string CutTimeText(int secondsLeft);
std::string PeaceAwardText(int award);
