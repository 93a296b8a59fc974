#include "state/NickLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

bool NickLock::Take(const std::filesystem::path& file) {
  if (file == file_) return true;
  int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  // flock belongs to the open file, so two games in one process exclude each other too.
  if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  Release();
  fd_ = fd;
  file_ = file;
  return true;
}

void NickLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  file_.clear();
}
