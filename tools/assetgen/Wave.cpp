#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void PutU32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void PutU16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}
std::uint32_t GetU32(const std::string& in, size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[at + i]);
  return v;
}
std::uint16_t GetU16(const std::string& in, size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) |
                                    (static_cast<unsigned char>(in[at + 1]) << 8));
}

}  // namespace

bool WriteWave(const std::filesystem::path& path, const Wave& wave) {
  const auto dataBytes = static_cast<std::uint32_t>(wave.samples.size() * 2);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutU32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, 1);  // mono
  PutU32(out, static_cast<std::uint32_t>(wave.sampleRate));
  PutU32(out, static_cast<std::uint32_t>(wave.sampleRate * 2));
  PutU16(out, 2);
  PutU16(out, 16);
  out += "data";
  PutU32(out, dataBytes);
  for (float s : wave.samples) {
    const auto v = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    PutU16(out, static_cast<std::uint16_t>(v));
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

std::optional<Wave> ReadWave(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::string in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (in.size() < 12 || in.compare(0, 4, "RIFF") != 0 || in.compare(8, 4, "WAVE") != 0) {
    return std::nullopt;
  }
  Wave wave;
  bool pcmMono16 = false;
  for (size_t at = 12; at + 8 <= in.size();) {
    const std::string id = in.substr(at, 4);
    const size_t size = GetU32(in, at + 4);
    const size_t body = at + 8;
    if (id == "fmt " && body + 16 <= in.size()) {
      pcmMono16 = GetU16(in, body) == 1 && GetU16(in, body + 2) == 1 && GetU16(in, body + 14) == 16;
      wave.sampleRate = static_cast<int>(GetU32(in, body + 4));
    } else if (id == "data") {
      if (!pcmMono16) return std::nullopt;
      const size_t end = std::min(in.size(), body + size);
      for (size_t i = body; i + 1 < end; i += 2) {
        wave.samples.push_back(static_cast<std::int16_t>(GetU16(in, i)) / 32768.0f);
      }
      return wave;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}
