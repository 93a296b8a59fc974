#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The game folder holds image/, sound/ and save/. The game names its files with
// backslashes ("image\p0.bmp", "save\Вася.par"); this turns them into real paths.
// Saves may live apart from the pictures and sounds (an installed copy keeps them
// in the player's data folder), so "save\…" resolves under the save folder.
class GameFolder {
 public:
  // Without a save folder, saves go to the game folder's own save/.
  explicit GameFolder(std::filesystem::path root, std::filesystem::path saves = {});

  const std::filesystem::path& Root() const { return root_; }
  const std::filesystem::path& Saves() const { return saves_; }
  std::filesystem::path Resolve(const std::string& gamePath) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path saves_;
};

// Where one run may find the game: the options and the places beside the executable.
struct GamePlaces {
  std::optional<std::filesystem::path> root;  // --root
  std::filesystem::path besideExecutable;     // the build's game folder
  std::filesystem::path installedData;        // the installed pictures and sounds
  std::filesystem::path playerData;           // the player's own data folder
};

// The game folder of a run. --root, else the build's folder beside the executable,
// keep their saves in their own save/ while the player may write there. An installed
// copy is shared by every user of the machine and never written: its saves, and
// those of an unwritable folder, go to the player's data folder.
GameFolder LocateGameFolder(const GamePlaces& places);

// Whether a folder could be created or written in: it, or the nearest folder above it
// that exists, takes new files.
bool MayWriteIn(const std::filesystem::path& folder);
