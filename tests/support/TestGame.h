#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/EventLog.h"
#include "shell/Game.h"

// A whole game on the offscreen platform with recording services and a fresh,
// empty game folder; what would pop up or sound is collected in `log`.
class TestGame : public ::testing::Test {
 protected:
  TestGame();
  ~TestGame() override;

  // Starts the game (screens created, login shown) and forgets the start-up lines.
  void Start(std::uint32_t seed = 1, int hour = 12);
  // The lines collected since the last call.
  std::vector<std::string> Events();
  void AnswerConfirmation(bool yes) { game->recordingDialogs()->QueueAnswer(yes); }
  void Draws(std::initializer_list<int> raw);

  std::filesystem::path root;
  std::filesystem::path saves;            // set before Start for saves apart from the game folder
  std::filesystem::path unwritableSaves;  // and the game folder's own save/, then unwritable
  Language language = Language::Russian;  // what Start() chooses
  VectorLog log;
  std::unique_ptr<Game> game;
};
