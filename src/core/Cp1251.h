#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one byte code page 1251 leaves unused.
inline constexpr char kUnusedCp1251Byte = '\x98';

// Code page 1251 exists only on disk; the game works in UTF-8. The unused byte
// becomes a question mark: the text shows the damage and can still be saved.
std::string Cp1251ToUtf8(std::string_view bytes);
// None when the text holds a character the code page cannot hold, or bad UTF-8.
std::optional<std::string> Utf8ToCp1251(std::string_view text);
bool FitsCp1251(std::string_view text);
// Characters, not bytes, of a UTF-8 text.
std::size_t CharacterCount(std::string_view text);
