#include <gtest/gtest.h>

#include <array>

#include "core/EventLog.h"
#include "core/Language.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "fight/Resolution.h"
#include "state/GameState.h"

namespace {

using Lines = std::vector<std::string>;

void Force(Random& random, std::initializer_list<int> raw) {
  for (int value : raw) random.Force(value);
}

// Every contest value equal on both sides: the weighted sums match (ratio 1).
OpponentRecord EvenOpponent(int strikesPerMove) {
  OpponentRecord o;
  o.Power = o.Dexterity = o.GoodLuck = o.KB = o.Ulov = o.Toch = o.Sokr = o.Stoi = 30;
  o.Kick = 70;
  o.HP = o.CurHP = 1000;
  o.StrikesPerMove = strikesPerMove;
  return o;
}

void MakeEven(GameState& s) {
  s.AttPower = s.AttDexterity = s.AttGoodLuck = s.AttKB = 30;
  s.AttUlov = s.AttToch = s.AttSokr = s.AttStoi = 30;
  s.AttKick = 30;
}

TEST(RawDamageTest, KickSeventyPowerSeventyFive) {
  Random random;
  Force(random, {0, 22, 23});
  EXPECT_FLOAT_EQ(RawDamage(70, 75, random), 146.0f);
  EXPECT_FLOAT_EQ(RawDamage(70, 75, random), 168.0f);
  EXPECT_FLOAT_EQ(RawDamage(70, 75, random), 146.0f);  // the draw is taken modulo 23
}

TEST(RawDamageTest, KicksBelowThreeDrawNothing) {
  Random random;
  Force(random, {5});
  EXPECT_FLOAT_EQ(RawDamage(0, 80, random), 0.5f);
  EXPECT_FLOAT_EQ(RawDamage(1, 80, random), 2.3f);
  EXPECT_FLOAT_EQ(RawDamage(2, 50, random), 3.5f);
  EXPECT_EQ(random.ForcedLeft(), 1u);
}

// A critical takes the whole armour, a normal strike only four fifths; a broken
// block halves first; what the armour leaves below one is nothing.
TEST(DamageTableTest, RowsAndArmourAtOrAboveTheDamage) {
  const struct {
    float raw;
    int armour;
    bool broken, critical;
    int damage;
  } rows[] = {
      {146.0f, 10, false, false, 138}, {146.0f, 10, false, true, 246},
      {146.0f, 10, true, false, 67},   {146.0f, 10, true, true, 122},
      {100.0f, 50, false, false, 60},  {100.0f, 50, false, true, 125},
      {100.0f, 50, true, false, 21},  // h 50.5, n 50; 4/7 of 50 is 28.57…
      {100.0f, 50, true, true, 54},   // n = truncate(50.5 × 1.75 + 0.5) = 88; 2/3 of 50
      {10.9f, 13, false, false, 0},   // 10.4 armour against 10
      {10.9f, 12, false, false, 0},   // 9.6 against 10 leaves 0.4
      {10.9f, 11, false, false, 1},    {10.0f, 18, true, false, 0},
      {100.0f, 175, false, true, 0},   {100.0f, 174, false, true, 1},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(DamageAfterArmour(r.raw, r.armour, r.broken, r.critical), r.damage)
        << r.raw << " " << r.armour << " " << r.broken << r.critical;
  }
}

TEST(ContestTest, EqualSidesNeverDodgeBreakOneInFiveCriticalOneInTen) {
  GameState player;
  MakeEven(player);
  const OpponentRecord opponent = EvenOpponent(1);
  Random random;
  for (Contest dodge : {Contest::PlayerDodges, Contest::OpponentDodges}) {
    EXPECT_FLOAT_EQ(ContestRatio(dodge, player, opponent), 1.0f);
    Force(random, {49});
    EXPECT_FALSE(ContestCheck(dodge, player, opponent, random));
  }
  for (Contest breaking : {Contest::PlayerBreaksBlock, Contest::OpponentBreaksBlock}) {
    Force(random, {39, 40});
    EXPECT_FALSE(ContestCheck(breaking, player, opponent, random));
    EXPECT_TRUE(ContestCheck(breaking, player, opponent, random));
  }
  for (Contest critical : {Contest::PlayerCritical, Contest::OpponentCritical}) {
    Force(random, {44, 45});
    EXPECT_FALSE(ContestCheck(critical, player, opponent, random));
    EXPECT_TRUE(ContestCheck(critical, player, opponent, random));
  }
}

TEST(ContestTest, TwiceTheOtherSideAlwaysSucceeds) {
  GameState player;
  MakeEven(player);
  OpponentRecord opponent = EvenOpponent(1);
  opponent.Power = opponent.Dexterity = opponent.GoodLuck = opponent.KB = 60;
  opponent.Ulov = opponent.Toch = opponent.Sokr = opponent.Stoi = 60;
  EXPECT_FLOAT_EQ(ContestRatio(Contest::OpponentDodges, player, opponent), 2.0f);
  Random random;
  for (Contest contest :
       {Contest::OpponentDodges, Contest::OpponentBreaksBlock, Contest::OpponentCritical}) {
    Force(random, {0});
    EXPECT_TRUE(ContestCheck(contest, player, opponent, random));
  }
  Force(random, {49});
  EXPECT_FALSE(ContestCheck(Contest::PlayerDodges, player, opponent, random));
}

// Which values of each side a contest weighs, in the order A, B, C (or D, E, F).
struct ContestFields {
  Contest contest;
  bool playerOnTop;  // the player's sum is the numerator
  int GameState::*player[3];
  int OpponentRecord::*opponent[3];
  int threshold;
};
using G = GameState;
using O = OpponentRecord;
// clang-format off
const ContestFields kContestFields[] = {
  {Contest::OpponentDodges,      false, {&G::AttDexterity, &G::AttToch, &G::AttGoodLuck},
                                        {&O::Dexterity, &O::Ulov, &O::GoodLuck},  100},
  {Contest::OpponentBreaksBlock, false, {&G::AttPower, &G::AttKB, &G::AttGoodLuck},
                                        {&O::Power, &O::KB, &O::GoodLuck},        90},
  {Contest::OpponentCritical,    false, {&G::AttGoodLuck, &G::AttStoi, &G::AttDexterity},
                                        {&O::GoodLuck, &O::Sokr, &O::Dexterity},  95},
  {Contest::PlayerDodges,        true,  {&G::AttDexterity, &G::AttUlov, &G::AttGoodLuck},
                                        {&O::Dexterity, &O::Toch, &O::GoodLuck},  100},
  {Contest::PlayerBreaksBlock,   true,  {&G::AttPower, &G::AttKB, &G::AttGoodLuck},
                                        {&O::Power, &O::KB, &O::GoodLuck},        90},
  {Contest::PlayerCritical,      true,  {&G::AttGoodLuck, &G::AttSokr, &G::AttDexterity},
                                        {&O::GoodLuck, &O::Stoi, &O::Dexterity},  95},
};
// clang-format on

// A contest whose numerator weighs `top` and denominator `bottom`.
struct ContestSides {
  GameState state;
  OpponentRecord opponent;
};
ContestSides Sides(const ContestFields& c, std::array<int, 3> top, std::array<int, 3> bottom) {
  ContestSides sides;
  const auto& mine = c.playerOnTop ? top : bottom;
  const auto& theirs = c.playerOnTop ? bottom : top;
  for (int i = 0; i < 3; ++i) {
    sides.state.*c.player[i] = mine[i];
    sides.opponent.*c.opponent[i] = theirs[i];
  }
  return sides;
}

bool Check(const ContestFields& c, const ContestSides& sides, int draw) {
  Random random;
  random.Force(draw);
  return ContestCheck(c.contest, sides.state, sides.opponent, random);
}

TEST(ContestTest, ExactRatiosAreNotRoundedAwayBeforeTheDivision) {
  for (const ContestFields& c : kContestFields) {
    const int contest = static_cast<int>(c.contest);
    // 248.4 ÷ 165.6 is exactly 1.5: a draw of the threshold less 75 just reaches it.
    const ContestSides half = Sides(c, {173, 198, 149}, {109, 162, 107});
    EXPECT_EQ(ContestRatio(c.contest, half.state, half.opponent), 1.5f) << contest;
    EXPECT_TRUE(Check(c, half, c.threshold - 75)) << contest;
    EXPECT_FALSE(Check(c, half, c.threshold - 76)) << contest;
    // Both sums 162.733…: a ratio of exactly 1.
    const ContestSides tie = Sides(c, {139, 58, 49}, {103, 163, 115});
    EXPECT_EQ(ContestRatio(c.contest, tie.state, tie.opponent), 1.0f) << contest;
    EXPECT_EQ(Check(c, tie, 49), c.threshold <= 99) << contest;
  }
}

TEST(ContestTest, AnEmptyDenominatorDoesNotCrash) {
  GameState player;
  player.AttDexterity = player.AttToch = player.AttGoodLuck = 0;
  OpponentRecord opponent = EvenOpponent(1);
  Random random;
  Force(random, {49});
  EXPECT_FALSE(ContestCheck(Contest::OpponentDodges, player, opponent, random));
  EXPECT_EQ(random.ForcedLeft(), 0u);
}

TEST(ChooseOpponentActionsTest, OneStrikeBlocksThreeZones) {
  const bool expected[5][5] = {{},
                               {false, true, true, true, false},
                               {false, false, true, true, true},
                               {false, true, false, true, true},
                               {false, true, true, false, true}};
  for (int pattern = 1; pattern <= 4; ++pattern) {
    FightState fight;
    fight.CurrentOpponent = EvenOpponent(1);
    MoveChoices choices;
    choices.Blocks[3] = true;
    Random random;
    Force(random, {pattern - 1, 2});
    ChooseOpponentActions(fight, choices, random);
    EXPECT_EQ(fight.BlockPattern, pattern);
    for (int zone = 1; zone <= 4; ++zone)
      EXPECT_EQ(fight.OppBlocks[zone] == 1, expected[pattern][zone]) << pattern << " " << zone;
    EXPECT_EQ(fight.OppStrikeZone, 3);
    EXPECT_EQ(fight.PlayerBlocked, 1);
    EXPECT_EQ(fight.StrikesLeft, 1);
  }
}

TEST(ChooseOpponentActionsTest, TwoStrikesBlockAPairAndDrawTheStrikePairSecond) {
  const int pairs[7][2] = {{}, {1, 2}, {2, 3}, {3, 4}, {1, 3}, {2, 4}, {1, 4}};
  for (int pattern = 1; pattern <= 6; ++pattern) {
    FightState fight;
    fight.CurrentOpponent = EvenOpponent(2);
    fight.OppBlocks[1] = fight.OppBlocks[2] = fight.OppBlocks[3] = fight.OppBlocks[4] = 1;
    fight.PlayerBlocked = 1;
    Random random;
    Force(random, {pattern - 1, 6 - pattern});
    ChooseOpponentActions(fight, MoveChoices{}, random);
    EXPECT_EQ(fight.BlockPattern, pattern);
    EXPECT_EQ(fight.StrikePattern, 7 - pattern);
    for (int zone = 1; zone <= 4; ++zone) {
      const bool blocked = zone == pairs[pattern][0] || zone == pairs[pattern][1];
      EXPECT_EQ(fight.OppBlocks[zone] == 1, blocked) << pattern << " " << zone;
    }
    EXPECT_EQ(fight.PlayerBlocked, 0);
    EXPECT_EQ(fight.StrikesLeft, 2);
  }
}

class ResolveMoveTest : public ::testing::Test {
 protected:
  ResolveMoveTest() : sound(state.Sound, player) { MakeEven(state); }

