#include "replay/ReplayFolder.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fs = std::filesystem;

fs::path RecordingsFolder(const fs::path& saves) { return saves / "replays"; }

fs::path NewRecordingPath(const fs::path& folder, std::time_t start, long process) {
  std::tm local{};
  localtime_r(&start, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
  return folder / (std::string(stamp) + "-" + std::to_string(process) + kRecordingExtension);
}

void KeepNewestRecordings(const fs::path& folder, std::size_t keep) {
  std::vector<fs::path> recordings;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() == kRecordingExtension) recordings.push_back(entry.path());
  }
  if (recordings.size() <= keep) return;
  // The names start with the time: the newest sort last.
  std::sort(recordings.begin(), recordings.end());
  for (std::size_t i = 0; i + keep < recordings.size(); ++i) fs::remove(recordings[i], error);
}
