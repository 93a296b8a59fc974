#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every file operation of saving and loading, one call per step, so that a save
// can be made atomic and durable and a test can stop it dead after any step.
class FileOps {
 public:
  enum class Kind { Missing, File, Other, Unknown };

  virtual ~FileOps() = default;
  // What stands at the path; Unknown when the system cannot tell.
  virtual Kind Look(const std::filesystem::path& path) = 0;
  // The bytes of a plain file; none when it cannot be read.
  virtual std::optional<std::string> Read(const std::filesystem::path& path) = 0;
  // Creates or truncates the file, writes every byte and flushes it to the disk.
  virtual bool Write(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Puts `from` in the place of `to` in one step, replacing a file there.
  virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // True when the file is gone, or was never there.
  virtual bool Remove(const std::filesystem::path& path) = 0;
  // Creates the folder and its parents; true when a folder stands there.
  virtual bool MakeFolder(const std::filesystem::path& path) = 0;
  // Flushes the folder's list of names, so renames and new files survive a power loss.
  virtual bool SyncFolder(const std::filesystem::path& path) = 0;
  // The names in a folder, sorted; none when it is missing or cannot be read.
  virtual std::optional<std::vector<std::string>> List(const std::filesystem::path& path) = 0;
};

// The real disk, through the system's calls.
class DiskFileOps : public FileOps {
 public:
  Kind Look(const std::filesystem::path& path) override;
  std::optional<std::string> Read(const std::filesystem::path& path) override;
  bool Write(const std::filesystem::path& path, std::string_view bytes) override;
  bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool Remove(const std::filesystem::path& path) override;
  bool MakeFolder(const std::filesystem::path& path) override;
  bool SyncFolder(const std::filesystem::path& path) override;
  std::optional<std::vector<std::string>> List(const std::filesystem::path& path) override;
};

// The one real disk the game saves to.
FileOps& Disk();