  MoveLog Resolve(std::initializer_list<int> raw) {
    Force(random, raw);
    Force(random, {999});  // must stay unused
    MoveLog log = ResolveMove(state, fight, choices, random, sound);
    EXPECT_EQ(random.ForcedLeft(), 1u) << "the move took a different number of draws";
    while (random.ForcedLeft() > 0) random.RandomInt(1);
    return log;
  }

  GameState state;
  FightState fight;
  MoveChoices choices;
  Random random;
  VectorLog events;
  RecordingSoundPlayer player{events};
  Sound sound;
};

TEST_F(ResolveMoveTest, OneStrikeOpponentDrawsInOrder) {
  fight.CurrentOpponent = EvenOpponent(1);
  choices.Strikes[1] = true;
  choices.Blocks[2] = true;
  const MoveLog log = Resolve({
      1,   // blocks torso, belly, legs
      1,   // strikes the torso, which the player blocks
      0,   // the player does not dodge
      0,   // spread: raw 70 + 23 + 21 + 0.5
      40,  // the block breaks
      45,  // critical: h 57.75, n 101, minus 20
      49,  // the opponent does not dodge the strike at the open head
      5,   // spread: raw 30 + 10 + 5 + 9 + 0.5
      44,  // normal: 54 minus 24
  });
  EXPECT_EQ(log.OpponentLines, Lines{"Соперник пробил блок критом на -81 (в торс)."});
  EXPECT_EQ(log.PlayerLines, Lines{"Вы поразили на -30 (в голову)."});
  EXPECT_EQ(state.MoveAttHP, 50 - 81);
  EXPECT_EQ(state.DamageTaken, 81);
  EXPECT_EQ(state.DamageDealt, 30);
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 970);
  EXPECT_EQ(fight.DamageToPlayer, 81);
  EXPECT_EQ(fight.DamageToOpponent, 30);
  EXPECT_EQ(events.Take(), Lines{"sound sound\\Ход.wav"});
}

