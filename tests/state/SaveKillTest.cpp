#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "child/SaveLoopStep.h"
#include "state/SaveFilesFixture.h"

extern char** environ;

namespace {

// A running mg_save_loop whose standard output comes back through a pipe.
class SavingChild {
 public:
  SavingChild(const fs::path& root, long first) {
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string rootText = root.string(), firstText = std::to_string(first);
    char* argv[] = {const_cast<char*>(MG_SAVE_LOOP), const_cast<char*>(rootText.c_str()),
                    const_cast<char*>("Вася"), const_cast<char*>(firstText.c_str()), nullptr};
    const int spawned = posix_spawn(&pid_, MG_SAVE_LOOP, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    output_ = out[0];
    if (spawned != 0) throw std::runtime_error("the saving child does not start");
  }
  ~SavingChild() {
    KillAndWait();
    close(output_);
  }

  void KillAndWait() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
  }

  // Waits until the child has reported its first save, so the kill falls among saves.
  bool FirstSaveReported() {
    while (text_.find('\n') == std::string::npos) {
      if (!ReadSome()) return false;
    }
    return true;
  }

  // The last step the child reported saved, once it is dead; `none` when it reported none.
  long LastReported(long none) {
    while (ReadSome()) {
    }
    const auto end = text_.rfind('\n');
    if (end == std::string::npos) return none;
    const auto start = end == 0 ? std::string::npos : text_.rfind('\n', end - 1);
    return std::stol(text_.substr(start == std::string::npos ? 0 : start + 1));
  }

 private:
  bool ReadSome() {
    char buffer[4096];
    const ssize_t n = read(output_, buffer, sizeof buffer);
    if (n > 0) text_.append(buffer, static_cast<std::size_t>(n));
    return n > 0;
  }

  std::string text_;
  pid_t pid_ = 0;
  int output_ = -1;
};

}  // namespace

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
  EXPECT_GT(saved, MG_KILL_ROUNDS);
  RecordProperty("saves", static_cast<int>(saved));
  RecordProperty("counted but unreported", cutOff);
}
