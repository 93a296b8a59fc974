#include <sys/mount.h>

#include "core/Cp1251.h"
#include "state/SaveFilesFixture.h"

namespace {

// A new character's main file as registration writes it, its lines parted by ';'.
const std::string kNewCharacterFile =
    "Nick=Вася;Password=secret;Version=0.5;Place=5;Sound=1;AttLevel=1;AttKick=1;"
    "AttDexterity=26;AttGoodLuck=26;AttHealth=5;AttHP=50;MoveAttHP=50;AttPower=26;AttOD=100;"
    "AttKB=1;AttUlov=1;AttToch=1;AttStoi=1;AttSokr=1;Money=2000;Win=0;Lose=0;Noup=0;Point=0;"
    "PointPeace=0;PointLev=2500;PointPar=0;PointUm=0;Strannik=0;Lesorub=0;NumRub=0;"
    "ShitTrue=0;Avatar=image\\1.bmp;Shlem=image\\Шлем.bmp;Amulet=image\\Амулет.bmp;"
    "Oruzhie=image\\Оружие.bmp;Shit=image\\Оружие.bmp;Poyas=image\\Пояс.bmp;"
    "SodPoyas1=image\\Содержимое пояса.bmp;SodPoyas2=image\\Содержимое пояса.bmp;"
    "SodPoyas3=image\\Содержимое пояса.bmp;Sapogi=image\\Сапоги.bmp;"
    "SodKarman=image\\Содержимое кармана.bmp;Karman=image\\Карман.bmp;"
    "Naruchi=image\\Наручи.bmp;Perchi=image\\Перчатки.bmp;Kolco1=image\\Кольцо.bmp;"
    "Kolco2=image\\Кольцо.bmp;Bronya=image\\Броня.bmp;ShlemHint=Пустой слот;"
    "AmuletHint=Пустой слот;OruzhieHint=Пустой слот;PoyasHint=Пустой слот;"
    "SodPoyas1Hint=Пустой слот;SodPoyas2Hint=Пустой слот;SodPoyas3Hint=Пустой слот;"
    "SapogiHint=Пустой слот;SodKarmanHint=Пустой слот;KarmanHint=Пустой слот;"
    "NaruchiHint=Пустой слот;PerchiHint=Пустой слот;ShitHint=Пустой слот;"
    "Kolco1Hint=Пустой слот;Kolco2Hint=Пустой слот;BronyaHint=Пустой слот;"
    "KolchHint=Пустой слот";

// A file's text from lines parted by ';', each ended by CR LF.
std::string WithLineEnds(std::string parted) {
  parted += ";";
  for (std::size_t at = 0; (at = parted.find(';', at)) != std::string::npos;)
    parted.replace(at, 1, "\r\n");
  return parted;
}

}  // namespace

TEST(NameValueList, FindsKeysWithCaseIgnoredAndTheFirstLineWins) {
  const auto list = NameValueList::FromLines({"Money=5", "money=7", "Empty=", "Text=a=b"});
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Value("MONEY"), "5");
  EXPECT_EQ(list->Value("Empty"), "");
  EXPECT_EQ(list->Value("Text"), "a=b");
  EXPECT_EQ(list->Value("Missing"), "");
  EXPECT_FALSE(NameValueList::FromLines({"Nick=Вася", "garbage"}));
  EXPECT_FALSE(NameValueList::FromLines({"=value"}));
  EXPECT_TRUE(NameValueList::FromLines({}));
}

TEST(NameValueList, SetReplacesAppendsAndRemovesOnEmpty) {
  NameValueList list;
  list.Set("Nick", "Вася");
  list.Set("Place", "5");
  list.Set("nick", "Петя");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"nick=Петя", "Place=5"}));
  list.Set("Nick", "");
  EXPECT_EQ(list.Lines(), (std::vector<std::string>{"Place=5"}));
}

