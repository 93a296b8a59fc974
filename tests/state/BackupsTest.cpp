#include "state/Backups.h"
#include "state/SaveFilesFixture.h"
#include "support/TestFileOps.h"

namespace {

class Backups : public SaveFiles {
 protected:
  Backups() : SaveFiles(FreshFolderInMemory()) {}

  void SaveWithMoney(float money) {
    GameState state = Veteran();
    state.Money = money;
    ASSERT_EQ(Save(state, {"Меч " + std::to_string(int(money))}), std::nullopt);
  }
  std::vector<std::string> BackupFolder() const { return FileNames(Path("save\\backup")); }
};

}  // namespace

TEST_F(Backups, EverySaveIsKeptAndOnlyTheThreeNewestStay) {
  for (int save = 1; save <= 5; ++save) {
    SaveWithMoney(100.0f * save);
    const auto kept = BackupsOf(folder, "Вася");
    ASSERT_EQ(kept.size(), std::min<std::size_t>(save, 3));
    EXPECT_EQ(kept.front(), save);
    // The newest backup is the save just made, byte for byte.
    EXPECT_EQ(Bytes(BackupFilesOf("Вася", save).main), Bytes(names.main));
    EXPECT_EQ(Bytes(BackupFilesOf("Вася", save).backpack), Bytes(names.backpack));
  }
  EXPECT_EQ(BackupsOf(folder, "Вася"), (std::vector<long>{5, 4, 3}));
  EXPECT_EQ(BackupFolder().size(), 12u);
  const auto found = NewestIntactBackup(folder, "Вася", NewCharacter());
  ASSERT_TRUE(found);
  EXPECT_FLOAT_EQ(found->game.state.Money, 500);
  EXPECT_EQ(found->game.backpack, std::vector<std::string>{"Меч 500"});
}

TEST_F(Backups, AnIncompleteBackupIsNeverOfferedAndGoesWithTheNextSave) {
  SaveWithMoney(100);
  SaveWithMoney(200);
  // A save killed while it wrote its backup: the lists are there, the main file is not.
  fs::rename(Path(BackupFilesOf("Вася", 2).main), Path(BackupFilesOf("Вася", 2).main + ".new"));
  // Backups of other nicks whose names begin the same way stay untouched.
  Write("save\\backup\\Вася.1.7.par", "another nick's");
  Write("save\\backup\\Вася2.1.par", "another nick's");
  EXPECT_EQ(BackupsOf(folder, "Вася"), (std::vector<long>{1}));
  EXPECT_FLOAT_EQ(NewestIntactBackup(folder, "Вася", NewCharacter())->game.state.Money, 100);
  SaveWithMoney(300);
  EXPECT_EQ(BackupFolder(),
            (std::vector<std::string>{"Вася.1.7.par", "Вася.1.l1", "Вася.1.l2", "Вася.1.par",
                                      "Вася.1.sum", "Вася.3.l1", "Вася.3.l2", "Вася.3.par",
                                      "Вася.3.sum", "Вася2.1.par"}));
}

TEST_F(Backups, TheNewestIntactOneIsFoundPastDamagedOnes) {
  SaveWithMoney(100);
  SaveWithMoney(200);
  SaveWithMoney(300);
  Write(BackupFilesOf("Вася", 3).main, "garbage");
  Write(BackupFilesOf("Вася", 2).bonus, ScrambleFile("cut"));
  const auto found = NewestIntactBackup(folder, "Вася", NewCharacter());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->names.main, "save\\backup\\Вася.1.par");
  EXPECT_FLOAT_EQ(found->game.state.Money, 100);
  EXPECT_EQ(found->values.Value("Password"), "secret");
  Write(BackupFilesOf("Вася", 1).main, "");
  EXPECT_FALSE(NewestIntactBackup(folder, "Вася", NewCharacter()));
}

TEST_F(Backups, AKillAtAnyStepOfKeepingOneNeverLeavesAnIncompleteOneOffered) {
  for (std::size_t step = 0;; ++step) {
    fs::remove_all(Path("save"));
    for (int save = 1; save <= 3; ++save) SaveWithMoney(100.0f * save);
    GameState state = Veteran();
    state.Money = 400;
    TestFileOps dying(step, TestFileOps::Mode::Die);
    try {
      Save(state, {"Меч 400"}, {}, '.', dying);
      break;
    } catch (const StoppedDead&) {
    }
    ASSERT_EQ(RecoverInterruptedSave(folder, names), std::nullopt);
    // Every backup counted has all its files, and the one offered is one save's.
    for (long number : BackupsOf(folder, "Вася")) {
      const SaveFileNames backup = BackupFilesOf("Вася", number);
      for (const std::string* name : backup.Files())
        EXPECT_TRUE(fs::exists(Path(*name))) << *name << ", killed at step " << step;
    }
    const auto found = NewestIntactBackup(folder, "Вася", NewCharacter());
    ASSERT_TRUE(found) << step;
    EXPECT_EQ(found->game.backpack,
              std::vector<std::string>{"Меч " + std::to_string(int(found->game.state.Money))});
    // The next save cleans up what the kill left: three backups of four files each.
    SaveWithMoney(500);
    EXPECT_EQ(BackupFolder().size(), 12u) << step;
  }
}
