// Feeds arbitrary text to the script mode: no input may crash, hang or leak.

#include <QApplication>
#include <cstdint>
#include <regex>
#include <sstream>
#include <string>

#include "core/EventLog.h"
#include "script/ScriptRunner.h"
#include "shell/Game.h"
#include "shell/Screen.h"

namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "fuzz_script";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    auto* created = new QApplication(argc, argv);
    created->setQuitOnLastWindowClosed(false);
    Screen::InstallKeyPreview();
    return created;
  }();
  return *app;
}

// Commands that only cost time or write pictures: `wait`, `snap`, and long `tick`s.
bool Slow(const std::string& text) {
  if (text.find("wait") != std::string::npos || text.find("snap") != std::string::npos) return true;
  static const std::regex longTick("tick +[0-9]{4,}");
  return std::regex_search(text, longTick);
}

// One game serves many inputs, so that states build up; a new one after the game ends.
// The last one is never destroyed: at process exit Qt's own statics are gone.
Game& TheGame() {
  static NullLog log;
  static Game* game = nullptr;
  if (!game || game->Quitting()) {
    delete game;
    GameOptions options;
    options.root = "/tmp/mg-fuzz-script";
    options.seed = 1;
    options.hour = 12;
    game = new Game(options, &log);
    game->Start();
  }
  return *game;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Application();
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (Slow(text)) return 0;
  Game& game = TheGame();
  ScriptRunner runner(game, "/tmp/mg-fuzz-script");
  std::istringstream input(text);
  std::ostringstream errors;
  runner.Run(input, errors);
  return 0;
}