TEST(SaveText, LinesAreCodePage1251EndedByCrLf) {
  const auto bytes = EncodeLines(std::vector<std::string>{"Ёж", "a"});
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "\xA8\xE6\r\na\r\n");
  EXPECT_EQ(DecodeLines(*bytes), (std::vector<std::string>{"Ёж", "a"}));
  EXPECT_EQ(DecodeLines("a\nb\r\n\r\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_TRUE(DecodeLines("").empty());
  EXPECT_FALSE(EncodeLines(std::vector<std::string>{"日本"}));
  // Only the code page without control characters fits.
  EXPECT_TRUE(FitsSaveFile("Вася ёЁ №1"));
  EXPECT_FALSE(FitsSaveFile("Вася😀"));
  EXPECT_FALSE(FitsSaveFile("a\r\nPassword=x"));
  EXPECT_FALSE(FitsSaveFile("tab\there"));
}

TEST(SavedValues, MoneyUsesTheGivenSeparatorAndEmptyValuesAreLeftOut) {
  GameState state = NewCharacter();
  state.Money = 2087.5f;
  const NameValueList list = SavedValues(state, SavedMembers(), ',');
  EXPECT_EQ(list.Value("Money"), "2087,5");
  EXPECT_EQ(list.Lines().size(), 66u);
  EXPECT_EQ(list.Value("Kolch"), "");
  // A save writes Noup before Lose; registration the other way round.
  EXPECT_EQ(list.Lines()[21], "Noup=0");
  EXPECT_EQ(SavedValues(state, RegistrationMembers(), '.').Lines()[21], "Lose=0");
}

TEST(SavedGameDigest, ChangesWithAnySavedValueOrLineButNotWithUnsavedOnes) {
  const GameState fresh;
  const std::vector<std::string> backpack = {"Зелье ХП", "Рубин [1]"};
  const std::uint64_t digest = SavedGameDigest(fresh, backpack, {});
  EXPECT_EQ(SavedGameDigest(fresh, backpack, {}), digest);

  GameState unsaved = fresh;
  unsaved.DamageDealt = 40;  // a fight's counter, never written
  EXPECT_EQ(SavedGameDigest(unsaved, backpack, {}), digest);

  GameState richer = fresh;
  richer.Money += 0.5f;
  EXPECT_NE(SavedGameDigest(richer, backpack, {}), digest);
  // The same line in the other list, or the lines in another order, is another game.
  EXPECT_NE(SavedGameDigest(fresh, {backpack.data(), 1}, {backpack.data() + 1, 1}), digest);
  EXPECT_NE(SavedGameDigest(fresh, std::vector<std::string>{backpack[1], backpack[0]}, {}), digest);
}

TEST_F(SaveFiles, ANewCharactersFileHoldsItsKeysInOrder) {
  ASSERT_EQ(WriteSavedGame(folder, names,
                           {SavedValues(NewCharacter(), RegistrationMembers(), '.'), {}, {}}),
            std::nullopt);
  EXPECT_EQ(ScrambleFile(Bytes(names.main)), *Utf8ToCp1251(WithLineEnds(kNewCharacterFile)));
  EXPECT_EQ(Bytes(names.backpack), "");
  EXPECT_EQ(Bytes(names.bonus), "");
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));
}

TEST_F(SaveFiles, SavingTwiceGivesIdenticalFiles) {
  ASSERT_EQ(Save(Veteran(), {"Меч", "Зелье ХП"}, {"Рубин"}), std::nullopt);
  const std::string first[] = {Bytes(names.main), Bytes(names.backpack), Bytes(names.bonus)};
  ASSERT_EQ(Save(Veteran(), {"Меч", "Зелье ХП"}, {"Рубин"}), std::nullopt);
  EXPECT_EQ(Bytes(names.main), first[0]);
  EXPECT_EQ(Bytes(names.backpack), first[1]);
  EXPECT_EQ(Bytes(names.bonus), first[2]);
  EXPECT_EQ(ScrambleFile(first[1]), *Utf8ToCp1251("Меч\r\nЗелье ХП\r\n"));
}

TEST_F(SaveFiles, LoadRestoresEveryMemberAndBothLists) {
  const GameState saved = Veteran();
  ASSERT_EQ(Save(saved, {"Шлем слепоты", "Ёлочная игрушка", "Шлем слепоты"}, {"Сапфир"}, ','),
            std::nullopt);
  LoadedGame loaded;
  ASSERT_EQ(Load(loaded), std::nullopt);
  for (const MemberInfo& info : SavedMembers()) {
    EXPECT_EQ(info.Text(loaded.state), info.Text(saved)) << info.key;
  }
  EXPECT_FLOAT_EQ(loaded.state.Money, 1234.5f);
  EXPECT_EQ(loaded.backpack,
            (std::vector<std::string>{"Шлем слепоты", "Ёлочная игрушка", "Шлем слепоты"}));
  EXPECT_EQ(loaded.bonus, (std::vector<std::string>{"Сапфир"}));
}

TEST_F(SaveFiles, MoneyReadsWithEitherSeparator) {
  for (char separator : {'.', ','}) {
    GameState state = NewCharacter();
    state.Money = 0.5f;
    ASSERT_EQ(Save(state, {}, {}, separator), std::nullopt);
    LoadedGame loaded;
    ASSERT_EQ(Load(loaded), std::nullopt);
    EXPECT_FLOAT_EQ(loaded.state.Money, 0.5f) << separator;
  }
}

