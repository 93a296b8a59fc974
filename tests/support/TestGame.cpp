#include "support/TestGame.h"

#include <unistd.h>

#include <atomic>

TestGame::TestGame() {
  static std::atomic<int> counter{0};
  root = std::filesystem::temp_directory_path() /
         ("mg-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(root);
  std::filesystem::create_directories(root);
}

TestGame::~TestGame() {
  game.reset();
  std::error_code error;
  std::filesystem::remove_all(root, error);
}

void TestGame::Start(std::uint32_t seed, int hour) {
  GameOptions options;
  options.root = root;
  options.saves = saves;
  options.unwritableSaves = unwritableSaves;
  options.seed = seed;
  options.hour = hour;
  options.language = language;
  game = std::make_unique<Game>(options, &log);
  game->Start();
  log.Take();
}

std::vector<std::string> TestGame::Events() { return log.Take(); }

void TestGame::Draws(std::initializer_list<int> raw) {
  for (int value : raw) game->random.Force(value);
}
