#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include "state/MemberTable.h"
#include "state/SaveFiles.h"
#include "state/ScrambleFile.h"
#include "support/Files.h"

namespace fs = std::filesystem;

// The new character Вася with his password.
inline GameState NewCharacter() {
  GameState state;
  state.Nick = "Вася";
  state.Password = "secret";
  return state;
}

// Every saved member set to a value unlike the new character's.
inline GameState Veteran() {
  GameState state = NewCharacter();
  int n = 0;
  for (const MemberInfo& info : SavedMembers()) {
    ++n;
    if (auto p = std::get_if<int GameState::*>(&info.member)) state.*(*p) = n * 7 + 3;
    if (auto p = std::get_if<std::string GameState::*>(&info.member)) {
      state.*(*p) = "Ёлка " + std::to_string(n);
    }
  }
  state.Nick = "Вася";
  state.Password = "secret";
  state.Version = "0.5";
  state.Money = 1234.5f;
  // Members whose range play never leaves stay in it, though not at a new character's value.
  state.Place = 17;
  state.Sound = 0;
  state.Strannik = 99;
  state.Lesorub = 42;
  return state;
}

inline fs::path FreshFolder(const fs::path& base = fs::temp_directory_path()) {
  static std::atomic<int> counter{0};
  const fs::path root =
      base / ("mg-save-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(root);
  fs::create_directories(root);
  return root;
}

// A folder in memory where there is one: tests that save thousands of times do
// not wait for the disk's flushes.
inline fs::path FreshFolderInMemory() {
  std::error_code error;
  return FreshFolder(fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm")
                                                         : fs::temp_directory_path());
}

class SaveFiles : public ::testing::Test {
 protected:
  explicit SaveFiles(fs::path where = FreshFolder()) : root(std::move(where)), folder(root) {}
  ~SaveFiles() override { fs::remove_all(root); }

  fs::path Path(const std::string& gamePath) const { return folder.Resolve(gamePath); }

  std::string Bytes(const std::string& gamePath) const { return FileBytes(Path(gamePath)); }

  void Write(const std::string& gamePath, const std::string& bytes) const {
    fs::create_directories(Path("save"));
    std::ofstream(Path(gamePath), std::ios::binary | std::ios::trunc) << bytes;
  }
  void WriteScrambled(const std::string& gamePath, const std::string& plain) const {
    Write(gamePath, ScrambleFile(plain));
  }
  std::string Plain(const std::string& gamePath) const { return ScrambleFile(Bytes(gamePath)); }

  std::optional<std::string> Save(const GameState& state, std::vector<std::string> backpack = {},
                                  std::vector<std::string> bonus = {}, char decimalPoint = '.',
                                  FileOps& files = Disk()) {
    return WriteSavedGame(
        folder, names, {SavedValues(state, SavedMembers(), decimalPoint), backpack, bonus}, files);
  }

  // Opens and loads as the login does, from a new character: the problem, or none
  // for a loaded game; a file the login takes for a new nick reads as "new nick".
  std::optional<std::string> Load(LoadedGame& loaded) const {
    const OpenedMainFile opened = OpenMainFile(folder, names);
    if (opened.kind == OpenedMainFile::Kind::NewNick) return "new nick";
    if (opened.kind == OpenedMainFile::Kind::Unreadable) return opened.problem;
    loaded.state = NewCharacter();
    return ReadSavedGame(folder, names, opened.values, loaded);
  }
  std::optional<std::string> Load() const {
    LoadedGame loaded;
    return Load(loaded);
  }

  // The save folder's names beside the backup folder.
  std::vector<std::string> SaveFolder() const {
    auto names = FileNames(Path("save"));
    std::erase(names, "backup");
    return names;
  }

  fs::path root;
  GameFolder folder;
  SaveFileNames names = SaveFilesOf("Вася");
};
