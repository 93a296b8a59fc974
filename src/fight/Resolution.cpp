#include "fight/Resolution.h"

#include <iterator>

#include "core/Random.h"
#include "core/Sound.h"
#include "core/Translate.h"
#include "state/GameState.h"

namespace {

// One side's values as the contests read them.
struct Fighter {
  int Power, Dexterity, GoodLuck, KB, Ulov, Toch, Sokr, Stoi;
};

Fighter PlayerSide(const GameState& s) {
  return {s.AttPower, s.AttDexterity, s.AttGoodLuck, s.AttKB,
          s.AttUlov,  s.AttToch,      s.AttSokr,     s.AttStoi};
}

Fighter OpponentSide(const OpponentRecord& o) {
  return {o.Power, o.Dexterity, o.GoodLuck, o.KB, o.Ulov, o.Toch, o.Sokr, o.Stoi};
}

// The three values of a weighted sum A + B × 2/15 + C / 3.
struct Weighing {
  int Fighter::*a;
  int Fighter::*b;
  int Fighter::*c;
};
constexpr Weighing kEvasion{&Fighter::Dexterity, &Fighter::Ulov, &Fighter::GoodLuck};
constexpr Weighing kAccuracy{&Fighter::Dexterity, &Fighter::Toch, &Fighter::GoodLuck};
constexpr Weighing kMight{&Fighter::Power, &Fighter::KB, &Fighter::GoodLuck};
constexpr Weighing kCrushing{&Fighter::GoodLuck, &Fighter::Sokr, &Fighter::Dexterity};
constexpr Weighing kFortitude{&Fighter::GoodLuck, &Fighter::Stoi, &Fighter::Dexterity};

enum class Side { Player, Opponent };

struct ContestRow {
  Contest contest;
  Side numeratorSide;  // the denominator is the other side
  Weighing numerator;
  Weighing denominator;
  int threshold;
};

// clang-format off
constexpr ContestRow kContests[] = {
// contest                       numerator side   numerator  denominator threshold
  {Contest::OpponentDodges,      Side::Opponent,  kEvasion,  kAccuracy,  100},
  {Contest::OpponentBreaksBlock, Side::Opponent,  kMight,    kMight,     90},
  {Contest::OpponentCritical,    Side::Opponent,  kCrushing, kFortitude, 95},
  {Contest::PlayerDodges,        Side::Player,    kEvasion,  kAccuracy,  100},
  {Contest::PlayerBreaksBlock,   Side::Player,    kMight,    kMight,     90},
  {Contest::PlayerCritical,      Side::Player,    kCrushing, kFortitude, 95},
};

// Damage after block and armour: a broken block halves the raw damage first;
// the armour part is kb × times ÷ over.
struct DamageRow {
  bool blockBroken;
  bool critical;
  float armourTimes;
  float armourOver;
};
constexpr DamageRow kDamageTable[] = {
// broken critical armour part
  {false,  false,   0.8f, 1.0f},
  {false,  true,    1.0f, 1.0f},
  {true,   false,   4.0f, 7.0f},
  {true,   true,    2.0f, 3.0f},
};

// Where a strike goes, as the log lines put it in.
const char* const kZoneWords[kZoneCount + 1] = {
  "",
  QT_TRANSLATE_NOOP("Fight", "в голову"),
  QT_TRANSLATE_NOOP("Fight", "в торс"),
  QT_TRANSLATE_NOOP("Fight", "в живот"),
  QT_TRANSLATE_NOOP("Fight", "в ноги"),
};

// A strike that does nothing: [striker][dodged or blocked]. Whole sentences, so a
// language may put the zone where its word order wants it.
const char* const kMissLines[2][2] = {
  // the opponent strikes: the player dodges, the player's block holds
  {QT_TRANSLATE_NOOP("Fight", "Вы увернулись от удара (%1)."), QT_TRANSLATE_NOOP("Fight", "Вы заблокировали удар (%1).")},
  // the player strikes
  {QT_TRANSLATE_NOOP("Fight", "Соперник увернулся от удара (%1)."), QT_TRANSLATE_NOOP("Fight", "Соперник заблокировал удар (%1).")},
};

// A strike that does damage (%1) at a zone (%2): [striker][block broken][critical].
const char* const kDamageLines[2][2][2] = {
  // the opponent: not blocked (normal, critical), block broken (normal, critical)
  {{QT_TRANSLATE_NOOP("Fight", "Соперник поразил на -%1 (%2)."), QT_TRANSLATE_NOOP("Fight", "Соперник поразил критом на -%1 (%2).")},
   {QT_TRANSLATE_NOOP("Fight", "Соперник пробил блок на -%1 (%2)."), QT_TRANSLATE_NOOP("Fight", "Соперник пробил блок критом на -%1 (%2).")}},
  // the player
  {{QT_TRANSLATE_NOOP("Fight", "Вы поразили на -%1 (%2)."), QT_TRANSLATE_NOOP("Fight", "Вы поразили критом на -%1 (%2).")},
   {QT_TRANSLATE_NOOP("Fight", "Вы пробили блок на -%1 (%2)."), QT_TRANSLATE_NOOP("Fight", "Вы пробили блок критом на -%1 (%2).")}},
};

// A one-strike opponent blocks three zones, by BlockPattern 1..4.
constexpr bool kThreeBlocks[5][kZoneCount + 1] = {
  {},
  {false, true,  true,  true,  false},
  {false, false, true,  true,  true},
  {false, true,  false, true,  true},
  {false, true,  true,  false, true},
};
// The zone pairs of a two-strike opponent's BlockPattern and StrikePattern 1..6.
constexpr Zone kZonePairs[7][2] = {
  {0, 0},
  {1, 2}, {2, 3}, {3, 4}, {1, 3}, {2, 4}, {1, 4},
};
// clang-format on

constexpr bool ContestsInOrder() {
  for (int i = 0; i < static_cast<int>(std::size(kContests)); ++i) {
    if (kContests[i].contest != static_cast<Contest>(i)) return false;
  }
  return true;
}
static_assert(ContestsInOrder());

const ContestRow& ContestRowOf(Contest contest) { return kContests[static_cast<int>(contest)]; }

// Summed in double: only the ratio and the final value are floats, so an exact
// ratio such as 248.4 / 165.6 = 1.5 stays exact.
double WeightedSum(const Fighter& f, const Weighing& w) {
  return f.*w.a + (f.*w.b * 2) / 15.0 + f.*w.c / 3;
}

int Truncate(float value) { return static_cast<int>(value); }

const DamageRow& DamageRowOf(bool blockBroken, bool critical) {
  for (const auto& row : kDamageTable) {
    if (row.blockBroken == blockBroken && row.critical == critical) return row;
  }
  return kDamageTable[0];
}

// The three contests of a strike and whose line it writes.
struct Striker {
  Contest dodge;
  Contest breakBlock;
  Contest critical;
  bool isPlayer;
};
constexpr Striker kOpponentStriker{Contest::PlayerDodges, Contest::OpponentBreaksBlock,
                                   Contest::OpponentCritical, false};
constexpr Striker kPlayerStriker{Contest::OpponentDodges, Contest::PlayerBreaksBlock,
                                 Contest::PlayerCritical, true};

std::string FightText(const char* text) { return mg::translate("Fight", text); }

// One strike at `zone`: writes its line and returns the damage it does.
int ResolveStrike(const Striker& striker, Zone zone, bool blocked, const GameState& state,
                  const OpponentRecord& opponent, Random& random, std::vector<std::string>& lines) {
  const std::string where = FightText(kZoneWords[zone]);
  const char* const* misses = kMissLines[striker.isPlayer];
  if (ContestCheck(striker.dodge, state, opponent, random)) {
    lines.push_back(mg::Fill(FightText(misses[0]), {where}));
    return 0;
  }
  const float raw = striker.isPlayer ? RawDamage(state.AttKick, state.AttPower, random)
                                     : RawDamage(opponent.Kick, opponent.Power, random);
  if (blocked && !ContestCheck(striker.breakBlock, state, opponent, random)) {
    lines.push_back(mg::Fill(FightText(misses[1]), {where}));
    return 0;
  }
  const bool critical = ContestCheck(striker.critical, state, opponent, random);
  const int kb = striker.isPlayer ? opponent.KB : state.AttKB;
  const int damage = DamageAfterArmour(raw, kb, blocked, critical);
  lines.push_back(mg::Fill(FightText(kDamageLines[striker.isPlayer][blocked][critical]),
                           {std::to_string(damage), where}));
  return damage;
}

void ResolveOpponentStrike(GameState& state, FightState& fight, const MoveChoices& choices,
                           Random& random, Sound& sound, MoveLog& log) {
  if (fight.CurrentOpponent.StrikesPerMove != 1) {
    const Zone* pair = kZonePairs[fight.StrikePattern];
    fight.OppStrikeZone = fight.StrikesLeft == 2 ? pair[0] : pair[1];
    fight.PlayerBlocked = choices.Blocks[fight.OppStrikeZone] ? 1 : 0;
  }
  sound.Play("sound\\Ход.wav");
  fight.DamageToPlayer =
      ResolveStrike(kOpponentStriker, fight.OppStrikeZone, fight.PlayerBlocked == 1, state,
                    fight.CurrentOpponent, random, log.OpponentLines);
  state.MoveAttHP -= fight.DamageToPlayer;
  state.DamageTaken += fight.DamageToPlayer;
}

void ResolvePlayerStrike(GameState& state, FightState& fight, Zone zone, Random& random,
                         MoveLog& log) {
  fight.DamageToOpponent = ResolveStrike(kPlayerStriker, zone, fight.OppBlocks[zone] == 1, state,
                                         fight.CurrentOpponent, random, log.PlayerLines);
  fight.CurrentOpponent.CurHP -= fight.DamageToOpponent;
  state.DamageDealt += fight.DamageToOpponent;
}

// The lasting effects take a share of what the opponent has left.
int ShareOfHitPoints(int curHP, float share) {
  return Truncate(static_cast<float>(curHP) * share + 0.5f);
}

void ResolveLastingEffects(GameState& state, FightState& fight, MoveLog& log) {
  int& curHP = fight.CurrentOpponent.CurHP;
  if (fight.HurricaneActive == 1 && curHP > 0) {
    const int damage = ShareOfHitPoints(curHP, 0.25f);
    state.DamageDealt += damage;
    log.PlayerLines.push_back("");
    log.PlayerLines.push_back(mg::Fill(mg::translate("Fight", "Ураган поразил соперника на -%1."),
                                       {std::to_string(damage)}));
    curHP -= damage;
  }
  if (fight.PoisonActive == 1 && curHP > 0) {
    const int damage = ShareOfHitPoints(curHP, 0.1f);
    state.DamageDealt += damage;
    if (fight.HurricaneActive != 1) log.PlayerLines.push_back("");
    log.PlayerLines.push_back(
        mg::Fill(mg::translate("Fight", "Яд поразил соперника на -%1."), {std::to_string(damage)}));
    curHP -= damage;
  }
}

}  // namespace

