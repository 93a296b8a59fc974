// Where the game's files are: pictures and sounds from the game folder, saves from
// its save/ or, for an installed copy or an unwritable folder, the player's folder.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "core/GameFolder.h"
#include "shell/NickUnit.h"
#include "support/Files.h"
#include "support/TestGame.h"
#include "world/StartUnit.h"

namespace fs = std::filesystem;

namespace {

TEST(GameFolder, PicturesAndSoundsAreReadFromTheGameFolder) {
  const GameFolder folder("/games/mg", "/home/me/mg");
  EXPECT_EQ(folder.Resolve("image\\p0.bmp"), fs::path("/games/mg/image/p0.bmp"));
  EXPECT_EQ(folder.Resolve("sound\\Бой.wav"), fs::path("/games/mg/sound/Бой.wav"));
  // Only the folder named exactly save is the saves'.
  EXPECT_EQ(folder.Resolve("saved\\x.par"), fs::path("/games/mg/saved/x.par"));
  EXPECT_EQ(folder.Resolve("image\\save\\x.bmp"), fs::path("/games/mg/image/save/x.bmp"));
}

TEST(GameFolder, SavesAreWrittenInTheSaveFolder) {
  const GameFolder apart("/games/mg", "/home/me/mg");
  EXPECT_EQ(apart.Resolve("save\\Вася.par"), fs::path("/home/me/mg/Вася.par"));
  EXPECT_EQ(apart.Resolve("save"), fs::path("/home/me/mg"));
  const GameFolder own("/games/mg");
  EXPECT_EQ(own.Saves(), fs::path("/games/mg/save"));
  EXPECT_EQ(own.Resolve("save\\Вася.l1"), fs::path("/games/mg/save/Вася.l1"));
}

// A temporary folder with the places a run may find: an own game folder, an installed
// copy and the player's data folder, each to be made or left out.
class LocatingTheGameFolder : public ::testing::Test {
 protected:
  LocatingTheGameFolder() {
    fs::remove_all(base);
    places.besideExecutable = base / "games" / "game";
    places.installedData = base / "share" / "games" / "morrowgate";
    places.playerData = playerData;
  }
  ~LocatingTheGameFolder() override {
    if (mounted) umount2(places.besideExecutable.c_str(), MNT_DETACH);
    chmod(places.besideExecutable.c_str(), 0755);
    fs::remove_all(base);
  }

  // Whether the folder beside the executable could be made read-only, even for root.
  bool MakeBesideExecutableReadOnly() {
    fs::create_directories(places.besideExecutable);
    if (geteuid() != 0) return chmod(places.besideExecutable.c_str(), 0555) == 0;
    mounted = mount("tmpfs", places.besideExecutable.c_str(), "tmpfs", MS_RDONLY, "size=4k") == 0;
    return mounted;
  }

  void ExpectFolder(const fs::path& root, const fs::path& saves) const {
    const auto folder = LocateGameFolder(places);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->Root(), root);
    EXPECT_EQ(folder->Saves(), saves);
  }

  fs::path base = fs::temp_directory_path() / ("mg-locate-" + std::to_string(getpid()));
  fs::path playerData = base / "home" / ".local" / "share" / "morrowgate";
  GamePlaces places;
  bool mounted = false;
};

TEST_F(LocatingTheGameFolder, TheBuildsFolderKeepsItsSavesEvenWhenAnInstalledCopyExists) {
  fs::create_directories(places.besideExecutable);
  fs::create_directories(places.installedData);
  ExpectFolder(places.besideExecutable, places.besideExecutable / "save");
  EXPECT_FALSE(fs::exists(playerData));
}

TEST_F(LocatingTheGameFolder, AnInstalledCopyIsNeverWrittenEvenWhereItCouldBe) {
  fs::create_directories(places.installedData);
  ExpectFolder(places.installedData, playerData);
  // The player's folder is made by the first save, not by looking for it.
  EXPECT_FALSE(fs::exists(playerData));
}

TEST_F(LocatingTheGameFolder, RootIsTheGameFolderWhateverIsBesideTheExecutable) {
  fs::create_directories(places.besideExecutable);
  fs::create_directories(places.installedData);
  // A root that does not exist yet is made by the first save, as before.
  places.root = base / "elsewhere" / "new";
  ExpectFolder(*places.root, *places.root / "save");
}

TEST_F(LocatingTheGameFolder, WithNoDataAnywhereTheBuildsFolderIsTried) {
  ExpectFolder(places.besideExecutable, places.besideExecutable / "save");
}

TEST_F(LocatingTheGameFolder, AnUnwritableGameFolderSavesInThePlayersFolder) {
  if (!MakeBesideExecutableReadOnly()) GTEST_SKIP() << "cannot make a read-only folder here";
  EXPECT_FALSE(MayWriteIn(places.besideExecutable / "save"));
  ExpectFolder(places.besideExecutable, playerData);
  places.root = places.besideExecutable;
  ExpectFolder(places.besideExecutable, playerData);
}

