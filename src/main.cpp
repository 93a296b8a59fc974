// Off-Line Morrowgate: options, the game, then the event loop or the script mode.

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

#include "core/Dialogs.h"
#include "core/EventLog.h"
#include "core/Format.h"
#include "core/GameFolder.h"
#include "core/QtDialogs.h"
#include "replay/Recorder.h"
#include "replay/Recording.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayViewer.h"
#include "replay/Replayer.h"
#include "replay/ShownDialogs.h"
#include "script/ScriptRunner.h"
#include "shell/Game.h"
#include "shell/GameApplication.h"

namespace {

struct CommandLine {
  GameOptions game;
  std::optional<std::string> script;
  std::optional<std::filesystem::path> record;
  std::optional<std::filesystem::path> replay;
  bool check = false;
  double speed = 1;
  std::filesystem::path snapDir = ".";
  std::optional<std::filesystem::path> root;
  bool help = false;
  bool version = false;
  std::optional<Language> language;
};

constexpr const char* kUsage =
    "usage: morrowgate [--lang ru|en] [--root DIR] [--seed N] [--hour H] [--record FILE]\n"
    "                  [--script FILE|- [--snapdir DIR]]\n"
    "       morrowgate --replay FILE [--check | --speed X]\n"
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
    "  --record FILE  record the session to FILE (real windows are always recorded, into\n"
    "                 the replays folder below, the newest ten kept)\n"
    "  --replay FILE  show a recorded session again in real windows\n"
    "  --speed X      ... X times as fast (default 1)\n"
    "  --check        replay without windows, in a temporary folder, and print whether it\n"
    "                 ends as recorded\n"
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
    if (option == "--check") {
      line.check = true;
      continue;
    }
    if (i + 1 >= argc) Usage("missing value after " + option);
    const std::string value = argv[++i];
    if (option == "--script") {
      line.script = value;
    } else if (option == "--record") {
      line.record = value;
    } else if (option == "--replay") {
      line.replay = value;
    } else if (option == "--speed") {
      const auto speed = ParseFloat(value);
      if (!speed || *speed <= 0 || *speed > 1000) Usage("bad speed: " + value);
      line.speed = *speed;
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
  if (line.replay && (line.script || line.record))
    Usage("--replay goes without --script and --record");
  if (line.check && !line.replay) Usage("--check goes with --replay");
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
  std::printf("Pictures and sounds: %s\nSaves: %s\nRecordings: %s\n", folder.Root().c_str(),
              folder.Saves().c_str(), RecordingsFolder(folder.Saves()).c_str());
  std::printf(
      "\nSaves stay in the game folder's save/ while it may be written there (a build's\n"
      "folder, --root DIR); an installed copy keeps them in the player's data folder,\n"
      "$XDG_DATA_HOME/morrowgate (by default ~/.local/share/morrowgate), made on the\n"
      "first save.\n"
      "\nEvery session in real windows is recorded into the recordings folder (the newest\n"
      "ten are kept). When something goes wrong, attach the newest recording to your bug\n"
      "report: 'morrowgate --replay FILE' shows anyone exactly what happened.\n");
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

// A session's recording: to the file --record names, else, for real windows, to a
// new file of the replays folder (kept among the newest ten; an empty one goes).
class SessionRecording {
 public:
  SessionRecording(Game& game, const CommandLine& line) : game_(game) {
    if (line.record) {
      path_ = *line.record;
    } else if (!line.script) {
      const auto folder = RecordingsFolder(game.folder.Saves());
      std::error_code error;
      std::filesystem::create_directories(folder, error);
      if (error) return;
      path_ = NewRecordingPath(folder, std::time(nullptr), getpid());
      rotating_ = true;
    } else {
      return;
    }
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_) {
      if (line.record) throw std::runtime_error("cannot write the recording " + path_.string());
      return;
    }
    recorder_ = std::make_unique<Recorder>(game, out_);
  }

  ~SessionRecording() {
    if (!recorder_) return;
    recorder_->Finish();
    out_.close();
    if (!rotating_) return;
    std::error_code error;
    if (recorder_->Inputs() == 0) std::filesystem::remove(path_, error);
    KeepNewestRecordings(path_.parent_path());
  }
  SessionRecording(const SessionRecording&) = delete;
  SessionRecording& operator=(const SessionRecording&) = delete;

  // Once the game has started: the seed is drawn then.
  void Start() {
    if (recorder_) recorder_->Start(MG_VERSION, game_.StartHour());
  }

 private:
  Game& game_;
  std::filesystem::path path_;
  std::ofstream out_;
  std::unique_ptr<Recorder> recorder_;
  bool rotating_ = false;
};

// What a recording must say is fixed before the game starts.
void FixSeedAndHour(GameOptions& options) {
  if (!options.seed) options.seed = static_cast<std::uint32_t>(std::time(nullptr));
  if (!options.hour) options.hour = LocalHour();
}

int RunScript(GameApplication& app, CommandLine& line, EventLog& out) {
  if (line.record) FixSeedAndHour(line.game);
  Game game(line.game, &out);
  app.SetGame(&game);
  SessionRecording recording(game, line);
  game.Start();
  recording.Start();
  ScriptRunner runner(game, line.snapDir);
  if (*line.script == "-") return runner.Run(std::cin, std::cerr);
  std::ifstream file(*line.script);
  if (!file) {
    std::fprintf(stderr, "morrowgate: cannot read %s\n", line.script->c_str());
    return 2;
  }
  return runner.Run(file, std::cerr);
}

int RunWindows(GameApplication& app, CommandLine& line) {
  FixSeedAndHour(line.game);
  Game game(line.game, nullptr);
  app.SetGame(&game);
  SessionRecording recording(game, line);
  game.Start();
  recording.Start();
  return app.exec();
}

// The recording, or why it cannot be replayed here.
std::variant<Recording, std::string> LoadRecording(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot read " + path.string();
  auto read = ReadRecording(in);
  if (const auto* recording = std::get_if<Recording>(&read)) {
    if (recording->version != MG_VERSION) {
      return "recorded by version " + recording->version + ", this is version " + MG_VERSION;
    }
  }
  return read;
}

// The game a replay plays on: the recording's options, saves in a temporary folder.
GameOptions ReplayOptions(const Recording& recording, const CommandLine& line,
                          const QTemporaryDir& saves) {
  GameOptions options = line.game;
  options.saves = LocalPath(saves.filePath("save"));
  options.unwritableSaves.clear();
  options.seed = recording.seed;
  options.hour = recording.hour;
  options.language = recording.language;
  return options;
}

int RunReplay(GameApplication& app, const CommandLine& line) {
  auto loaded = LoadRecording(*line.replay);
  if (const auto* why = std::get_if<std::string>(&loaded)) {
    std::printf("replay: cannot replay: %s\n", why->c_str());
    return 2;
  }
  const Recording& recording = std::get<Recording>(loaded);
  const QTemporaryDir saves;
  if (!saves.isValid()) {
    std::printf("replay: cannot replay: no temporary folder\n");
    return 2;
  }
  NullLog quiet;
  StdoutLog shown;
  ShownDialogs boxes(shown);
  GameOptions options = ReplayOptions(recording, line, saves);
  if (!line.check) options.recordingDialogs = &boxes;
  Game game(options, line.check ? static_cast<EventLog*>(&quiet) : &shown);
  app.SetGame(&game);
  game.Start();
  if (line.check) {
    Replayer replayer(game, recording);
    const auto difference = replayer.RunAll();
    std::printf("%s\n", replayer.Verdict(difference).c_str());
    return difference ? 1 : 0;
  }
  ReplayViewer viewer(game, recording, boxes, line.speed);
  viewer.Start();
  app.exec();
  return viewer.ExitCode();
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
  const bool headless = line.script || line.check;
  if (headless) {
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
  if (line.replay) {
    StdoutLog out;
    RecordingDialogs errors(out);
    QtDialogs boxes([](bool) {}, [] { return false; });
    return app.RunShowingErrors(line.check ? static_cast<Dialogs&>(errors) : boxes,
                                [&] { return RunReplay(app, line); });
  }
  if (line.script) {
    StdoutLog out;
    RecordingDialogs errors(out);
    return app.RunShowingErrors(errors, [&] { return RunScript(app, line, out); });
  }
  // When start-up fails there is no game left to pause or to ask.
  QtDialogs errors([](bool) {}, [] { return false; });
  return app.RunShowingErrors(errors, [&] { return RunWindows(app, line); });
}
