// The backpack at 0, 1,000, 10,000 and 100,000 lines through the real screens on
// the offscreen platform: each step the player can take with the lists, the
// events it posts (repaints) processed, as one frame would.
//
//   mg_lists_bench                          the timings (Google Benchmark)
//   mg_lists_bench --peak-memory LINES      every step once, then the peak resident set

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>

#include "BenchGame.h"
#include "inventory/StockUnit.h"
#include "shell/Game.h"
#include "shell/GameApplication.h"
#include "shell/NickUnit.h"
#include "shell/SaveGame.h"
#include "shop/BuyUnit.h"
#include "state/SaveFiles.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"
#include "world/StartUnit.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNick = "Bench";
constexpr const char* kHelmet = "Шлем слепоты";
constexpr const char* kGem = "Рубин [1]";

// A long-played backpack: the shop's kinds over and over, a helmet and a gem last.
std::vector<std::string> Backpack(int lines) {
  std::vector<std::string> names;
  for (int c = 0; c < kShopCategoryCount; ++c)
    for (const ItemKind* kind : ShopKinds(static_cast<ShopCategory>(c)))
      names.push_back(kind->name);
  std::vector<std::string> backpack;
  backpack.reserve(lines);
  for (int i = 0; i + 2 < lines; ++i) backpack.push_back(names[i % names.size()]);
  if (lines >= 2) {
    backpack.push_back(kHelmet);
    backpack.push_back(kGem);
  }
  return backpack;
}

// A saved character under its own fresh game folder, logged in on demand.
class Session {
 public:
  explicit Session(int lines)
      : root_(fs::temp_directory_path() /
              ("mg-lists-bench-" + std::to_string(getpid()) + "-" + std::to_string(lines))) {
    fs::remove_all(root_);
    fs::create_directories(root_);
    GameState state;
    state.Nick = kNick;
    state.Password = "secret";
    state.Money = 1e6f;
    const GameFolder folder(root_);
    if (WriteSavedGame(folder, SaveFilesOf(kNick),
                       {SavedValues(state, SavedMembers(), '.'), Backpack(lines), {}}))
      throw std::runtime_error("cannot write the save");
  }
  ~Session() {
    game.reset();
    fs::remove_all(root_);
  }

  // A new game with the login filled in, not yet pressed.
  void Start() {
    game.reset();
    game = GameAtTheLogin(root_, log_, kNick);
  }
  void LogIn() {
    game->form4->Button->click();
    Frame();
  }
  // What the event loop does before the next frame: layouts and repaints.
  void Frame() {
    QCoreApplication::processEvents();
    log_.lines.clear();
  }

  TForm5& Inventory() { return *game->form5; }
  int Last() { return game->backpack.Count() - 1; }
  // The line lies among the last few: a step or two from the end.
  int LastRowOf(const std::string& name) {
    int row = Last();
    while (row >= 0 && game->backpack.LineAt(row) != name) --row;
    return row;
  }

  std::unique_ptr<Game> game;

 private:
  fs::path root_;
  VectorLog log_;
};

// Logged in, the inventory shown.
Session& Open(Session& s) {
  s.Start();
  s.LogIn();
  s.Inventory().show();
  s.Frame();
  return s;
}

void Login(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  for (auto _ : run) {
    run.PauseTiming();
    s.Start();
    run.ResumeTiming();
    s.LogIn();
  }
}

// Times `step` with the frame it causes; `undo`, untimed, puts the lists back as
// they were, so that every iteration meets the same backpack.
void Timed(benchmark::State& run, Session& s, const std::function<void()>& step,
           const std::function<void()>& undo = nullptr) {
  for (auto _ : run) {
    step();
    s.Frame();
    if (!undo) continue;
    run.PauseTiming();
    undo();
    s.Frame();
    run.ResumeTiming();
  }
}

void ChooseLast(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  TForm5& inventory = Open(s).Inventory();
  Timed(run, s, [&] { inventory.SubjectListBox->Choose(s.Last()); });
}

