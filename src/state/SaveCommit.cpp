// How a save replaces a nick's three files so that no moment of a crash can
// leave a mix of two saves or no save at all.

#include "core/Translate.h"
#include "state/Backups.h"
#include "state/SaveDigest.h"
#include "state/SaveFiles.h"
#include "state/ScrambleFile.h"

namespace fs = std::filesystem;

namespace {

using Kind = FileOps::Kind;

fs::path WithSuffix(fs::path path, const char* suffix) { return path += suffix; }

// A save's three files and their digest, which replace the old ones together.
constexpr std::size_t kFilesOfASave = 4;

// A nick's files on the disk: each one, its new version waiting to replace it, and
// the old version an older build of the game set aside while it swapped them.
struct SavePaths {
  SavePaths(const GameFolder& game, const SaveFileNames& names)
      : folder(game.Resolve(names.main).parent_path()), journal(game.Resolve(names.journal)) {
    const auto files = names.Files();
    for (std::size_t i = 0; i < kFilesOfASave; ++i) {
      name[i] = i < files.size() ? *files[i] : names.digest;
      target[i] = game.Resolve(name[i]);
      fresh[i] = WithSuffix(target[i], ".new");
      old[i] = WithSuffix(target[i], ".old");
    }
  }

  fs::path folder;
  fs::path journal;
  std::array<std::string, kFilesOfASave> name;
  std::array<fs::path, kFilesOfASave> target;
  std::array<fs::path, kFilesOfASave> fresh;
  std::array<fs::path, kFilesOfASave> old;
};

std::string Unfinished(const std::string& why) {
  return mg::Fill(mg::translate("SaveCommit", "не удаётся завершить прерванное сохранение: %1"),
                  {why});
}

// The save counted: every new file still waiting takes its place.
std::optional<std::string> Complete(const SavePaths& paths, FileOps& files) {
  for (std::size_t i = 0; i < paths.fresh.size(); ++i) {
    const Kind kind = files.Look(paths.fresh[i]);
    if (kind == Kind::Missing) continue;  // already in its place
    if (kind != Kind::File || !files.Rename(paths.fresh[i], paths.target[i])) {
      return Unfinished(
          mg::Fill(mg::translate("SaveCommit", "не удаётся заменить файл %1"), {paths.name[i]}));
    }
  }
  // Should the mark outlive a power loss, completing again finds nothing to do.
  if (!files.SyncFolder(paths.folder) || !files.Remove(paths.journal)) {
    return Unfinished(mg::translate("SaveCommit", "не удаётся записать папку save"));
  }
  return std::nullopt;
}

// The save never counted: the old files stay and the new ones go.
std::optional<std::string> Drop(const SavePaths& paths, FileOps& files) {
  // An older build renamed each old file aside before putting its new one in
  // place, and dropped the old ones only after all three: a new file still
  // waiting means its swap was cut off, so every old file set aside comes back.
  // They come back before the new files go, so that a cut here is seen again.
  bool swapCutOff = false;
  for (const fs::path& fresh : paths.fresh) swapCutOff |= files.Look(fresh) != Kind::Missing;
  bool changed = false;
  for (std::size_t i = 0; i < paths.old.size(); ++i) {
    if (files.Look(paths.old[i]) != Kind::File) continue;
    const bool done =
        swapCutOff ? files.Rename(paths.old[i], paths.target[i]) : files.Remove(paths.old[i]);
    if (!done)
      return Unfinished(
          mg::Fill(mg::translate("SaveCommit", "не удаётся вернуть файл %1"), {paths.name[i]}));
    changed = true;
  }
  for (std::size_t i = 0; i < paths.fresh.size(); ++i) {
    if (files.Look(paths.fresh[i]) == Kind::Missing) continue;
    if (!files.Remove(paths.fresh[i]))
      return Unfinished(
          mg::Fill(mg::translate("SaveCommit", "не удаётся удалить файл %1.new"), {paths.name[i]}));
    changed = true;
  }
  if (changed && !files.SyncFolder(paths.folder))
    return Unfinished(mg::translate("SaveCommit", "не удаётся записать папку save"));
  return std::nullopt;
}

std::optional<std::string> Recover(const SavePaths& paths, const SaveFileNames& names,
                                   FileOps& files) {
  switch (files.Look(paths.journal)) {
    case Kind::Missing:
      return Drop(paths, files);
    case Kind::File:
      return Complete(paths, files);
    default:
      return mg::Fill(mg::translate("SaveCommit", "не удаётся проверить файл %1"), {names.journal});
  }
}

}  // namespace

