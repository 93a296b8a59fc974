#pragma once

#include <filesystem>

// One running game per nick: an advisory lock on the nick's lock file, which the
// kernel drops with the process that holds it, however that process ends.
class NickLock {
 public:
  NickLock() = default;
  ~NickLock() { Release(); }
  NickLock(const NickLock&) = delete;
  NickLock& operator=(const NickLock&) = delete;

  // Takes the lock of this file, letting go of any other one held; false (and
  // nothing changed) while another running game holds it. Where the file cannot
  // even be made (a read-only folder) nothing is locked: no save can be written
  // there either.
  bool Take(const std::filesystem::path& file);
  void Release();

 private:
  int fd_ = -1;
  std::filesystem::path file_;
};
