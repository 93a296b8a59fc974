#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/Bindings.h"
#include "core/Dialogs.h"
#include "core/EventLog.h"
#include "core/GameFolder.h"
#include "core/Language.h"
#include "core/Random.h"
#include "core/Sound.h"
#include "replay/InputGate.h"
#include "state/FileOps.h"
#include "state/GameState.h"
#include "state/ItemList.h"
#include "state/NickLock.h"

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class Screen;
class HelpWindow;

struct GameOptions {
  std::filesystem::path root;
  std::filesystem::path saves;            // otherwise the game folder's save/
  std::filesystem::path unwritableSaves;  // the own save/ when saves go elsewhere
  std::optional<std::uint32_t> seed;      // otherwise the clock
  std::optional<int> hour;                // otherwise the local clock
  FileOps* files = nullptr;               // otherwise the real disk
  // With a log: the dialogs that print and answer (a replay's that also show boxes);
  // otherwise plain ones on the log.
  RecordingDialogs* recordingDialogs = nullptr;
  Language language = Language::Russian;
};

// The hour of the local clock now.
int LocalHour();

// Owns GameState, the services and the seven screens; every screen reaches the
// others and the shared state through it.
class Game {
  // Declared first: the service references below are bound to them.
  std::unique_ptr<EventLog> ownLog_;
  std::unique_ptr<SoundPlayer> player_;
  std::unique_ptr<RecordingDialogs> ownRecordingDialogs_;
  RecordingDialogs* recordingDialogs_ = nullptr;
  std::unique_ptr<Dialogs> realDialogs_;
  std::unique_ptr<Dialogs> notedDialogs_;

 public:
  // With `record` the services print or collect what would pop up (script mode,
  // tests) instead of showing real boxes and playing real sounds.
  Game(GameOptions options, EventLog* record);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Start-up: title, the seven screens in their order, the login shown.
  void Start();

  GameOptions options;
  // Every input passes here on its way to its handler.
  InputGate input;
  GameTranslation translation;
  GameState state;
  // The inventory's two lists, saved beside GameState.
  ItemList backpack;
  ItemList bonusList;
  Random random;
  GameFolder folder;
  FileOps& files;     // every file operation of saving and loading
  NickLock nickLock;  // held from the login on, for the nick in play
  EventLog& log;
  Dialogs& dialogs;
  Sound sound;
  Bindings bindings;

  TForm4* form4 = nullptr;
  TForm3* form3 = nullptr;
  TForm2* form2 = nullptr;
  TForm5* form5 = nullptr;
  TForm1* form1 = nullptr;
  TForm6* form6 = nullptr;
  TForm7* form7 = nullptr;
  HelpWindow* help = nullptr;
  // A screen by its class name, or the help window ("HelpWindow").
  Screen* FindScreen(const std::string& className) const;

  // The help window (F1), over the screen that asked for it.
  void ShowHelp();

  // Recording mode only: the confirmation's queued answers.
  RecordingDialogs* recordingDialogs() const { return recordingDialogs_; }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // A plain information box; its caption is the application title.
  void Inform(const std::string& text);
  void Inform(const QString& text) { Inform(text.toStdString()); }
  // Translated texts come as QString from tr(), as std::string from the rules.
  template <typename Caption, typename Text>
  void Refuse(const Caption& caption, const Text& text) {
    Refuse(std::string(StdText(caption)), std::string(StdText(text)));
  }
  // A refusal: exclamation icon and a short caption.
  void Refuse(const std::string& caption, const std::string& text);

  // The game as it stands is what was last saved or loaded (a login, a
  // registration, "Сохранить" that succeeded).
  void MarkSaved();
  // Whether leaving now would lose something a save would keep.
  bool ChangedSinceSave() const;

  // Ends the program; the handler that asks finishes first.
  void Quit();
  bool Quitting() const { return quitting_; }

  // The world clock and the label timers stand still while a modal box or the
  // help is open. Each pause is paired with its end; they may overlap.
  void SetTimersPaused(bool paused);
  bool TimersPaused() const { return pauses_ > 0; }
  // The inventory's and the character screen's label refresh.
  void RefreshLabels();

  // The hour of the day start-up reads: --hour or the local clock.
  int StartHour() const;

 private:
  static std::string StdText(const QString& text) { return text.toStdString(); }
  static std::string StdText(const std::string& text) { return text; }
  static std::string StdText(const char* text) { return text; }

  std::string title_;
  bool quitting_ = false;
  int pauses_ = 0;
  std::uint64_t savedDigest_ = 0;

  Dialogs& MakeDialogs(EventLog* record);
  SoundPlayer& MakePlayer(EventLog* record);
  void BindGameState();
  void DestroyScreens();
};