TEST(PlayerDataFolder, FollowsTheBaseDirectoryRules) {
  const struct {
    const char* xdgDataHome;
    const char* home;
    std::optional<fs::path> folder;
  } cases[] = {
      {"/data", "/home/me", fs::path("/data/mg")},
      {nullptr, "/home/me", fs::path("/home/me/.local/share/mg")},
      {"", "/home/me", fs::path("/home/me/.local/share/mg")},
      // A relative path is invalid there and ignored, whatever the current folder.
      {"data", "/home/me", fs::path("/home/me/.local/share/mg")},
      {nullptr, nullptr, std::nullopt},
      {"data", "home", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlayerDataFolder(c.xdgDataHome, c.home, "mg"), c.folder)
        << (c.xdgDataHome ? c.xdgDataHome : "unset") << ", " << (c.home ? c.home : "unset");
  }
}

TEST_F(LocatingTheGameFolder, WithoutAPlayersFolderOnlyAWritableGameFolderHasSaves) {
  places.playerData.reset();
  fs::create_directories(places.besideExecutable);
  ExpectFolder(places.besideExecutable, places.besideExecutable / "save");
  fs::remove_all(places.besideExecutable);
  fs::create_directories(places.installedData);
  EXPECT_FALSE(LocateGameFolder(places));
}

TEST_F(LocatingTheGameFolder, AFileWhereTheSaveFolderBelongsIsNotWritable) {
  fs::create_directories(places.besideExecutable);
  std::ofstream(places.besideExecutable / "save") << "not a folder";
  EXPECT_FALSE(MayWriteIn(places.besideExecutable / "save"));
  EXPECT_FALSE(MayWriteIn(places.besideExecutable / "save" / "deeper"));
  EXPECT_TRUE(MayWriteIn(places.besideExecutable / "other" / "deeper"));
}

// The game's own saving and loading follow the save folder, apart from the pictures.
class SavesApart : public TestGame {
 protected:
  void SetUp() override { saves = root.parent_path() / (root.filename().string() + "-saves"); }
  void TearDown() override { fs::remove_all(saves); }

  void LogIn() {
    Start();
    game->form4->Edit1->setText("Вася");
    game->form4->Edit2->setText("secret");
    game->form4->Button->click();
  }
};

TEST_F(SavesApart, ARegisteredNickIsSavedAndLoadedThere) {
  LogIn();
  game->state.Money = 77;
  game->form3->SaveButton->click();
  EXPECT_EQ(FileNames(saves), (std::vector<std::string>{"backup", "Вася.l1", "Вася.l2", "Вася.lock",
                                                        "Вася.par", "Вася.sum"}));
  EXPECT_FALSE(fs::exists(root / "save"));

  LogIn();
  EXPECT_EQ(Events().back(), "show TForm3");
  EXPECT_EQ(game->state.Money, 77);
}

// A game folder whose save/ holds Вася's save and is then mounted read-only, as a
// player's disk may be: the game must load him from there and say saves will fail.
class ReadOnlySaves : public TestGame {
 protected:
  void SetUp() override {
    Start();
    LogIn("Вася");
    game->form3->SaveButton->click();
    game.reset();
    const fs::path save = root / "save";
    // Root may bind-mount a folder over itself read-only; others may not.
    mounted = mount(save.c_str(), save.c_str(), nullptr, MS_BIND, nullptr) == 0;
    if (mounted &&
        mount(nullptr, save.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
      umount2(save.c_str(), MNT_DETACH);
      mounted = false;
    }
    log.Take();
  }
  void TearDown() override {
    game.reset();
    if (mounted) umount2((root / "save").c_str(), MNT_DETACH);
    fs::remove_all(playerData);
  }

  void LogIn(const QString& nick) {
    game->form4->Edit1->setText(nick);
    game->form4->Edit2->setText("secret");
    game->form4->Button->click();
  }

  bool mounted = false;
  fs::path playerData = root.parent_path() / (root.filename().string() + "-player");
};

TEST_F(ReadOnlySaves, TheCharacterLoadsAndTheLoginSaysSavesWillFail) {
  if (!mounted) GTEST_SKIP() << "no read-only bind mount here: mounting needs root";
  // As the game locates its folders: saves would go to the player's folder.
  GamePlaces places;
  places.root = root;
  places.playerData = playerData;
  const auto located = LocateGameFolder(places);
  ASSERT_TRUE(located);
  EXPECT_EQ(located->Saves(), playerData);
  unwritableSaves = located->UnwritableSaves();
  saves = located->Saves();
  Start();
  LogIn("Вася");
  const auto events = Events();
  EXPECT_EQ(events.at(1),
            R"(message "Off-Line Morrowgate" none "Вы зашли под ранее зарегистрированным ником.")");
  EXPECT_EQ(events.at(2), "message \"Ошибка\" warning \"В папку сохранений " +
                              (root / "save").string() +
                              " нельзя писать: сохранить игру не удастся, пока она закрыта для "
                              "записи.\"");
  EXPECT_EQ(game->folder.Saves(), root / "save");
  game->form3->SaveButton->click();
  EXPECT_NE(Events().back().find("Игра не сохранена"), std::string::npos);
  EXPECT_FALSE(fs::exists(playerData / "Вася.par"));
  // A nick the folder does not hold is registered where saves can go.
  Start();
  LogIn("Петя");
  EXPECT_TRUE(fs::exists(playerData / "Петя.par"));
}

}  // namespace
