#pragma once

#include <optional>
#include <span>
#include <string>

#include "state/MemberTable.h"

class Game;

// Writes GameState in `order` and the inventory's two lists under the nick; what
// went wrong, in words for the player, or nothing when all three files are written.
std::optional<std::string> WriteCharacter(Game& game, std::span<const MemberInfo> order);

// The menu's "Сохранить".
void SaveGame(Game& game);
