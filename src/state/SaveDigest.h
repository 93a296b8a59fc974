#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A save's digest: one line per file (main file, backpack, bonus list) with the
// checksum of its scrambled bytes, so that the login can tell the files the game
// wrote from files that changed afterwards. It lies beside them, plain text.
std::string SaveDigest(const std::array<std::string, 3>& scrambled);

// Which of the three files (0, 1, 2) differs from the digest, or none when all
// agree. A missing file (none) never agrees; a digest that is not the game's text
// agrees with nothing.
std::optional<std::size_t> FileDifferingFromDigest(
    std::string_view digest, const std::array<std::optional<std::string>, 3>& scrambled);
