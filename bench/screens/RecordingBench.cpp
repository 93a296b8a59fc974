// The cost of recording a session: one minute of busy play (60 ticks of the world
// clock and 80 clicks on the fight's boxes) through the real screens on the
// offscreen platform, recorded to a file as a real session is, and the same minute
// unrecorded. The counters give the bytes a minute adds to the recording and the
// time of one input.
//
//   mg_recording_bench

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "BenchGame.h"
#include "fight/MGUnit.h"
#include "replay/Recorder.h"
#include "shell/Game.h"
#include "shell/GameApplication.h"
#include "shell/NickUnit.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTicks = 60;
constexpr int kClicks = 80;

// A logged-in game in a folder of its own.
class Session {
 public:
  Session() : folder_(fs::temp_directory_path() / "mg-recording-bench") {
    fs::remove_all(folder_);
    game_ = GameAtTheLogin(folder_, log_, "Bench");
    game_->form4->Button->click();
  }
  ~Session() {
    game_.reset();
    fs::remove_all(folder_);
  }

  void PlayMinute() {
    for (int i = 0; i < kTicks; ++i) game_->input.RunTimed("tick");
    for (int i = 0; i < kClicks; ++i) game_->form1->CheckBoxes[1 + i % 4]->click();
  }

  Game& game() { return *game_; }
  fs::path File() const { return folder_ / "bench.replay"; }

 private:
  fs::path folder_;
  NullLog log_;
  std::unique_ptr<Game> game_;
};

void MinutePlain(benchmark::State& state) {
  Session session;
  for (auto _ : state) session.PlayMinute();
  state.counters["per_input"] =
      benchmark::Counter(state.iterations() * (kTicks + kClicks),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void MinuteRecorded(benchmark::State& state) {
  Session session;
  std::ofstream out(session.File(), std::ios::binary);
  Recorder recorder(session.game(), out);
  recorder.Start("bench", 12);
  const auto start = out.tellp();
  for (auto _ : state) session.PlayMinute();
  state.counters["bytes_per_minute"] =
      static_cast<double>(out.tellp() - start) / static_cast<double>(state.iterations());
  state.counters["per_input"] =
      benchmark::Counter(state.iterations() * (kTicks + kClicks),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(MinutePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(MinuteRecorded)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  GameApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
