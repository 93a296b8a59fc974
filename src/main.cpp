// Off-Line Morrowgate: options, the game, then the event loop or the script mode.

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "core/Dialogs.h"
#include "core/EventLog.h"
#include "core/Format.h"
#include "core/QtDialogs.h"
#include "script/ScriptRunner.h"
#include "shell/Game.h"
#include "shell/GameApplication.h"

namespace {

struct CommandLine {
  GameOptions game;
  std::optional<std::string> script;
  std::filesystem::path snapDir = ".";
  bool rootGiven = false;
};

constexpr const char* kUsage =
    "usage: morrowgate [--root DIR] [--seed N] [--hour H] [--script FILE|- [--snapdir DIR]]\n";

[[noreturn]] void Usage(const std::string& why) {
  std::fprintf(stderr, "morrowgate: %s\n%s", why.c_str(), kUsage);
  std::exit(2);
}

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      std::fputs(kUsage, stdout);
      std::exit(0);
    }
    if (i + 1 >= argc) Usage("missing value after " + option);
    const std::string value = argv[++i];
    if (option == "--script") {
      line.script = value;
    } else if (option == "--root") {
      line.game.root = value;
      line.rootGiven = true;
    } else if (option == "--snapdir") {
      line.snapDir = value;
    } else if (option == "--seed") {
      const auto seed = ParseInt(value);
      if (!seed || *seed < 0) Usage("bad seed: " + value);
      line.game.seed = static_cast<std::uint32_t>(*seed);
    } else if (option == "--hour") {
      const auto hour = ParseInt(value);
      if (!hour || *hour < 0 || *hour > 23) Usage("bad hour: " + value);
      line.game.hour = *hour;
    } else {
      Usage("unknown option " + option);
    }
  }
  return line;
}

bool HasDisplay() {
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

// The script mode's standard error carries only script errors.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    std::abort();
  }
}

int RunScript(GameApplication& app, CommandLine& line, EventLog& out) {
  Game game(line.game, &out);
  app.SetGame(&game);
  game.Start();
  ScriptRunner runner(game, line.snapDir);
  if (*line.script == "-") return runner.Run(std::cin, std::cerr);
  std::ifstream file(*line.script);
  if (!file) {
    std::fprintf(stderr, "morrowgate: cannot read %s\n", line.script->c_str());
    return 2;
  }
  return runner.Run(file, std::cerr);
}

int RunWindows(GameApplication& app, const CommandLine& line) {
  Game game(line.game, nullptr);
  app.SetGame(&game);
  game.Start();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  CommandLine line = ParseCommandLine(argc, argv);
  if (line.script) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
  } else if (!HasDisplay()) {
    std::fprintf(stderr,
                 "morrowgate: no display found; run it under a virtual one with "
                 "'xvfb-run -a %s', or play from a file with '%s --script FILE'.\n",
                 argv[0], argv[0]);
    return 1;
  }

  GameApplication app(argc, argv);
  if (!line.rootGiven)
    line.game.root = QDir(app.applicationDirPath()).filePath("game").toStdString();

  if (line.script) {
    StdoutLog out;
    RecordingDialogs errors(out);
    return app.RunShowingErrors(errors, [&] { return RunScript(app, line, out); });
  }
  // When start-up fails there is no game left to pause or to ask.
  QtDialogs errors([](bool) {}, [] { return false; });
  return app.RunShowingErrors(errors, [&] { return RunWindows(app, line); });
}
