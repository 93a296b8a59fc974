#pragma once

#include <QLineEdit>
#include <filesystem>
#include <memory>

#include "core/EventLog.h"
#include "shell/Game.h"
#include "shell/NickUnit.h"

// A benchmark's game in a folder of its own, seeded, its login filled in but not pressed.
inline std::unique_ptr<Game> GameAtTheLogin(const std::filesystem::path& root, EventLog& log,
                                            const char* nick) {
  GameOptions options;
  options.root = root;
  options.seed = 1;
  options.hour = 12;
  auto game = std::make_unique<Game>(options, &log);
  game->Start();
  game->form4->Edit1->setText(nick);
  game->form4->Edit2->setText("secret");
  return game;
}