TEST_F(SaveFiles, LargeSumsAreWrittenInPlainDigitsAndOldExponentsStillLoad) {
  GameState state = NewCharacter();
  state.Money = 3000000.0f;
  EXPECT_EQ(SavedValues(state, SavedMembers(), '.').Value("Money"), "3000000");
  // Older builds wrote large sums with an exponent; such a file still loads.
  std::string file = kNewCharacterFile;
  file.replace(file.find("Money=2000"), 10, "Money=1e+05");
  WriteScrambled(names.main, *Utf8ToCp1251(WithLineEnds(file)));
  LoadedGame loaded;
  ASSERT_EQ(Load(loaded), std::nullopt);
  EXPECT_EQ(loaded.state.Money, 100000.0f);
}

TEST_F(SaveFiles, MissingEmptyOrPasswordlessMainFilesAreNewNicks) {
  EXPECT_EQ(OpenMainFile(folder, names).kind, OpenedMainFile::Kind::NewNick);
  EXPECT_FALSE(fs::exists(Path("save")));
  WriteScrambled(names.main, "");
  EXPECT_EQ(OpenMainFile(folder, names).kind, OpenedMainFile::Kind::NewNick);
  WriteScrambled(names.main, "Nick=Вася\r\nVersion=0.5\r\n");
  EXPECT_EQ(OpenMainFile(folder, names).kind, OpenedMainFile::Kind::NewNick);
}

TEST_F(SaveFiles, GarbageOrACutMainFileCannotBeRead) {
  ASSERT_EQ(Save(Veteran()), std::nullopt);
  const std::string whole = Bytes(names.main);
  for (const std::string& bytes : {whole.substr(0, whole.size() - 5), std::string(300, '\x7f'),
                                   ScrambleFile("Password=x\r\nrandom text\r\n")}) {
    std::ofstream(Path(names.main), std::ios::binary) << bytes;
    const OpenedMainFile opened = OpenMainFile(folder, names);
    EXPECT_EQ(opened.kind, OpenedMainFile::Kind::Unreadable);
    EXPECT_EQ(opened.problem, "Файл сохранения save\\Вася.par повреждён: это не сохранённая игра.");
  }
}

TEST_F(SaveFiles, AFolderInPlaceOfTheMainFileCannotBeRead) {
  fs::create_directories(Path(names.main));
  const OpenedMainFile opened = OpenMainFile(folder, names);
  EXPECT_EQ(opened.kind, OpenedMainFile::Kind::Unreadable);
  EXPECT_EQ(opened.problem, "Файл сохранения save\\Вася.par не удаётся прочитать.");
}

TEST_F(SaveFiles, ABadOrMissingValueIsReportedByItsKey) {
  ASSERT_EQ(Save(NewCharacter()), std::nullopt);
  const std::string plain = ScrambleFile(Bytes(names.main));
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = plain;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::pair<std::string, std::string> cases[] = {
      {replaced("AttPower=26", "AttPower=abc"),
       "Файл сохранения save\\Вася.par повреждён: значение AttPower «abc» не является целым "
       "числом."},
      {replaced("Money=2000", "Money=2x"),
       "Файл сохранения save\\Вася.par повреждён: значение Money «2x» не является числом."},
      {plain.substr(0, plain.find("ShlemHint")),
       "Файл сохранения save\\Вася.par повреждён: нет значения ShlemHint."},
      {replaced("Win=0\r\n", ""), "Файл сохранения save\\Вася.par повреждён: нет значения Win."},
  };
  for (const auto& [text, problem] : cases) {
    WriteScrambled(names.main, text);
    LoadedGame loaded;
    EXPECT_EQ(Load(loaded), problem);
  }
}

TEST_F(SaveFiles, AFolderInPlaceOfAListFileCannotBeRead) {
  ASSERT_EQ(Save(NewCharacter()), std::nullopt);
  fs::remove(Path(names.bonus));
  fs::create_directories(Path(names.bonus));
  LoadedGame loaded;
  EXPECT_EQ(Load(loaded), "Файл сохранения save\\Вася.l2 не удаётся прочитать.");
}

TEST_F(SaveFiles, MissingListFilesAreEmptyLists) {
  ASSERT_EQ(Save(NewCharacter(), {"Меч"}, {"Рубин"}), std::nullopt);
  fs::remove(Path(names.backpack));
  fs::remove(Path(names.bonus));
  LoadedGame loaded;
  ASSERT_EQ(Load(loaded), std::nullopt);
  EXPECT_TRUE(loaded.backpack.empty());
  EXPECT_TRUE(loaded.bonus.empty());
}

