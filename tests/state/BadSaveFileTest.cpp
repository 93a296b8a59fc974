#include <random>

#include "state/SaveFilesFixture.h"

namespace {

// Damaged save files, as a disk, an editor or a crash leaves them: the reader
// must name the problem and never hand back a partly read game as a good one.
class BadSaveFile : public SaveFiles {
 protected:
  void SaveVasya(const std::vector<std::string>& backpack = {"Меч", "Щит"}) {
    ASSERT_EQ(Save(NewCharacter(), backpack, {"Рубин"}), std::nullopt);
  }
  // The main file with one line replaced.
  std::string MainWith(const std::string& from, const std::string& to) const {
    std::string text = Plain(names.main);
    text.replace(text.find(from), from.size(), to);
    return text;
  }
};

}  // namespace

TEST_F(BadSaveFile, AMainFileCutAtAnyByteIsNeverLoaded) {
  SaveVasya();
  const std::string whole = Bytes(names.main);
  const std::size_t passwordLineEnd = Plain(names.main).find("\r\n", 12) + 2;
  for (std::size_t size = 0; size < whole.size(); ++size) {
    Write(names.main, whole.substr(0, size));
    const auto problem = Load();
    ASSERT_TRUE(problem.has_value()) << size;
    // Only a cut before the password ends leaves nothing worth keeping.
    if (*problem == "new nick") {
      EXPECT_LT(size, passwordLineEnd) << size;
    } else {
      EXPECT_TRUE(problem->starts_with("Файл сохранения save\\Вася.par повреждён: ")) << *problem;
    }
  }
  Write(names.main, whole);
  EXPECT_EQ(Load(), std::nullopt);
}

TEST_F(BadSaveFile, AListFileCutInsideALineIsReported) {
  SaveVasya();
  const std::string whole = Bytes(names.backpack);
  for (std::size_t size = 1; size < whole.size(); ++size) {
    Write(names.backpack, whole.substr(0, size));
    LoadedGame loaded;
    const auto problem = Load(loaded);
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
    const auto problem = Load();
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(*problem == "new nick" || problem->starts_with("Файл сохранения ")) << *problem;
  }
}

TEST_F(BadSaveFile, HugeEndlessOrNegativeNumbersAreRefusedByKey) {
  SaveVasya();
  const std::pair<std::string, std::string> cases[] = {
      {"AttPower=99999999999999999999", "AttPower «99999999999999999999» вне допустимых пределов"},
      {"AttPower=-99999999999999999999", "AttPower «-99999999999999999999» вне допустимых"},
      {"AttPower=1e3", "AttPower «1e3» не является целым"},
      {"Money=1e39", "Money «1e39» вне допустимых пределов"},
      {"Place=21", "Place «21» вне пределов от 1 до 20"},
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
    WriteScrambled(names.main, text);
    const auto problem = Load();
    ASSERT_TRUE(problem.has_value()) << line;
    EXPECT_NE(problem->find(words), std::string::npos) << *problem;
  }
}

TEST_F(BadSaveFile, AnEmptyLineIsReported) {
  SaveVasya();
  WriteScrambled(names.main, MainWith("Lose=0\r\n", "Lose=0\r\n\r\n"));
  EXPECT_EQ(Load(), "Файл сохранения save\\Вася.par повреждён: это не сохранённая игра.");
}

TEST_F(BadSaveFile, AHundredThousandBackpackLinesGoAndComeBack) {
  std::vector<std::string> backpack;
  for (int i = 0; i < 100000; ++i) backpack.push_back(i % 2 ? "Кожаная броня" : "Меч");
  SaveVasya(backpack);
  LoadedGame loaded;
  ASSERT_EQ(Load(loaded), std::nullopt);
  EXPECT_EQ(loaded.backpack, backpack);
}
