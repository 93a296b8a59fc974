#pragma once

#include <filesystem>
#include <optional>
#include <vector>

inline constexpr int kSampleRate = 22050;

// Mono sound as floats in -1..1.
struct Wave {
  int sampleRate = kSampleRate;
  std::vector<float> samples;
  double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// 16-bit PCM mono RIFF file.
bool WriteWave(const std::filesystem::path& path, const Wave& wave);
// Reads a 16-bit PCM mono RIFF file; a streamed header (data size unknown) reads to the end.
std::optional<Wave> ReadWave(const std::filesystem::path& path);