TEST_F(ResolveMoveTest, TwoStrikeOpponentDrawsInOrder) {
  fight.CurrentOpponent = EvenOpponent(2);
  choices.Strikes[4] = true;
  choices.Blocks[4] = true;
  const MoveLog log = Resolve({
      2,   // blocks belly and legs
      5,   // strikes head, then legs
      0,   // head: no dodge
      3,   // spread: raw 117.5
      0,   // normal, not blocked: 117 minus 24
      0,   // legs: no dodge
      0,   // spread
      39,  // the player's block holds
      0,   // the opponent does not dodge the strike at its legs
      0,   // spread: raw 49.5
      40,  // the block breaks
      0,   // normal: h 25.25, n 25, minus 17.14…
  });
  EXPECT_EQ(log.OpponentLines,
            (Lines{"Соперник поразил на -93 (в голову).", "Вы заблокировали удар (в ноги)."}));
  EXPECT_EQ(log.PlayerLines, Lines{"Вы пробили блок на -7 (в ноги)."});
  EXPECT_EQ(fight.OppStrikeZone, 4);
  EXPECT_EQ(fight.StrikesLeft, 0);
  EXPECT_EQ(state.MoveAttHP, 50 - 93);
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 993);
  EXPECT_EQ(events.Take(), (Lines{"sound sound\\Ход.wav", "sound sound\\Ход.wav"}));
}

