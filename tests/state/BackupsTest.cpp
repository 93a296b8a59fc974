#include "state/Backups.h"
#include "state/SaveFilesFixture.h"

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
  EXPECT_EQ(BackupFolder().size(), 9u);
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
                                      "Вася.3.l1", "Вася.3.l2", "Вася.3.par", "Вася2.1.par"}));
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
