#include "replay/StateDigest.h"

#include <cstdint>
#include <cstdio>
#include <sstream>

#include "shell/Game.h"
#include "shell/Screen.h"

namespace {

// FNV-1a: quick, and stable across builds and machines.
class Fingerprint {
 public:
  void Add(const std::string& text) {
    for (const unsigned char c : text) hash_ = (hash_ ^ c) * 0x100000001b3ULL;
    hash_ = (hash_ ^ 0xffU) * 0x100000001b3ULL;
  }
  std::string Hex() const {
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash_ ^ (hash_ >> 32)));
    return text;
  }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

const char* PartOf(const std::string& name) {
  if (name.starts_with("GameState.")) return "state";
  if (name.starts_with("TForm3.")) return "world";
  if (name.starts_with("TForm1.")) return "fight";
  return "screens";
}

std::string ListHex(const ItemList& list) {
  Fingerprint print;
  for (const std::string& line : list.Lines()) print.Add(line);
  return print.Hex();
}

}  // namespace

std::string StateDigest::Text() const {
  std::string text;
  for (const auto& [name, value] : parts) text += (text.empty() ? "" : " ") + name + "=" + value;
  return text;
}

std::optional<StateDigest> StateDigest::Parse(const std::string& text) {
  StateDigest digest;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    const auto equals = word.find('=');
    if (equals == std::string::npos || equals == 0) return std::nullopt;
    digest.parts.emplace_back(word.substr(0, equals), word.substr(equals + 1));
  }
  if (digest.parts.empty()) return std::nullopt;
  return digest;
}

std::vector<std::string> StateDigest::Differing(const StateDigest& other) const {
  std::vector<std::string> names;
  for (const auto& [name, value] : parts) {
    bool same = false;
    for (const auto& [otherName, otherValue] : other.parts)
      same = same || (otherName == name && otherValue == value);
    if (!same) names.push_back(name);
  }
  return names;
}

StateDigest DigestOf(const Game& game) {
  Fingerprint state, world, fight, screens;
  game.bindings.ForEach([&](const std::string& name, const ScriptValue& value) {
    if (name == "GameState.Password") return;
    const std::string part = PartOf(name);
    Fingerprint& print = part == "state"   ? state
                         : part == "world" ? world
                         : part == "fight" ? fight
                                           : screens;
    print.Add(name + "=" + JsonValue(value));
  });
  for (const char* form : {"TForm1", "TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7"}) {
    const Screen* screen = game.FindScreen(form);
    screens.Add(std::string(form) + (screen && !screen->isHidden() ? " shown" : " hidden"));
  }
  return {{{"state", state.Hex()},
           {"world", world.Hex()},
           {"fight", fight.Hex()},
           {"screens", screens.Hex()},
           {"backpack", ListHex(game.backpack)},
           {"bonus", ListHex(game.bonusList)},
           {"draws", std::to_string(game.random.DrawCount())}}};
}
