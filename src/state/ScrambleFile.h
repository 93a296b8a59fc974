#pragma once

#include <string>
#include <string_view>

// The first key byte; the key runs through the next 50 values and starts again.
inline constexpr unsigned char kScrambleKeyStart = 0x5A;
inline constexpr int kScrambleKeyLength = 50;

// Byte i of the result is byte i XOR (kScrambleKeyStart + i mod 50). The same
// routine scrambles a save file's bytes and restores them.
std::string ScrambleFile(std::string_view bytes);
