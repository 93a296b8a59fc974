#include "replay/SaveSnapshot.h"

#include <QString>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;

constexpr const char* kBackupFolder = "backup";

bool OfNick(const std::string& fileName, const std::string& nick) {
  const QString name = QString::fromStdString(fileName);
  return !nick.empty() &&
         name.startsWith(QString::fromStdString(nick + "."), Qt::CaseInsensitive) &&
         !name.endsWith(".lock");
}

// The nick's files in `saves`, by their paths there.
std::vector<std::string> NickPaths(const fs::path& saves, const std::string& nick) {
  std::vector<std::string> paths;
  for (const std::string folder : {"", kBackupFolder}) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(saves / folder, error)) {
      const std::string name = entry.path().filename().string();
      if (!entry.is_regular_file(error) || !OfNick(name, nick)) continue;
      paths.push_back(folder.empty() ? name : folder + "/" + name);
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace

std::vector<SavedFile> NickFiles(const fs::path& saves, const std::string& nick) {
  std::vector<SavedFile> files;
  for (const std::string& path : NickPaths(saves, nick)) {
    std::ifstream in(saves / fs::u8path(path), std::ios::binary);
    files.push_back({path, std::string(std::istreambuf_iterator<char>(in), {})});
  }
  return files;
}

bool SafeSavePath(const std::string& path) {
  std::string name = path;
  if (name.starts_with(std::string(kBackupFolder) + "/")) name = name.substr(7);
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string::npos && name.find('\0') == std::string::npos;
}

bool RestoreNickFiles(const fs::path& saves, const std::string& nick,
                      const std::vector<SavedFile>& files) {
  std::error_code error;
  for (const std::string& path : NickPaths(saves, nick))
    fs::remove(saves / fs::u8path(path), error);
  for (const SavedFile& file : files) {
    if (!SafeSavePath(file.path)) return false;
    const fs::path target = saves / fs::u8path(file.path);
    fs::create_directories(target.parent_path(), error);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    if (!out) return false;
  }
  return true;
}