// The helmet, last in the backpack, worn; taking it off puts it back last.
void Wear(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  TForm5& inventory = Open(s).Inventory();
  Timed(
      run, s,
      [&] {
        inventory.SubjectListBox->Choose(s.LastRowOf(kHelmet));
        inventory.DressButton->click();
      },
      [&] { inventory.Figure.Slot("Shlem")->Click(); });
}

void SellLast(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  TForm5& inventory = Open(s).Inventory();
  Timed(
      run, s,
      [&] {
        inventory.SubjectListBox->Choose(s.Last());
        inventory.SellButton->click();
      },
      [&] { s.game->backpack.Append(kGem); });
}

void Buy(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  s.Start();
  s.LogIn();
  TForm2& shop = *s.game->form2;
  shop.show();
  s.Frame();
  Timed(
      run, s, [&] { shop.Tabs[0].Button->click(); },
      [&] {
        s.game->backpack.RemoveAt(s.Last());
        s.game->state.Money = 1e6f;
      });
}

// Fight loot and wood cutting append a line; shown here with the inventory open,
// the dearer case.
void AppendLoot(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  Open(s);
  Timed(
      run, s, [&] { s.game->backpack.Append("Поленья (3 штуки)"); },
      [&] { s.game->backpack.RemoveAt(s.Last()); });
}

// The gem, last in the backpack, into the bonus list and back to the end.
void GemToBonusAndBack(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  TForm5& inventory = Open(s).Inventory();
  Timed(run, s, [&] {
    inventory.SubjectListBox->Choose(s.LastRowOf(kGem));
    inventory.DragButton->click();
    inventory.TransListBox->Choose(0);
    inventory.Drag2Button->click();
  });
}

void ShowInventory(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  s.Start();
  s.LogIn();
  Timed(
      run, s, [&] { s.Inventory().show(); }, [&] { s.Inventory().hide(); });
}

void Save(benchmark::State& run) {
  Session s(static_cast<int>(run.range(0)));
  s.Start();
  s.LogIn();
  Timed(run, s, [&] { SaveGame(*s.game); });
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int lines : {0, 1000, 10000, 100000}) b->Arg(lines);
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(Login)->Apply(Sizes)->Iterations(10);
BENCHMARK(ShowInventory)->Apply(Sizes);
BENCHMARK(ChooseLast)->Apply(Sizes);
BENCHMARK(Wear)->Apply(Sizes);
BENCHMARK(SellLast)->Apply(Sizes);
BENCHMARK(Buy)->Apply(Sizes);
BENCHMARK(AppendLoot)->Apply(Sizes);
BENCHMARK(GemToBonusAndBack)->Apply(Sizes);
BENCHMARK(Save)->Apply(Sizes);

// The largest resident set so far, from the kernel's own count.
long PeakKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

// Every step once: login, the inventory, choosing, wearing, selling, buying, a
// gem there and back, saving.
int PeakMemory(int lines) {
  {
    Session s(lines);
    // What writing the save for the run took is not the game's: hand it back and
    // count the peak from here on.
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    Open(s);
    TForm5& inventory = s.Inventory();
    inventory.SubjectListBox->Choose(s.LastRowOf(kHelmet));
    inventory.DressButton->click();
    inventory.SubjectListBox->Choose(s.LastRowOf(kGem));
    inventory.DragButton->click();
    inventory.TransListBox->Choose(0);
    inventory.Drag2Button->click();
    inventory.SubjectListBox->Choose(s.Last());
    inventory.SellButton->click();
    s.Frame();
    inventory.hide();
    s.game->form2->show();
    s.game->form2->Tabs[0].Button->click();
    s.Frame();
    SaveGame(*s.game);
    s.Frame();
  }
  std::cout << "lines " << lines << " peak " << PeakKiB() << " KiB\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  GameApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0)
    return PeakMemory(std::atoi(argv[2]));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
