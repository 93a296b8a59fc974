#include "core/GameFolder.h"

#include <unistd.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {
constexpr const char* kSaveFolder = "save";
}

GameFolder::GameFolder(fs::path root, fs::path saves, fs::path unwritable)
    : root_(std::move(root)),
      saves_(saves.empty() ? root_ / kSaveFolder : std::move(saves)),
      unwritable_(std::move(unwritable)) {}

fs::path GameFolder::Resolve(const std::string& gamePath) const {
  std::string relative = gamePath;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  const fs::path path(relative);
  if (path.empty() || *path.begin() != kSaveFolder) return root_ / path;
  fs::path inSaves = saves_;
  for (auto part = std::next(path.begin()); part != path.end(); ++part) inSaves /= *part;
  return inSaves;
}

bool MayWriteIn(const fs::path& folder) {
  std::error_code error;
  fs::path existing = fs::absolute(folder, error);
  if (error) return false;
  while (!fs::exists(existing, error) && existing.has_relative_path())
    existing = existing.parent_path();
  return fs::is_directory(existing, error) && access(existing.c_str(), W_OK | X_OK) == 0;
}

std::optional<fs::path> PlayerDataFolder(const char* xdgDataHome, const char* home,
                                         const std::string& program) {
  const auto absolute = [](const char* path) {
    return path && fs::path(path).is_absolute() ? std::optional(fs::path(path)) : std::nullopt;
  };
  if (const auto data = absolute(xdgDataHome)) return *data / program;
  if (const auto own = absolute(home)) return *own / ".local" / "share" / program;
  return std::nullopt;
}

std::optional<GameFolder> LocateGameFolder(const GamePlaces& places) {
  std::error_code error;
  const bool installed = !places.root && !fs::is_directory(places.besideExecutable, error) &&
                         fs::is_directory(places.installedData, error);
  const fs::path root =
      installed ? places.installedData : places.root.value_or(places.besideExecutable);
  const fs::path saves = root / kSaveFolder;
  if (!installed && MayWriteIn(saves)) return GameFolder(root, saves);
  if (!places.playerData) return std::nullopt;
  // Characters saved in an own save/ before it became unwritable stay reachable.
  const bool earlierSaves = !installed && fs::is_directory(saves, error);
  return GameFolder(root, *places.playerData, earlierSaves ? saves : fs::path());
}
