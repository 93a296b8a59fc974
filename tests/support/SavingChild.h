#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

extern char** environ;

// A running mg_save_loop whose standard output comes back through a pipe.
class SavingChild {
 public:
  SavingChild(const std::filesystem::path& root, long first) {
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