float RawDamage(int kick, int power, Random& random) {
  const int third = kick / 3;
  const int spread = third != 0 ? random.RandomInt(third) : 0;
  const int base = kick + third + spread;
  return static_cast<float>(base) + static_cast<float>(kick * power) * 0.01f + 0.5f;
}

float ContestRatio(Contest contest, const GameState& state, const OpponentRecord& opponent) {
  const ContestRow& row = ContestRowOf(contest);
  const Fighter player = PlayerSide(state);
  const Fighter other = OpponentSide(opponent);
  const bool opponentFirst = row.numeratorSide == Side::Opponent;
  const double numerator = WeightedSum(opponentFirst ? other : player, row.numerator);
  const double denominator = WeightedSum(opponentFirst ? player : other, row.denominator);
  // Cannot happen with the game's values; a side with nothing at all wins no contest.
  if (denominator <= 0.0) return 0.0f;
  return static_cast<float>(numerator / denominator);
}

bool ContestCheck(Contest contest, const GameState& state, const OpponentRecord& opponent,
                  Random& random) {
  const float ratio = ContestRatio(contest, state, opponent);
  const float value = static_cast<float>(random.RandomInt(50)) + ratio * 50.0f;
  return value >= static_cast<float>(ContestRowOf(contest).threshold);
}