TEST_F(ResolveMoveTest, DodgesAndHeldBlocksWriteTheirZoneMessages) {
  fight.CurrentOpponent = EvenOpponent(1);
  fight.CurrentOpponent.Ulov = 200;  // the opponent dodges easily
  state.AttUlov = 200;
  state.Sound = 0;
  choices.Strikes[2] = true;
  choices.Strikes[3] = true;
  const MoveLog log = Resolve({
      0,        // blocks head, torso, belly
      3,        // strikes the legs
      49,       // the player dodges
      0, 0, 0,  // torso: no dodge, spread, the opponent's block holds
      49,       // belly: dodged
  });
  EXPECT_EQ(log.OpponentLines, Lines{"Вы увернулись от удара (в ноги)."});
  EXPECT_EQ(log.PlayerLines, (Lines{"Соперник заблокировал удар (в торс).",
                                    "Соперник увернулся от удара (в живот)."}));
  EXPECT_EQ(state.MoveAttHP, 50);
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 1000);
  EXPECT_TRUE(events.Take().empty());
}

// English writes whole sentences with the zone where English wants it, from the
// same draws as the Russian lines above.
TEST_F(ResolveMoveTest, EnglishLinesAreWholeSentences) {
  const GameTranslation english(Language::English);
  fight.CurrentOpponent = EvenOpponent(1);
  choices.Strikes[1] = true;
  choices.Blocks[2] = true;
  MoveLog log = Resolve({1, 1, 0, 0, 40, 45, 49, 5, 44});
  EXPECT_EQ(log.OpponentLines, Lines{"The opponent's critical hit broke your block: torso, 81."});
  EXPECT_EQ(log.PlayerLines, Lines{"You hit the opponent's head for 30."});
  choices = MoveChoices{};
  choices.Strikes[2] = true;
  choices.Strikes[3] = true;
  fight.CurrentOpponent.Ulov = 200;
  state.AttUlov = 200;
  log = Resolve({0, 3, 49, 0, 0, 0, 49});
  EXPECT_EQ(log.OpponentLines, Lines{"You dodged a strike to the legs."});
  EXPECT_EQ(log.PlayerLines, (Lines{"The opponent blocked your strike to the torso.",
                                    "The opponent dodged your strike to the belly."}));
}

