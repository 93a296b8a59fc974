#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "state/SaveFiles.h"

namespace fs = std::filesystem;

// SaveGame and the login's load of a character with a 1,000-line backpack, at the
// level of the rules: build the three files, write them, open and read them back.
static void SaveAndLoadThousandLineBackpack(benchmark::State& run) {
  const fs::path root = fs::temp_directory_path() / ("mg-bench-" + std::to_string(getpid()));
  fs::create_directories(root);
  const GameFolder folder(root);
  const SaveFileNames names = SaveFilesOf("Вася");
  GameState state;
  state.Nick = "Вася";
  state.Password = "secret";
  state.Money = 2087.5f;
  std::vector<std::string> backpack;
  for (int i = 0; i < 1000; ++i) backpack.push_back(i % 2 ? "Шлем слепоты" : "Зелье ХП");
  const std::vector<std::string> bonus = {"Рубин", "Сапфир"};

  for (auto _ : run) {
    const auto failure =
        WriteSavedGame(folder, names, {SavedValues(state, SavedMembers(), '.'), backpack, bonus});
    const OpenedMainFile opened = OpenMainFile(folder, names);
    LoadedGame loaded;
    const auto problem = ReadSavedGame(folder, names, opened.values, loaded);
    if (failure || problem || loaded.backpack.size() != 1000)
      run.SkipWithError("round trip failed");
    benchmark::DoNotOptimize(loaded);
  }
  fs::remove_all(root);
}
BENCHMARK(SaveAndLoadThousandLineBackpack)->Unit(benchmark::kMicrosecond);
