#include "state/SaveOpening.h"

#include "core/Translate.h"

namespace {

using Kind = SaveOpening::Kind;
using Fault = SaveOpening::Fault;

SaveOpening Decided(Kind kind) {
  SaveOpening opening;
  opening.kind = kind;
  return opening;
}

// A known nick's main file read as it stands: the first reason it cannot be
// loaded, or the game it holds.
SaveOpening ReadAsItStands(const GameFolder& folder, const SaveFileNames& names,
                           const NameValueList& values, const GameState& typed, FileOps& files) {
  SaveOpening read;
  read.savedVersion = values.Value("Version");
  read.savedNick = values.Value("Nick");
  LoadedGame game{typed, {}, {}};
  if (read.savedVersion != kSaveFormatVersion) {
    read.fault = Fault::Version;
  } else if (read.savedNick != typed.Nick) {
    read.fault = Fault::Renamed;
  } else if (auto problem = ReadSavedGame(folder, names, values, game, files)) {
    read.fault = Fault::Damage;
    read.problem = std::move(*problem);
  } else {
    read.game = std::move(game);
  }
  return read;
}

}  // namespace

SaveOpening OpenSave(const GameFolder& folder, const SaveFileNames& names, const GameState& typed,
                     FileOps& files, const PasswordOutcome& tested) {
  const auto passwordIs = [&](const std::string& saved) {
    const bool same = saved == typed.Password;
    return tested ? tested(same) : same;
  };
  const OpenedMainFile opened = OpenMainFile(folder, names, files);
  // The backups are read only where the main file alone cannot settle the login.
  std::optional<FoundBackup> backup;
  bool looked = false;
  const auto backupOpens = [&] {
    if (!looked) backup = NewestIntactBackup(folder, names.nick, typed, files);
    looked = true;
    return backup && passwordIs(backup->values.Value("Password"));
  };
  const auto offered = [&](SaveOpening opening) {
    opening.kind = Kind::Offer;
    opening.backup = std::move(backup);
    return opening;
  };
  const auto damaged = [](std::string problem) {
    SaveOpening opening;
    opening.fault = Fault::Damage;
    opening.problem = std::move(problem);
    return opening;
  };

  if (opened.kind != OpenedMainFile::Kind::Known) {
    // Nothing in the main file to test the password against: the backup's is tested.
    if (!backupOpens() && backup) return Decided(Kind::WrongPassword);
    if (opened.kind == OpenedMainFile::Kind::Unreadable) {
      SaveOpening opening = damaged(opened.problem);
      if (backup) return offered(std::move(opening));
      opening.kind = Kind::Refuse;
      return opening;
    }
    // A lost or emptied main file beside whole backups is a lost save, not a new nick.
    if (!backup) return Decided(Kind::Register);
    return offered(damaged(DamagedFile(
        names.main, opened.found ? mg::translate("SaveFiles", "в нём нет сохранённой игры")
                                 : mg::translate("SaveFiles", "файла нет"))));
  }

  const auto damage = DamageOfFiles(names, ReadSaveFiles(folder, names, files));
  if (!passwordIs(opened.values.Value("Password"))) {
    // Only the owner knows the backup's password: his main file's line is damaged.
    if (!backupOpens()) return Decided(Kind::WrongPassword);
    return offered(damaged(damage.value_or(DamagedFile(
        names.main, mg::translate("SaveFiles", "пароль в нём не тот, что в резервной копии")))));
  }
  SaveOpening opening = ReadAsItStands(folder, names, opened.values, typed, files);
  // What keeps the file from loading is said first; else what the digest or the
  // code page tells.
  if (damage && opening.fault == Fault::None) {
    opening.fault = Fault::Damage;
    opening.problem = *damage;
  }
  if (opening.fault != Fault::None && backupOpens()) return offered(std::move(opening));
  // Without a backup, files that can be read are loaded, and any damage said.
  opening.kind = opening.game ? Kind::Load : Kind::Refuse;
  return opening;
}
