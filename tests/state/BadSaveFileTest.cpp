#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <random>

#include "state/SaveFiles.h"
#include "state/ScrambleFile.h"

namespace fs = std::filesystem;

namespace {

// Damaged save files, as a disk, an editor or a crash leaves them: the reader
// must name the problem and never hand back a partly read game as a good one.
class BadSaveFile : public ::testing::Test {
 protected:
  BadSaveFile()
      : root(fs::temp_directory_path() / ("mg-bad-save-" + std::to_string(getpid()))),
        folder(root) {
    fs::remove_all(root);
    fs::create_directories(root);
  }
  ~BadSaveFile() override { fs::remove_all(root); }

  static GameState Vasya() {
    GameState state;
    state.Nick = "Вася";
    state.Password = "secret";
    state.Money = 1234.5f;
    state.AttPower = 40;
    return state;
  }

  void SaveVasya(const std::vector<std::string>& backpack = {"Меч", "Щит"}) {
    ASSERT_EQ(WriteSavedGame(folder, names,
                             {SavedValues(Vasya(), SavedMembers(), '.'), backpack, {"Рубин"}}),
              std::nullopt);
  }

  std::string Bytes(const std::string& gamePath) const {
    std::ifstream in(folder.Resolve(gamePath), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& gamePath, const std::string& bytes) const {
    std::ofstream(folder.Resolve(gamePath), std::ios::binary | std::ios::trunc) << bytes;
  }
  void WritePlain(const std::string& gamePath, const std::string& plain) const {
    Write(gamePath, ScrambleFile(plain));
  }
  std::string Plain(const std::string& gamePath) const { return ScrambleFile(Bytes(gamePath)); }

  // The login's way in: open, then read. The problem, or none for a loaded game;
  // a file the login takes for a new nick reads as "new nick".
  std::optional<std::string> Login(LoadedGame& loaded) const {
    const OpenedMainFile opened = OpenMainFile(folder, names);
    if (opened.kind == OpenedMainFile::Kind::NewNick) return "new nick";
    if (opened.kind == OpenedMainFile::Kind::Unreadable) return opened.problem;
    return ReadSavedGame(folder, names, opened.values, loaded);
  }

  std::optional<std::string> Login() const {
    LoadedGame loaded;
    return Login(loaded);
  }

  // The main file with one line replaced.
  std::string MainWith(const std::string& from, const std::string& to) const {
    std::string text = Plain(names.main);
    text.replace(text.find(from), from.size(), to);
    return text;
  }

  fs::path root;
  GameFolder folder;
  SaveFileNames names = SaveFilesOf("Вася");
};

}  // namespace

TEST_F(BadSaveFile, AMainFileCutAtAnyByteIsNeverLoaded) {
  SaveVasya();
  const std::string whole = Bytes(names.main);
  const std::size_t passwordLineEnd = Plain(names.main).find("\r\n", 12) + 2;
  for (std::size_t size = 0; size < whole.size(); ++size) {
    Write(names.main, whole.substr(0, size));
    const auto problem = Login();
    ASSERT_TRUE(problem.has_value()) << size;
    // Only a cut before the password ends leaves nothing worth keeping.
    if (*problem == "new nick") {
      EXPECT_LT(size, passwordLineEnd) << size;
    } else {
      EXPECT_TRUE(problem->starts_with("Файл сохранения save\\Вася.par повреждён: ")) << *problem;
    }
  }
  Write(names.main, whole);
  EXPECT_EQ(Login(), std::nullopt);
}

TEST_F(BadSaveFile, AListFileCutInsideALineIsReported) {
  SaveVasya();
  const std::string whole = Bytes(names.backpack);
  for (std::size_t size = 1; size < whole.size(); ++size) {
    Write(names.backpack, whole.substr(0, size));
    LoadedGame loaded;
    const auto problem = Login(loaded);
    // A cut between lines cannot be told from a shorter list.
    if (ScrambleFile(whole.substr(0, size)).ends_with("\r\n")) {
      EXPECT_EQ(problem, std::nullopt) << size;
      EXPECT_EQ(loaded.backpack, std::vector<std::string>{"Меч"});
    } else {
      EXPECT_EQ(problem, "Файл сохранения save\\Вася.l1 повреждён: файл обрезан.") << size;
    }
  }
}

TEST_F(BadSaveFile, GarbageIsNeverLoaded) {
  SaveVasya();
  std::mt19937 bytes(7);
  for (int round = 0; round < 300; ++round) {
    std::string garbage(bytes() % 400, '\0');
    for (char& c : garbage) c = static_cast<char>(bytes());
    Write(names.main, garbage);
    const auto problem = Login();
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(*problem == "new nick" || problem->starts_with("Файл сохранения ")) << *problem;
  }
}

TEST_F(BadSaveFile, HugeEndlessOrNegativeNumbersAreRefusedByKey) {
  SaveVasya();
  const std::pair<std::string, std::string> cases[] = {
      {"AttPower=99999999999999999999", "AttPower «99999999999999999999» не является целым"},
      {"AttPower=-99999999999999999999", "AttPower «-99999999999999999999» не является целым"},
      {"AttPower=1e3", "AttPower «1e3» не является целым"},
      {"Money=1e39", "Money «1e39» не является числом"},
      {"Money=inf", "Money «inf» не является числом"},
      {"Money=nan", "Money «nan» не является числом"},
      {"Money=-0.5", "Money «-0.5» меньше нуля"},
  };
  const std::string original = Plain(names.main);
  for (const auto& [line, words] : cases) {
    const std::string key = line.substr(0, line.find('='));
    std::string text = original;
    const auto at = text.find(key + "=");
    text.replace(at, text.find("\r\n", at) - at, line);
    WritePlain(names.main, text);
    const auto problem = Login();
    ASSERT_TRUE(problem.has_value()) << line;
    EXPECT_NE(problem->find(words), std::string::npos) << *problem;
  }
}

TEST_F(BadSaveFile, AMissingKeyOrAnEmptyLineIsReported) {
  SaveVasya();
  WritePlain(names.main, MainWith("Lose=0\r\n", ""));
  EXPECT_EQ(Login(), "Файл сохранения save\\Вася.par повреждён: нет значения Lose.");
  SaveVasya();
  WritePlain(names.main, MainWith("Lose=0\r\n", "Lose=0\r\n\r\n"));
  EXPECT_EQ(Login(), "Файл сохранения save\\Вася.par повреждён: это не сохранённая игра.");
}

TEST_F(BadSaveFile, AHundredThousandBackpackLinesGoAndComeBack) {
  std::vector<std::string> backpack;
  for (int i = 0; i < 100000; ++i) backpack.push_back(i % 2 ? "Кожаная броня" : "Меч");
  const auto start = std::chrono::steady_clock::now();
  SaveVasya(backpack);
  LoadedGame loaded;
  ASSERT_EQ(Login(loaded), std::nullopt);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(loaded.backpack, backpack);
  EXPECT_LT(took, std::chrono::seconds(5));
}
