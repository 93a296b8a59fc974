#pragma once

#include <optional>
#include <span>
#include <string>

#include "state/MemberTable.h"

class Game;
struct SaveFileNames;

// Where the nick's saves are: the save folder, unless the nick was saved only in
// the game folder's own save/ before it became unwritable. Loaded from there, the
// character is never registered anew elsewhere (its saves fail, and say so).
void ChooseSaveFolder(Game& game, const std::string& nick);

// The files of a nick: those of the same name, else those whose name differs only
// in letter case, as on a file system that ignores it (file names stay as first
// written), else new ones of the nick's name.
SaveFileNames SaveFilesFor(Game& game, const std::string& nick);

// Takes the nick's lock for this game: false while another running game has it.
bool HoldNick(Game& game, const SaveFileNames& names);
// What the player is told then.
std::string NickInPlay(const std::string& nick);

// Writes GameState in `order` and the inventory's two lists under the nick; what
// went wrong, in words for the player, or nothing when all three files are written.
std::optional<std::string> WriteCharacter(Game& game, std::span<const MemberInfo> order);

// The menu's "Сохранить".
void SaveGame(Game& game);
