#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "state/FileOps.h"

// Thrown where the process would have died.
struct StoppedDead {};

// The real disk, with every operation written down by the file names it touches,
// and stopped at a chosen step: in Die mode the process dies there (a write
// leaves half its bytes, as a kill in the middle of one may) and nothing after it
// happens; in Fail mode that one step fails and the rest go on.
class TestFileOps : public FileOps {
 public:
  enum class Mode { Die, Fail };
  static constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

  explicit TestFileOps(std::size_t stopAt = kNever, Mode mode = Mode::Die)
      : stopAt_(stopAt), mode_(mode) {}

  // Steps begun, the stopped one included.
  std::size_t Steps() const { return steps_; }
  bool Stopped() const { return steps_ > stopAt_; }
  // "write Вася.par.new", "rename Вася.par.new Вася.par", "sync save", … (looks,
  // reads and listings, which change nothing, are left out).
  const std::vector<std::string>& Log() const { return log_; }

  Kind Look(const std::filesystem::path& path) override {
    return Step() ? Kind::Unknown : disk_.Look(path);
  }
  std::optional<std::string> Read(const std::filesystem::path& path) override {
    if (Step()) return std::nullopt;
    return disk_.Read(path);
  }
  bool Write(const std::filesystem::path& path, std::string_view bytes) override {
    if (steps_ == stopAt_ && mode_ == Mode::Die)
      disk_.Write(path, bytes.substr(0, bytes.size() / 2));
    if (Step()) return false;
    Note("write " + Name(path));
    return disk_.Write(path, bytes);
  }
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (Step()) return false;
    Note("rename " + Name(from) + " " + Name(to));
    return disk_.Rename(from, to);
  }
  bool Remove(const std::filesystem::path& path) override {
    if (Step()) return false;
    Note("remove " + Name(path));
    return disk_.Remove(path);
  }
  bool MakeFolder(const std::filesystem::path& path) override {
    return !Step() && disk_.MakeFolder(path);
  }
  bool SyncFolder(const std::filesystem::path& path) override {
    if (Step()) return false;
    Note("sync " + Name(path));
    return disk_.SyncFolder(path);
  }
  std::optional<std::vector<std::string>> List(const std::filesystem::path& path) override {
    if (Step()) return std::nullopt;
    return disk_.List(path);
  }

 private:
  static std::string Name(const std::filesystem::path& path) { return path.filename().string(); }
  void Note(std::string line) { log_.push_back(std::move(line)); }

  // True when this step fails.
  bool Step() {
    const std::size_t step = steps_++;
    if (step < stopAt_) return false;
    if (mode_ == Mode::Die) throw StoppedDead{};
    return step == stopAt_;
  }

  DiskFileOps disk_;
  std::size_t stopAt_;
  Mode mode_;
  std::size_t steps_ = 0;
  std::vector<std::string> log_;
};
