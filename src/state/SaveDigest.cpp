#include "state/SaveDigest.h"

#include <zlib.h>

#include <cstdio>

namespace {

constexpr std::array<const char*, 3> kLineKeys = {"par=", "l1=", "l2="};

std::string DigestLine(std::size_t file, std::string_view bytes) {
  // CRC-32 catches every flipped bit and every burst up to 32 bits long; the size
  // catches a cut. Nothing here has to stand up to a forger, only to a disk.
  const uLong crc =
      crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size()));
  char sum[9];
  std::snprintf(sum, sizeof sum, "%08lx", crc & 0xFFFFFFFFUL);
  return std::string(kLineKeys[file]) + std::to_string(bytes.size()) + " " + sum + "\r\n";
}

}  // namespace

std::string SaveDigest(const std::array<std::string, 3>& scrambled) {
  std::string digest;
  for (std::size_t i = 0; i < scrambled.size(); ++i) digest += DigestLine(i, scrambled[i]);
  return digest;
}

std::optional<std::size_t> FileDifferingFromDigest(
    std::string_view digest, const std::array<std::optional<std::string>, 3>& scrambled) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < scrambled.size(); ++i) {
    if (!scrambled[i]) return i;
    const std::string line = DigestLine(i, *scrambled[i]);
    if (digest.substr(at, line.size()) != line) return i;
    at += line.size();
  }
  // Anything after the three lines is damage of the digest itself.
  if (at != digest.size()) return 0;
  return std::nullopt;
}
