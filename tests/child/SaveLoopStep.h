#pragma once

#include <string>

#include "state/MemberTable.h"
#include "state/SaveFiles.h"

// Step n of the saving child: n roubles, n % 5 + 1 backpack lines and one bonus
// line, each naming n.
inline SavedGame SaveLoopStep(const std::string& nick, long n) {
  GameState state;
  state.Nick = nick;
  state.Password = "secret";
  state.Money = static_cast<float>(n);
  SavedGame game{SavedValues(state, SavedMembers(), '.'), {}, {"Рубин " + std::to_string(n)}};
  for (long i = 0; i <= n % 5; ++i) game.backpack.push_back("Меч " + std::to_string(n));
  return game;
}
