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
  // Without a save folder, saves go to the game folder's own save/. `unwritable` is
  // that own save/ when saves go elsewhere because it cannot be written: the
  // characters saved there before are still found there.
  explicit GameFolder(std::filesystem::path root, std::filesystem::path saves = {},
                      std::filesystem::path unwritable = {});

  const std::filesystem::path& Root() const { return root_; }
  const std::filesystem::path& Saves() const { return saves_; }
  const std::filesystem::path& UnwritableSaves() const { return unwritable_; }
  std::filesystem::path Resolve(const std::string& gamePath) const;
  // The same game folder with its saves in its own unwritable save/.
  GameFolder InUnwritableSaves() const { return GameFolder(root_, unwritable_); }

 private:
  std::filesystem::path root_;
  std::filesystem::path saves_;
  std::filesystem::path unwritable_;
};

// Where one run may find the game: the options and the places beside the executable.
struct GamePlaces {
  std::optional<std::filesystem::path> root;        // --root
  std::filesystem::path besideExecutable;           // the build's game folder
  std::filesystem::path installedData;              // the installed pictures and sounds
  std::optional<std::filesystem::path> playerData;  // none without a home
};

// The player's data folder by the XDG base-directory rules: $XDG_DATA_HOME when it
// is an absolute path (a relative one is ignored), else $HOME/.local/share; none
// without either.
std::optional<std::filesystem::path> PlayerDataFolder(const char* xdgDataHome, const char* home,
                                                      const std::string& program);

// The game folder of a run. --root, else the build's folder beside the executable,
// keep their saves in their own save/ while the player may write there. An installed
// copy is shared by every user of the machine and never written: its saves, and
// those of an unwritable folder, go to the player's data folder. None when they
// must go there and there is none.
std::optional<GameFolder> LocateGameFolder(const GamePlaces& places);

// Whether a folder could be created or written in: it, or the nearest folder above it
// that exists, takes new files.
bool MayWriteIn(const std::filesystem::path& folder);
