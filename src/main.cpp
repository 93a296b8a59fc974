// Off-Line Morrowgate: options, the game, then the event loop or the script mode.

#include <QCoreApplication>
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
#include "core/GameFolder.h"
#include "core/QtDialogs.h"
#include "script/ScriptRunner.h"
#include "shell/Game.h"
#include "shell/GameApplication.h"

namespace {

struct CommandLine {
  GameOptions game;
  std::optional<std::string> script;
  std::filesystem::path snapDir = ".";
  std::optional<std::filesystem::path> root;
  bool help = false;
  bool version = false;
  std::optional<Language> language;
};

constexpr const char* kUsage =
    "usage: morrowgate [--lang ru|en] [--root DIR] [--seed N] [--hour H] [--script FILE|- "
    "[--snapdir DIR]]\n"
    "       morrowgate --help | --version\n";

constexpr const char* kOptions =
    "\n"
    "  --lang ru|en   the game's language; without it the first of Russian or English among\n"
    "                 the system's languages, else Russian (the script mode: Russian)\n"
    "  --root DIR     the game folder: pictures, sounds and saves (default: the build's\n"
    "                 game/ beside the program, or the installed data)\n"
    "  --seed N       seed the random generator with N instead of the clock\n"
    "  --hour H       the hour of the day start-up reads (0-23)\n"
    "  --script FILE  play from a file of commands instead of the mouse (- = standard input)\n"
    "  --snapdir DIR  where the script mode's snap writes its pictures\n"
    "  --help         show this help and where the saves are\n"
    "  --version      show the version\n";

[[noreturn]] void Usage(const std::string& why) {
  std::fprintf(stderr, "morrowgate: %s\n%s", why.c_str(), kUsage);
  std::exit(2);
}

CommandLine ParseCommandLine(int argc, char** argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      line.help = true;
      continue;
    }
    if (option == "--version") {
      line.version = true;
      continue;
    }
    if (i + 1 >= argc) Usage("missing value after " + option);
    const std::string value = argv[++i];
    if (option == "--script") {
      line.script = value;
    } else if (option == "--lang") {
      line.language = ParseLanguage(value);
      if (!line.language) Usage("unknown language: " + value);
    } else if (option == "--root") {
      line.root = value;
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

std::filesystem::path LocalPath(const QString& path) {
  return std::filesystem::u8path(path.toStdString());
}

// The game folder of this run, from the options and the places around the program;
// needs the application object for the program's own folder.
GameFolder LocateFolder(const CommandLine& line) {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  GamePlaces places;
  places.root = line.root;
  places.besideExecutable = LocalPath(programFolder.filePath("game"));
  places.installedData = LocalPath(QDir::cleanPath(programFolder.filePath(MG_DATA_FROM_PROGRAM)));
  places.playerData = PlayerDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                                       QCoreApplication::applicationName().toStdString());
  const auto folder = LocateGameFolder(places);
  if (!folder) {
    std::fprintf(stderr,
                 "morrowgate: no folder for saves: they belong in the player's data folder, and "
                 "neither HOME nor an absolute XDG_DATA_HOME names one. Set one of them, or "
                 "give a game folder you may write in with --root DIR.\n");
    std::exit(1);
  }
  return *folder;
}

void PrintHelp(const GameFolder& folder) {
  std::printf("%s%s\n", kUsage, kOptions);
  std::printf("Pictures and sounds: %s\nSaves: %s\n", folder.Root().c_str(),
              folder.Saves().c_str());
  std::printf(
      "\nSaves stay in the game folder's save/ while it may be written there (a build's\n"
      "folder, --root DIR); an installed copy keeps them in the player's data folder,\n"
      "$XDG_DATA_HOME/morrowgate (by default ~/.local/share/morrowgate), made on the\n"
      "first save.\n");
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
  // Names the player's data folder, whatever the program file is called.
  QCoreApplication::setApplicationName("morrowgate");
  QCoreApplication::setApplicationVersion(MG_VERSION);
  if (line.version) {
    std::printf("morrowgate %s\n", MG_VERSION);
    return 0;
  }
  if (line.help) {
    const QCoreApplication core(argc, argv);
    PrintHelp(LocateFolder(line));
    return 0;
  }
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
  const GameFolder folder = LocateFolder(line);
  line.game.root = folder.Root();
  line.game.saves = folder.Saves();
  line.game.unwritableSaves = folder.UnwritableSaves();

  // The script mode is a contract read by outside tests: Russian unless told.
  line.game.language = line.language.value_or(line.script ? Language::Russian : SystemLanguage());
  if (line.script) {
    StdoutLog out;
    RecordingDialogs errors(out);
    return app.RunShowingErrors(errors, [&] { return RunScript(app, line, out); });
  }
  // When start-up fails there is no game left to pause or to ask.
  QtDialogs errors([](bool) {}, [] { return false; });
  return app.RunShowingErrors(errors, [&] { return RunWindows(app, line); });
}
