#include <ostream>

#include "state/Backups.h"
#include "state/SaveFilesFixture.h"
#include "support/TestFileOps.h"

namespace {

// What tells two saves apart and shows a mix of them: the money and both lists.
struct Snapshot {
  float money;
  std::vector<std::string> backpack;
  std::vector<std::string> bonus;
  bool operator==(const Snapshot&) const = default;
};

[[maybe_unused]] void PrintTo(const Snapshot& s, std::ostream* out) {
  *out << s.money << " roubles, " << s.backpack.size() << " + " << s.bonus.size() << " lines";
}

const Snapshot kOld{1000, {"Старый меч"}, {}};
const Snapshot kNew{400, {"Старый меч", "Новый щит", "Зелье ХП"}, {"Рубин"}};

class SaveCommit : public SaveFiles {
 protected:
  SaveCommit() : SaveFiles(FreshFolderInMemory()) {}

  std::optional<std::string> Save(const Snapshot& game, FileOps& files = Disk()) {
    GameState state = Veteran();
    state.Money = game.money;
    return SaveFiles::Save(state, game.backpack, game.bonus, '.', files);
  }

  // Whether the save runs through before the process dies at the given step.
  bool SaveDyingAt(std::size_t step, bool overOldSave) {
    fs::remove_all(Path("save"));
    if (overOldSave) {
      EXPECT_EQ(Save(kOld), std::nullopt);
    }
    TestFileOps dying(step, TestFileOps::Mode::Die);
    try {
      Save(kNew, dying);
    } catch (const StoppedDead&) {
      return false;
    }
    return true;
  }

  // The game the next login finds once it has settled what a cut-off save left
  // (none: a new nick), and checks that nothing but the three files is left.
  std::optional<Snapshot> NextLogin() {
    EXPECT_EQ(RecoverInterruptedSave(folder, names), std::nullopt);
    const auto left = fs::exists(Path("save")) ? SaveFolder() : std::vector<std::string>{};
    EXPECT_TRUE(left.empty() ||
                left == (std::vector<std::string>{"Вася.l1", "Вася.l2", "Вася.par", "Вася.sum"}))
        << testing::PrintToString(left);
    LoadedGame loaded;
    const auto problem = Load(loaded);
    // The newest backup a damaged main file would offer is one of the two games too.
    if (auto backup = NewestIntactBackup(folder, "Вася", NewCharacter())) {
      const Snapshot kept{backup->game.state.Money, backup->game.backpack, backup->game.bonus};
      EXPECT_TRUE(kept == kOld || kept == kNew);
    }
    if (problem == "new nick") return std::nullopt;
    EXPECT_EQ(problem, std::nullopt);
    return Snapshot{loaded.state.Money, loaded.backpack, loaded.bonus};
  }
};

}  // namespace

TEST_F(SaveCommit, AKillAtAnyStepOfASaveOrOfTheRecoveryGivesTheOldGameOrTheNewOneWhole) {
  for (const bool overOldSave : {true, false}) {
    const std::optional<Snapshot> before =
        overOldSave ? std::optional(kOld) : std::nullopt;  // a registration had nothing before
    int oldFound = 0, newFound = 0;
    for (std::size_t step = 0; !SaveDyingAt(step, overOldSave); ++step) {
      TestFileOps recovery;
      ASSERT_EQ(RecoverInterruptedSave(folder, names, recovery), std::nullopt);
      const auto found = NextLogin();
      EXPECT_TRUE(found == before || found == kNew) << "killed at step " << step;
      (found == kNew ? newFound : oldFound)++;
      // A second kill while the next start settles the remains changes nothing.
      for (std::size_t again = 0; again < recovery.Steps(); ++again) {
        SaveDyingAt(step, overOldSave);
        TestFileOps dying(again, TestFileOps::Mode::Die);
        EXPECT_THROW(RecoverInterruptedSave(folder, names, dying), StoppedDead);
        EXPECT_EQ(NextLogin(), found) << "killed at step " << step << ", then at " << again;
      }
    }
    EXPECT_EQ(NextLogin(), kNew);
    // Both outcomes occur: the kills fall before and after the moment the save counts.
    EXPECT_GT(oldFound, 3);
    EXPECT_GT(newFound, 0);
  }
}

TEST_F(SaveCommit, AFailureAtAnyStepIsReportedOnlyWhenTheOldGameIsKept) {
  int failures = 0;
  for (std::size_t step = 0;; ++step) {
    fs::remove_all(Path("save"));
    ASSERT_EQ(Save(kOld), std::nullopt);
    TestFileOps failing(step, TestFileOps::Mode::Fail);
    const auto failure = Save(kNew, failing);
    if (!failing.Stopped()) break;
    // A step that fails after the save counted is completed by the next start.
    EXPECT_EQ(NextLogin(), failure ? kOld : kNew) << "step " << step << ": " << *failure;
    failures += failure.has_value();
  }
  EXPECT_GT(failures, 3);
}

TEST_F(SaveCommit, AnOlderBuildsCutOffSwapGivesBackTheOldGame) {
  // An older build wrote the three new files, then for each file renamed the old
  // one to .old and the new one into its place, then removed the three .old files.
  std::vector<std::pair<std::string, std::string>> steps;
  for (const std::string* name : names.Files()) {
    steps.push_back({*name, *name + ".old"});
    steps.push_back({*name + ".new", *name});
  }
  for (const std::string* name : names.Files()) steps.push_back({*name + ".old", ""});
  for (std::size_t done = 0; done <= steps.size(); ++done) {
    fs::remove_all(Path("save"));
    ASSERT_EQ(Save(kNew), std::nullopt);
    std::vector<std::string> fresh;
    for (const std::string* name : names.Files()) fresh.push_back(Bytes(*name));
    ASSERT_EQ(Save(kOld), std::nullopt);
    for (std::size_t i = 0; i < fresh.size(); ++i) Write(*names.Files()[i] + ".new", fresh[i]);
    for (std::size_t i = 0; i < done; ++i) {
      const auto& [from, to] = steps[i];
      to.empty() ? fs::remove(Path(from)) : (fs::rename(Path(from), Path(to)), true);
    }
    // Cut between the two renames of the main file, no main file is left at all.
    EXPECT_EQ(fs::exists(Path(names.main)), done != 1);
    EXPECT_EQ(NextLogin(), done < 6 ? kOld : kNew) << done << " steps done";
  }
}

TEST_F(SaveCommit, EveryNewFileIsOnTheDiskBeforeTheSaveCountsAndTheFolderAfterTheRenames) {
  ASSERT_EQ(Save(kOld), std::nullopt);
  TestFileOps recording;
  ASSERT_EQ(Save(kNew, recording), std::nullopt);
  EXPECT_EQ(recording.Log(), (std::vector<std::string>{
                                 "write Вася.par.new",
                                 "write Вася.l1.new",
                                 "write Вася.l2.new",
                                 "write Вася.sum.new",
                                 "sync save",
                                 "write Вася.commit",
                                 "sync save",
                                 "rename Вася.par.new Вася.par",
                                 "rename Вася.l1.new Вася.l1",
                                 "rename Вася.l2.new Вася.l2",
                                 "rename Вася.sum.new Вася.sum",
                                 "sync save",
                                 "remove Вася.commit",
                                 "write Вася.2.l1",
                                 "write Вася.2.l2",
                                 "write Вася.2.sum",
                                 "write Вася.2.par.new",
                                 "rename Вася.2.par.new Вася.2.par",
                                 "sync backup",
                             }));
}
