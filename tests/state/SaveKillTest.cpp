
#include <chrono>
#include <random>
#include <thread>

#include "child/SaveLoopStep.h"
#include "state/SaveFilesFixture.h"
#include "support/SavingChild.h"

// A child saves in a loop and is killed with SIGKILL at a random moment, again
// and again; every following login finds one whole save of the child's, never
// older than the last one the child was told was done.
class SaveKill : public SaveFiles {
 protected:
  // A kill leaves the same files in memory as on a disk, and there it costs no flushes.
  SaveKill() : SaveFiles(FreshFolderInMemory()) {}
};

TEST_F(SaveKill, ASaveKilledAtRandomMomentsIsAlwaysFoundWholeAndNeverLost) {
  ASSERT_EQ(WriteSavedGame(folder, names, SaveLoopStep("Вася", 0)), std::nullopt);
  std::mt19937 random(20261209);
  long saved = 0;
  int cutOff = 0;
  for (int round = 0; round < MG_KILL_ROUNDS; ++round) {
    SavingChild child(root, saved + 1);
    ASSERT_TRUE(child.FirstSaveReported());
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
    child.KillAndWait();
    const long reported = child.LastReported(saved);

    ASSERT_EQ(RecoverInterruptedSave(folder, names), std::nullopt);
    LoadedGame loaded;
    ASSERT_EQ(Load(loaded), std::nullopt) << "round " << round;
    const long n = static_cast<long>(loaded.state.Money);
    const SavedGame expected = SaveLoopStep("Вася", n);
    ASSERT_EQ(loaded.backpack, expected.backpack) << "round " << round << ", step " << n;
    ASSERT_EQ(loaded.bonus, expected.bonus) << "round " << round << ", step " << n;
    // Done when reported; the one after it may have counted just before the kill.
    ASSERT_GE(n, reported) << "round " << round;
    ASSERT_LE(n, reported + 1) << "round " << round;
    cutOff += n != reported;
    saved = n;
  }
  // Every round waits for the child's first save, however busy the machine.
  EXPECT_GE(saved, MG_KILL_ROUNDS);
  RecordProperty("saves", static_cast<int>(saved));
  RecordProperty("counted but unreported", cutOff);
}
