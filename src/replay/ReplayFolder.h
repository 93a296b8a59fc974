#pragma once

#include <cstddef>
#include <ctime>
#include <filesystem>

// The recordings of sessions in real windows: the save folder's replays/, one file
// a session, named by its start ("2026-12-09-183012-4711.replay"), the newest kept.
inline constexpr std::size_t kRecordingsKept = 10;
inline constexpr const char* kRecordingExtension = ".replay";

std::filesystem::path RecordingsFolder(const std::filesystem::path& saves);
std::filesystem::path NewRecordingPath(const std::filesystem::path& folder, std::time_t start,
                                       long process);
// Removes all but the newest `keep` recordings of the folder.
void KeepNewestRecordings(const std::filesystem::path& folder, std::size_t keep = kRecordingsKept);
