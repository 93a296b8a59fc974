#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

class Game;

// A short fingerprint of everything a session changes, part by part, so that a
// replay can tell where its state left the recorded one and in what: `state` (the
// GameState members but the password, which a replay does not know), `world` (the
// menu's members), `fight` (the fight's), `screens` (the other screens' members
// and which screens are shown), `backpack`, `bonus`, and `draws` (how many random
// draws were made).
struct StateDigest {
  std::vector<std::pair<std::string, std::string>> parts;

  // "state=1f2e3d4c world=… draws=1234"
  std::string Text() const;
  static std::optional<StateDigest> Parse(const std::string& text);
  // The names of the parts that differ, in order.
  std::vector<std::string> Differing(const StateDigest& other) const;
};

StateDigest DigestOf(const Game& game);
