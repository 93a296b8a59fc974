#include "state/Backups.h"

#include <algorithm>
#include <charconv>

#include "state/SaveDigest.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kBackupFolder = "save\\backup";
constexpr const char* kNewMainFile = ".par.new";

// One of a nick's files in the backup folder: its number and what follows it.
struct BackupEntry {
  std::string name;
  long number;
  std::string suffix;
};

// Names of other nicks ("Вася.1" has backups too) and strangers are left out.
std::vector<BackupEntry> EntriesOf(const std::vector<std::string>& names, const std::string& nick) {
  std::vector<BackupEntry> entries;
  const std::string prefix = nick + ".";
  for (const std::string& name : names) {
    if (!name.starts_with(prefix)) continue;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    long number = 0;
    const auto [end, error] = std::from_chars(first, last, number);
    const std::string suffix(end, last);
    const bool known = suffix == ".par" || suffix == ".l1" || suffix == ".l2" || suffix == ".sum" ||
                       suffix == kNewMainFile;
    if (error == std::errc() && end != first && number > 0 && known) {
      entries.push_back({name, number, suffix});
    }
  }
  return entries;
}

// A backup with all three files; one cut off while it was written or removed lacks one.
std::vector<long> CompleteOnes(const std::vector<BackupEntry>& entries) {
  const auto has = [&](long number, const char* suffix) {
    return std::ranges::any_of(entries, [&](const BackupEntry& entry) {
      return entry.number == number && entry.suffix == suffix;
    });
  };
  std::vector<long> numbers;
  for (const BackupEntry& entry : entries) {
    if (entry.suffix == ".par" && has(entry.number, ".l1") && has(entry.number, ".l2"))
      numbers.push_back(entry.number);
  }
  std::ranges::sort(numbers, std::greater<>());
  return numbers;
}

// Removes a backup's files main file first: should this be cut off, what is left
// lacks its main file and is never offered, and the next save removes the rest.
void RemoveEntries(std::vector<BackupEntry> entries, const fs::path& place, FileOps& files) {
  // Not the ranges form: clang's fuzz build cannot take its subrange from libstdc++ 12.
  std::stable_partition(entries.begin(), entries.end(),
                        [](const BackupEntry& entry) { return entry.suffix == ".par"; });
  for (const BackupEntry& entry : entries) files.Remove(place / entry.name);
}

}  // namespace

SaveFileNames BackupFilesOf(const std::string& nick, long number) {
  const std::string stem = std::string(kBackupFolder) + "\\" + nick + "." + std::to_string(number);
  return {stem + ".par", stem + ".l1", stem + ".l2", {}, nick, {}, stem + ".sum"};
}

std::vector<long> BackupsOf(const GameFolder& folder, const std::string& nick, FileOps& files) {
  const auto names = files.List(folder.Resolve(kBackupFolder));
  return names ? CompleteOnes(EntriesOf(*names, nick)) : std::vector<long>{};
}

void KeepBackup(const GameFolder& folder, const std::string& nick,
                const std::array<std::string, 3>& scrambled, FileOps& files) {
  const fs::path place = folder.Resolve(kBackupFolder);
  // Without the folder's names the next number is unknown, and an old backup could be hit.
  const auto names = files.MakeFolder(place) ? files.List(place) : std::nullopt;
  if (!names) return;
  std::vector<BackupEntry> entries = EntriesOf(*names, nick);
  long newest = 0;
  for (const BackupEntry& entry : entries) newest = std::max(newest, entry.number);
  const SaveFileNames backup = BackupFilesOf(nick, newest + 1);
  const fs::path main = folder.Resolve(backup.main);
  fs::path fresh = main;
  fresh += ".new";
  // The main file comes last: a backup that has it is whole, its digest included.
  const bool kept = files.Write(folder.Resolve(backup.backpack), scrambled[1]) &&
                    files.Write(folder.Resolve(backup.bonus), scrambled[2]) &&
                    files.Write(folder.Resolve(backup.digest), SaveDigest(scrambled)) &&
                    files.Write(fresh, scrambled[0]) && files.Rename(fresh, main) &&
                    files.SyncFolder(place);
  if (kept) {
    for (const std::string* name : {&backup.main, &backup.backpack, &backup.bonus}) {
      entries.push_back(
          {folder.Resolve(*name).filename().string(), newest + 1, name->substr(name->rfind('.'))});
    }
  }
  // Incomplete backups, this one too when it failed, and old ones beyond the three newest.
  std::vector<long> keep = CompleteOnes(entries);
  if (keep.size() > kBackupsKept) keep.resize(kBackupsKept);
  std::erase_if(entries, [&](const BackupEntry& entry) {
    return std::ranges::find(keep, entry.number) != keep.end();
  });
  RemoveEntries(std::move(entries), place, files);
  if (!kept) {
    for (const fs::path& path : {main, fresh, folder.Resolve(backup.backpack),
                                 folder.Resolve(backup.bonus), folder.Resolve(backup.digest)}) {
      files.Remove(path);
    }
  }
}

std::optional<FoundBackup> NewestIntactBackup(const GameFolder& folder, const std::string& nick,
                                              const GameState& start, FileOps& files) {
  for (long number : BackupsOf(folder, nick, files)) {
    FoundBackup found{BackupFilesOf(nick, number), {}, {start, {}, {}}};
    if (DamageOfFiles(found.names, ReadSaveFiles(folder, found.names, files))) continue;
    OpenedMainFile opened = OpenMainFile(folder, found.names, files);
    // Another nick's or another version's files are no backup of the nick typed.
    if (opened.kind != OpenedMainFile::Kind::Known ||
        opened.values.Value("Version") != kSaveFormatVersion ||
        opened.values.Value("Nick") != start.Nick)
      continue;
    if (ReadSavedGame(folder, found.names, opened.values, found.game, files)) continue;
    found.values = std::move(opened.values);
    return found;
  }
  return std::nullopt;
}