std::optional<std::string> RecoverInterruptedSave(const GameFolder& folder,
                                                  const SaveFileNames& names, FileOps& files) {
  return Recover(SavePaths(folder, names), names, files);
}

std::optional<std::string> WriteSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                          const SavedGame& game, FileOps& files) {
  return WriteSavedGame(folder, names, game.main, game.backpack, game.bonus, files);
}

std::optional<std::string> WriteSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                          const NameValueList& main,
                                          std::span<const std::string> backpack,
                                          std::span<const std::string> bonus, FileOps& files) {
  const std::array<std::span<const std::string>, 3> lines = {main.Lines(), backpack, bonus};
  const auto paths = names.Files();
  std::array<std::string, 3> bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto encoded = EncodeLines(lines[i]);
    if (!encoded) {
      return mg::Fill(
          mg::translate("SaveCommit",
                        "в тексте для файла %1 есть знак, которого нет в кодировке сохранений"),
          {*paths[i]});
    }
    bytes[i] = ScrambleFile(*encoded);
  }
  return WriteSaveFiles(folder, names, bytes, files);
}

std::optional<std::string> WriteSaveFiles(const GameFolder& folder, const SaveFileNames& names,
                                          const std::array<std::string, 3>& scrambled,
                                          FileOps& files) {
  const SavePaths paths(folder, names);
  if (!files.MakeFolder(paths.folder))
    return mg::translate("SaveCommit", "не удаётся создать папку save");
  // A save that counted but was cut off is completed first: its new files must
  // not be mixed with these. (Uncounted new files are simply written over.)
  if (files.Look(paths.journal) != Kind::Missing) {
    if (auto problem = Recover(paths, names, files)) return problem;
  }
  const std::string digest = SaveDigest(scrambled);
  const std::array<std::string_view, kFilesOfASave> bytes = {scrambled[0], scrambled[1],
                                                             scrambled[2], digest};
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    // Only a plain file may be replaced: a folder of that name stays as it is.
    if (files.Look(paths.target[i]) == Kind::Other) {
      return mg::Fill(mg::translate("SaveCommit", "на месте файла %1 находится не файл"),
                      {paths.name[i]});
    }
  }
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (!files.Write(paths.fresh[i], bytes[i])) {
      Drop(paths, files);
      return mg::Fill(mg::translate("SaveCommit", "не удаётся записать файл %1"), {paths.name[i]});
    }
  }
  // The mark may stand only once the new files and their names are on the disk;
  // once it is there itself, the save counts.
  if (!files.SyncFolder(paths.folder) || !files.Write(paths.journal, "") ||
      !files.SyncFolder(paths.folder)) {
    files.Remove(paths.journal);
    Drop(paths, files);
    return mg::translate("SaveCommit", "не удаётся записать папку save");
  }
  // Should a step below fail, the mark stays and the next save or login completes it.
  for (std::size_t i = 0; i < paths.fresh.size(); ++i) {
    if (!files.Rename(paths.fresh[i], paths.target[i])) return std::nullopt;
  }
  if (files.SyncFolder(paths.folder)) files.Remove(paths.journal);
  KeepBackup(folder, names.nick, scrambled, files);
  return std::nullopt;
}
