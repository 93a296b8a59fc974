#include "state/FileOps.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Closes the descriptor on every way out; Close() reports what close says.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool Sync(int fd) {
  // Some special files (the tests' /dev/full) have nothing to flush.
  return ::fsync(fd) == 0 || errno == EINVAL;
}

}  // namespace

FileOps::Kind DiskFileOps::Look(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return Kind::Missing;
  if (error) return Kind::Unknown;
  return status.type() == fs::file_type::regular ? Kind::File : Kind::Other;
}

std::optional<std::string> DiskFileOps::Read(const fs::path& path) {
  if (Look(path) != Kind::File) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool DiskFileOps::Write(const fs::path& path, std::string_view bytes) {
  Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (file.Get() < 0) return false;
  // A full disk shows up in the write, the flush or the close.
  return WriteAll(file.Get(), bytes) && Sync(file.Get()) && file.Close();
}

bool DiskFileOps::Rename(const fs::path& from, const fs::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool DiskFileOps::Remove(const fs::path& path) {
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool DiskFileOps::MakeFolder(const fs::path& path) {
  std::error_code error;
  fs::create_directories(path, error);
  return fs::is_directory(path, error);
}

bool DiskFileOps::SyncFolder(const fs::path& path) {
  Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return folder.Get() >= 0 && Sync(folder.Get()) && folder.Close();
}

std::optional<std::vector<std::string>> DiskFileOps::List(const fs::path& path) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  if (error) return std::nullopt;
  std::ranges::sort(names);
  return names;
}

FileOps& Disk() {
  static DiskFileOps disk;
  return disk;
}