int DamageAfterArmour(float raw, int kb, bool blockBroken, bool critical) {
  const DamageRow& row = DamageRowOf(blockBroken, critical);
  const float beforeCritical = blockBroken ? raw * 0.5f + 0.5f : raw;
  const int damage = critical ? Truncate(beforeCritical * 1.75f + 0.5f) : Truncate(beforeCritical);
  const float armour = static_cast<float>(kb) * row.armourTimes / row.armourOver;
  if (armour >= static_cast<float>(damage)) return 0;
  return Truncate(static_cast<float>(damage) - armour);
}

void ChooseOpponentActions(FightState& fight, const MoveChoices& choices, Random& random) {
  for (int& block : fight.OppBlocks) block = 0;
  fight.PlayerBlocked = 0;
  fight.StrikesLeft = fight.CurrentOpponent.StrikesPerMove;
  if (fight.CurrentOpponent.StrikesPerMove == 1) {
    fight.BlockPattern = random.RandomInt(4) + 1;
    for (Zone zone = 1; zone <= kZoneCount; ++zone)
      fight.OppBlocks[zone] = kThreeBlocks[fight.BlockPattern][zone] ? 1 : 0;
    fight.OppStrikeZone = random.RandomInt(4) + 1;
    fight.PlayerBlocked = choices.Blocks[fight.OppStrikeZone] ? 1 : 0;
  } else {
    fight.BlockPattern = random.RandomInt(6) + 1;
    fight.StrikePattern = random.RandomInt(6) + 1;
    for (Zone zone : kZonePairs[fight.BlockPattern]) fight.OppBlocks[zone] = 1;
  }
}

MoveLog ResolveMove(GameState& state, FightState& fight, const MoveChoices& choices, Random& random,
                    Sound& sound) {
  MoveLog log;
  ChooseOpponentActions(fight, choices, random);
  for (; fight.StrikesLeft >= 1; --fight.StrikesLeft)
    ResolveOpponentStrike(state, fight, choices, random, sound, log);
  // The player strikes even when already beaten this move.
  for (Zone zone = 1; zone <= kZoneCount; ++zone) {
    if (choices.Strikes[zone]) ResolvePlayerStrike(state, fight, zone, random, log);
  }
  ResolveLastingEffects(state, fight, log);
  return log;
}