TEST_F(ResolveMoveTest, ArmourSwallowingTheDamageStillWritesTheLine) {
  fight.CurrentOpponent = EvenOpponent(1);
  fight.CurrentOpponent.KB = 500;
  choices.Strikes[3] = true;
  const MoveLog log = Resolve({3, 0, 0, 0, 44, 0, 0, 0});
  EXPECT_EQ(log.PlayerLines, Lines{"Вы поразили на -0 (в живот)."});
}

TEST_F(ResolveMoveTest, ThePlayerStrikesOnWhenEitherSideIsBeaten) {
  fight.CurrentOpponent = EvenOpponent(1);
  fight.CurrentOpponent.CurHP = 10;
  state.MoveAttHP = 5;
  choices.Strikes[1] = choices.Strikes[2] = true;
  const MoveLog log = Resolve({1, 0, 0, 0, 0,  // the head strike goes home: 114 - 24
                               0, 0, 0,        // player's head strike: 49 − 24
                               0, 0, 39});     // torso is blocked and holds
  EXPECT_EQ(state.MoveAttHP, 5 - 90);
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 10 - 25);
  EXPECT_EQ(log.PlayerLines,
            (Lines{"Вы поразили на -25 (в голову).", "Соперник заблокировал удар (в торс)."}));
}

TEST_F(ResolveMoveTest, PoisonAloneRoundsHalfUp) {
  fight.CurrentOpponent = EvenOpponent(1);
  fight.CurrentOpponent.CurHP = 15;
  fight.PoisonActive = 1;
  const MoveLog log = Resolve({0, 0, 0, 0, 0});
  EXPECT_EQ(log.PlayerLines, (Lines{"", "Яд поразил соперника на -2."}));
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 13);
}

TEST_F(ResolveMoveTest, LastingEffectsSpareABeatenOpponent) {
  fight.CurrentOpponent = EvenOpponent(1);
  fight.CurrentOpponent.CurHP = 0;
  fight.HurricaneActive = 1;
  fight.PoisonActive = 1;
  const MoveLog log = Resolve({0, 0, 0, 0, 0});
  EXPECT_TRUE(log.PlayerLines.empty());
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 0);

  // One hit point is too little for either to take: 0.75 and 0.6 round down.
  fight.CurrentOpponent.CurHP = 1;
  const MoveLog last = Resolve({0, 0, 0, 0, 0});
  EXPECT_EQ(last.PlayerLines,
            (Lines{"", "Ураган поразил соперника на -0.", "Яд поразил соперника на -0."}));
  EXPECT_EQ(fight.CurrentOpponent.CurHP, 1);
}

}  // namespace
