#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A file of the save folder, by its path in that folder ("Вася.par",
// "backup/Вася.2.l1"), and its bytes.
struct SavedFile {
  std::string path;
  std::string bytes;
};

// Every file the login may read for a nick: the three save files, a cut-off save's
// new files and mark, the backups; letter case ignored, as the login does. The
// nick's lock is no save.
std::vector<SavedFile> NickFiles(const std::filesystem::path& saves, const std::string& nick);

// A path a recording may name: a plain name in the save folder or in its backup/,
// nothing that could reach outside.
bool SafeSavePath(const std::string& path);

// Makes the nick's files in `saves` exactly `files`. False when one cannot be written.
bool RestoreNickFiles(const std::filesystem::path& saves, const std::string& nick,
                      const std::vector<SavedFile>& files);
