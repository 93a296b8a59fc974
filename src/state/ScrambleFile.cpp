#include "state/ScrambleFile.h"

static_assert(kScrambleKeyStart + kScrambleKeyLength - 1 <= 255, "the key run must stay a byte");

std::string ScrambleFile(std::string_view bytes) {
  std::string out(bytes);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto key = static_cast<unsigned char>(kScrambleKeyStart + i % kScrambleKeyLength);
    out[i] = static_cast<char>(static_cast<unsigned char>(out[i]) ^ key);
  }
  return out;
}
