#include <benchmark/benchmark.h>

#include "core/Random.h"
#include "core/Sound.h"
#include "fight/Resolution.h"
#include "state/GameState.h"

namespace {

class SilentPlayer : public SoundPlayer {
 public:
  void PlayFile(const std::string&) override {}
};

// One move against a two-strike opponent: all four strikes, two blocks.
void BM_ResolveMove(benchmark::State& bench) {
  Random random(1);
  GameState state;
  state.AttKick = 120;
  state.AttPower = 90;
  state.AttDexterity = 80;
  state.AttGoodLuck = 70;
  state.AttKB = 60;
  SilentPlayer player;
  Sound sound(state.Sound, player);
  MoveChoices choices;
  for (int zone = 1; zone <= kZoneCount; ++zone) choices.Strikes[zone] = true;
  choices.Blocks[1] = choices.Blocks[4] = true;
  FightState fight;
  fight.CurrentOpponent = GenerateOpponent(7, 1, random);
  fight.CurrentOpponent.CurHP = fight.CurrentOpponent.HP;

  for (auto _ : bench) {
    // Only hit points and counters change from move to move.
    state.MoveAttHP = state.AttHP;
    fight.CurrentOpponent.CurHP = fight.CurrentOpponent.HP;
    MoveLog log = ResolveMove(state, fight, choices, random, sound);
    benchmark::DoNotOptimize(log);
  }
}
BENCHMARK(BM_ResolveMove)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