// A save that cannot finish leaves the previous one exactly as it was.
class FailedSave : public SaveFiles {
 protected:
  void SetUp() override {
    ASSERT_EQ(Save(NewCharacter(), {"Старый меч"}), std::nullopt);
    before = {Bytes(names.main), Bytes(names.backpack), Bytes(names.bonus)};
  }
  void ExpectPreviousSaveKept() {
    EXPECT_EQ(Bytes(names.main), before[0]);
    EXPECT_EQ(Bytes(names.backpack), before[1]);
    EXPECT_EQ(Bytes(names.bonus), before[2]);
  }
  std::vector<std::string> before;
};

TEST_F(FailedSave, WhenAFileCannotBeWritten) {
  fs::create_directories(Path(names.backpack + ".new"));
  EXPECT_EQ(Save(Veteran(), {"Новый меч"}), "не удаётся записать файл save\\Вася.l1");
  ExpectPreviousSaveKept();
  EXPECT_FALSE(fs::exists(Path(names.main + ".new")));
}

TEST_F(FailedSave, WhenAFolderStandsInPlaceOfAFile) {
  fs::remove(Path(names.bonus));
  fs::create_directories(Path(names.bonus) / "inside");
  EXPECT_EQ(Save(Veteran(), {"Новый меч"}), "на месте файла save\\Вася.l2 находится не файл");
  EXPECT_EQ(Bytes(names.main), before[0]);
  EXPECT_EQ(Bytes(names.backpack), before[1]);
  EXPECT_TRUE(fs::is_directory(Path(names.bonus) / "inside"));
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));
}

TEST_F(FailedSave, WhenTheSaveFolderCannotBeMade) {
  fs::remove_all(Path("save"));
  std::ofstream(Path("save")) << "a file, not a folder";
  EXPECT_EQ(Save(Veteran()), "не удаётся создать папку save");
}

TEST_F(FailedSave, WhenATextDoesNotFitTheCodePage) {
  GameState state = Veteran();
  state.Avatar = "image\\日本.bmp";
  EXPECT_EQ(Save(state),
            "в тексте для файла save\\Вася.par есть знак, которого нет в кодировке сохранений");
  ExpectPreviousSaveKept();
}

TEST_F(FailedSave, WhenTheDiskIsFull) {
  // A device that is always full stands in for the new backpack file.
  fs::create_symlink("/dev/full", Path(names.backpack + ".new"));
  EXPECT_EQ(Save(Veteran(), {"Новый меч"}), "не удаётся записать файл save\\Вася.l1");
  ExpectPreviousSaveKept();
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));
}

// The save folder on a real disk of its own, four pages small, where the
// system lets the tests mount one (as root).
class SaveOnTinyDisk : public FailedSave {
 protected:
  void SetUp() override {
    fs::create_directories(Path("save"));
    if (mount("tmpfs", Path("save").c_str(), "tmpfs", 0, "size=16k") != 0) {
      GTEST_SKIP() << "no permission to mount a small disk here";
    }
    mounted_ = true;
    FailedSave::SetUp();
  }
  void TearDown() override {
    if (mounted_) umount2(Path("save").c_str(), MNT_DETACH);
  }

 private:
  bool mounted_ = false;
};

TEST_F(SaveOnTinyDisk, WhenTheDiskFillsUp) {
  // The old save fills three of the four pages (its bonus file is empty, its
  // digest takes one): the second new file finds no room.
  EXPECT_EQ(Save(Veteran(), {"Новый меч"}), "не удаётся записать файл save\\Вася.l1");
  ExpectPreviousSaveKept();
  LoadedGame loaded;
  EXPECT_EQ(Load(loaded), std::nullopt);
}

TEST_F(SaveOnTinyDisk, WhenTheDiskIsReadOnly) {
  ASSERT_EQ(mount(nullptr, Path("save").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  EXPECT_EQ(Save(Veteran(), {"Новый меч"}), "не удаётся записать файл save\\Вася.par");
  ExpectPreviousSaveKept();
}

TEST_F(SaveFiles, NoPlainTextEverReachesTheDisk) {
  ASSERT_EQ(Save(Veteran(), {"Меч"}), std::nullopt);
  LoadedGame loaded;
  ASSERT_EQ(Load(loaded), std::nullopt);
  EXPECT_EQ(SaveFolder(), (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}));
  EXPECT_EQ(Bytes(names.main).find("secret"), std::string::npos);
  EXPECT_EQ(Bytes(names.main).find("Password"), std::string::npos);
}
