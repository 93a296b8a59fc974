#pragma once

#include <functional>
#include <optional>
#include <string>

#include "state/Backups.h"
#include "state/SaveFiles.h"

// What the login makes of a nick's files, decided before anything changes, so that
// no single fault of a disk (a flipped bit, a lost or emptied file) loses a
// character, loads it changed without a word or shows it to someone else.
struct SaveOpening {
  enum class Kind {
    Register,       // no save and no whole backup: a new character
    Load,           // the saved character in `game`
    WrongPassword,  // and nothing else is said
    Refuse,         // `fault`, and no backup to offer
    Offer,          // `fault`, with `backup` to load instead
  };
  // Why a known nick's files are not simply loaded.
  enum class Fault {
    None,
    Damage,   // `problem` says what and where
    Version,  // the file's Version is in `savedVersion`
    Renamed,  // the file holds the nick in `savedNick`
  };

  Kind kind = Kind::Register;
  Fault fault = Fault::None;
  std::string problem;
  std::string savedVersion;
  std::string savedNick;
  // Load: the character. Offer: what declining loads, when the files can be read
  // (the player may have changed them on purpose).
  std::optional<LoadedGame> game;
  std::optional<FoundBackup> backup;
};

// `typed` is the game as the login holds it: the new-character values with the
// nick and password typed. The password is tested first, against the main file
// where it can be read, else against the backup that would be offered; files the
// game did not leave as it wrote them are offered the newest whole backup.
// Interrupted saves must be settled before (RecoverInterruptedSave).
// Every test of the password passes its outcome through `tested` where one is given:
// a recording keeps the outcomes instead of the password, and its replay restores them.
using PasswordOutcome = std::function<bool(bool same)>;
SaveOpening OpenSave(const GameFolder& folder, const SaveFileNames& names, const GameState& typed,
                     FileOps& files = Disk(), const PasswordOutcome& tested = {});
