#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "state/SaveFiles.h"

// Copies of a nick's last three complete saves, in save\backup\ as NICK.N.par,
// NICK.N.l1 and NICK.N.l2, the number N counting up from 1 with every save.
inline constexpr std::size_t kBackupsKept = 3;

SaveFileNames BackupFilesOf(const std::string& nick, long number);

// The numbers of a nick's complete backups, newest first.
std::vector<long> BackupsOf(const GameFolder& folder, const std::string& nick,
                            FileOps& files = Disk());

// Keeps the scrambled files of the save just made (main file, backpack, bonus
// list) as the nick's newest backup, and removes every older one beyond the
// three newest, as well as any left incomplete. The list files are written
// first and the main file is renamed into place last, so a backup with a main
// file is complete. A backup that cannot be written is given up quietly: the
// save it copies is on the disk already.
void KeepBackup(const GameFolder& folder, const std::string& nick,
                const std::array<std::string, 3>& scrambled, FileOps& files = Disk());

// The newest backup that is whole (all its files, agreeing with its digest), of the
// nick in `start` and of this version, and reads without a fault, loaded over `start`.
struct FoundBackup {
  SaveFileNames names;
  NameValueList values;
  LoadedGame game;
};
std::optional<FoundBackup> NewestIntactBackup(const GameFolder& folder, const std::string& nick,
                                              const GameState& start, FileOps& files = Disk());
