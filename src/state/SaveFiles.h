#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/GameFolder.h"
#include "state/FileOps.h"
#include "state/GameState.h"
#include "state/MemberTable.h"

// A main file's name=value lines. A key is found by name with letter case ignored
// (the first line that has it); a missing key reads as the empty text.
class NameValueList {
 public:
  NameValueList() = default;
  // None when a line is not name=value.
  static std::optional<NameValueList> FromLines(std::vector<std::string> lines);

  std::string Value(std::string_view key) const;
  // Replaces the key's value or appends the key as the last line; an empty value
  // removes the key's line.
  void Set(std::string_view key, const std::string& value);
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string>::iterator Find(std::string_view key);
  std::vector<std::string>::const_iterator Find(std::string_view key) const;

  std::vector<std::string> lines_;
};

// The saved members of `state` in `order` (SavedMembers() for a save,
// RegistrationMembers() for a new nick), Money with the given decimal separator.
NameValueList SavedValues(const GameState& state, std::span<const MemberInfo> order,
                          char decimalPoint);

// A fingerprint of what a save of `state` and the two lists writes: a change to any
// saved value or line changes it (but for a chance of one in 2^64).
std::uint64_t SavedGameDigest(const GameState& state, std::span<const std::string> backpack,
                              std::span<const std::string> bonus);

// What a nick, a password or any saved text may hold: characters of code page 1251,
// no line breaks or other control characters.
bool FitsSaveFile(std::string_view text);

// The plain form on disk: code page 1251, every line ended by CR LF. None when a
// line holds a character the code page lacks.
std::optional<std::string> EncodeLines(std::span<const std::string> lines);
// Lines end with CR LF, a lone LF or a lone CR; a last line without one counts too.
std::vector<std::string> DecodeLines(std::string_view bytes);

// Characters no file name may hold, in the order the login's filter looks for them.
inline constexpr char kNotInFileNames[] = {'\\', '/', ':', '*', '?', '"', '<', '>', '|'};
// A nick names the three save files: it must not be empty nor hold one of those,
// or a save could land outside the save folder.
bool NickNamesFiles(std::string_view nick);

// The three files of a nick by the game's names ("save\Вася.par"), and the mark
// whose presence says that a save's new files are complete and must replace them.
struct SaveFileNames {
  std::string main;
  std::string backpack;
  std::string bonus;
  std::string journal;
  std::string nick;    // as the file names spell it
  std::string lock;    // held by the one running game of the nick
  std::string digest;  // what the three files held when the game wrote them

  std::array<const std::string*, 3> Files() const { return {&main, &backpack, &bonus}; }
};
SaveFileNames SaveFilesOf(const std::string& nick);

// The nicks the save folder holds files of, as their names spell them, sorted.
std::vector<std::string> SavedNicks(const GameFolder& folder, FileOps& files = Disk());

// Everything one save writes.
struct SavedGame {
  NameValueList main;
  std::vector<std::string> backpack;
  std::vector<std::string> bonus;
};

// A nick's three files as they lie on the disk, scrambled, with their digest: what
// a copy of the save (a recording of a game) takes and later writes back.
struct SaveFileBytes {
  std::array<std::optional<std::string>, 3> files;  // none: missing or unreadable
  std::optional<std::string> digest;                // none: a save without one
};
SaveFileBytes ReadSaveFiles(const GameFolder& folder, const SaveFileNames& names,
                            FileOps& files = Disk());
// Puts scrambled files in place as one save, the way WriteSavedGame does (a new
// digest, a backup); what went wrong in words for the player, or nothing.
std::optional<std::string> WriteSaveFiles(const GameFolder& folder, const SaveFileNames& names,
                                          const std::array<std::string, 3>& scrambled,
                                          FileOps& files = Disk());

// What the game itself never writes in files it read back whole: a difference from
// their digest, or a byte code page 1251 leaves unused (which no save could write
// back). The first such damage in words for the player, or nothing.
std::optional<std::string> DamageOfFiles(const SaveFileNames& names, const SaveFileBytes& bytes);

// Writes all three files scrambled, atomically and durably: each goes completely
// to a new file flushed to the disk, then the journal mark is made durable (the
// moment the save counts), then the new files replace the old ones and the mark
// goes. Whenever the process dies, the next start finds the old save or the new
// one, whole. Nothing plain ever reaches the disk. Returns what went wrong, in
// words for the player (the previous save is then left as it was); nothing once
// the save is on the disk.
std::optional<std::string> WriteSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                          const SavedGame& game, FileOps& files = Disk());
// The same for lists the caller keeps (the game's own backpack): they are read in
// place, never copied.
std::optional<std::string> WriteSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                          const NameValueList& main,
                                          std::span<const std::string> backpack,
                                          std::span<const std::string> bonus,
                                          FileOps& files = Disk());

// Before a nick's files are read or written: completes a save that was cut off
// after it counted, and drops the remains of one cut off before (the new files,
// or an older build's set aside old files, which are put back). Returns what went
// wrong; the files must then not be read.
std::optional<std::string> RecoverInterruptedSave(const GameFolder& folder,
                                                  const SaveFileNames& names,
                                                  FileOps& files = Disk());

// "The save file … is damaged: why." for the player.
std::string DamagedFile(const std::string& file, const std::string& why);

// A nick's main file as the login finds it.
struct OpenedMainFile {
  enum class Kind { NewNick, Known, Unreadable };
  Kind kind = Kind::NewNick;
  bool found = false;  // whether a main file was there at all
  NameValueList values;
  std::string problem;  // for Unreadable: what to tell the player
};

// A missing or empty file, or one without a Password value, is a new nick. A file
// that is not the game's name=value text (garbage, cut short) cannot be read.
OpenedMainFile OpenMainFile(const GameFolder& folder, const SaveFileNames& names,
                            FileOps& files = Disk());

// Everything a known nick's files hold.
struct LoadedGame {
  GameState state;
  std::vector<std::string> backpack;
  std::vector<std::string> bonus;
};

// Reads Sound, then every saved member from Place on, into `game.state`, and the
// two list files (a missing one is an empty list). Returns what to tell the player
// when a value is missing, not a number or out of its range, or a file cannot be
// read; `game` is then partly changed, so callers load into a copy.
std::optional<std::string> ReadSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                         const NameValueList& values, LoadedGame& game,
                                         FileOps& files = Disk());
