#include "sweep/FlipSweep.h"

#include <algorithm>
#include <fstream>

#include "state/MemberTable.h"
#include "state/SaveOpening.h"

namespace fs = std::filesystem;

namespace {

GameState LevelFive() {
  GameState state;
  state.Nick = "Вася";
  state.Password = "secret";
  state.Place = 10;
  state.AttLevel = 5;
  state.AttPower = 41;
  state.AttHP = 180;
  state.MoveAttHP = 122;
  state.Point = 13452;
  state.PointLev = 15000;
  state.Strannik = 12;
  state.Money = 4321.5f;
  state.Shlem = "image\\Шлем слепоты.bmp";
  state.ShlemHint = "Шлем слепоты";
  state.Kolch = "image\\Кольчуга заката.bmp";
  state.KolchHint = "Кольчуга заката";
  return state;
}

const std::vector<std::string> kBackpack = {"Зелье ХП", "Свиток боя", "Поющий клинок"};
const std::vector<std::string> kBonus = {"Рубин", "Изумруд"};

bool SameCharacter(const LoadedGame& game, const GameState& saved) {
  const bool sameMembers = std::ranges::all_of(SavedMembers(), [&](const MemberInfo& info) {
    return info.Text(game.state) == info.Text(saved);
  });
  return sameMembers && game.backpack == kBackpack && game.bonus == kBonus;
}

bool Savable(const LoadedGame& game) {
  const NameValueList values = SavedValues(game.state, SavedMembers(), '.');
  return EncodeLines(values.Lines()) && EncodeLines(game.backpack) && EncodeLines(game.bonus);
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// One flip's two logins, counted.
void CountLogins(const GameFolder& folder, const SaveFileNames& names, const GameState& saved,
                 FlipCounts& counts) {
  using Kind = SaveOpening::Kind;
  GameState typed;
  typed.Nick = saved.Nick;
  typed.Password = saved.Password;
  SaveOpening opening = OpenSave(folder, names, typed);
  switch (opening.kind) {
    case Kind::Load:
      if (!SameCharacter(*opening.game, saved))
        ++counts.loadedChanged;
      else if (!Savable(*opening.game))
        ++counts.unsavable;
      else
        ++counts.loadedSame;
      break;
    case Kind::Offer:
      if (SameCharacter(opening.backup->game, saved))
        ++counts.offered;
      else
        ++counts.badOffer;
      break;
    case Kind::Register:
      ++counts.registered;
      break;
    default:
      ++counts.lockedOut;
  }
  typed.Password = "wrong";
  if (OpenSave(folder, names, typed).kind != Kind::WrongPassword) ++counts.strangerShown;
}

}  // namespace

FlipCounts SweepFlips(const fs::path& root, const FlipSweepOptions& options) {
  fs::remove_all(root);
  const GameFolder folder(root);
  const SaveFileNames names = SaveFilesOf("Вася");
  const GameState saved = LevelFive();
  // Three saves: three backups, the newest the same as the main file.
  for (int save = 0; save < 3; ++save) {
    WriteSavedGame(folder, names, {SavedValues(saved, SavedMembers(), '.'), kBackpack, kBonus});
  }
  if (options.withoutDigest) fs::remove(folder.Resolve(names.digest));

  FlipCounts counts;
  const auto files = names.Files();
  for (std::size_t file = 0; file < files.size(); ++file) {
    const fs::path path = folder.Resolve(*files[file]);
    const std::string whole = *ReadSaveFiles(folder, names).files[file];
    for (std::size_t at = 0; at < whole.size(); ++at) {
      for (int bit = 0; bit < 8; ++bit) {
        if (!options.everyBit && bit != static_cast<int>(at % 8)) continue;
        std::string flipped = whole;
        flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
        WriteBytes(path, flipped);
        ++counts.flips;
        CountLogins(folder, names, saved, counts);
      }
    }
    WriteBytes(path, whole);
  }
  return counts;
}
