#include "shell/Game.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <algorithm>
#include <ctime>

#include "character/PersUnit.h"
#include "core/Json.h"
#include "core/QtDialogs.h"
#include "core/QtSoundPlayer.h"
#include "fight/MGUnit.h"
#include "inventory/StockUnit.h"
#include "replay/NotedDialogs.h"
#include "shell/HelpWindow.h"
#include "shell/NickUnit.h"
#include "shell/Question.h"
#include "shop/BuyUnit.h"
#include "state/MemberTable.h"
#include "state/SaveFiles.h"
#include "world/StartUnit.h"

namespace {
constexpr const char* kApplicationTitle = "Off-Line Morrowgate";
}

Game::Game(GameOptions opts, EventLog* record)
    : options(std::move(opts)),
      translation(options.language),
      folder(options.root, options.saves, options.unwritableSaves),
      files(options.files ? *options.files : Disk()),
      log(record ? *record : *(ownLog_ = std::make_unique<NullLog>())),
      dialogs(MakeDialogs(record)),
      sound(state.Sound, MakePlayer(record)) {
  BindGameState();
}

Game::~Game() { DestroyScreens(); }

Dialogs& Game::MakeDialogs(EventLog* record) {
  Dialogs* shown = nullptr;
  if (record) {
    recordingDialogs_ = options.recordingDialogs;
    if (!recordingDialogs_) {
      ownRecordingDialogs_ = std::make_unique<RecordingDialogs>(*record);
      recordingDialogs_ = ownRecordingDialogs_.get();
    }
    shown = recordingDialogs_;
  } else {
    realDialogs_ = std::make_unique<QtDialogs>([this](bool paused) { SetTimersPaused(paused); },
                                               [this] { return form6->Ask(); });
    shown = realDialogs_.get();
  }
  notedDialogs_ = std::make_unique<NotedDialogs>(*shown, input);
  return *notedDialogs_;
}

SoundPlayer& Game::MakePlayer(EventLog* record) {
  if (record) {
    player_ = std::make_unique<RecordingSoundPlayer>(*record);
  } else {
    // The shopkeeper speaks the game's language where the English phrases were made.
    player_ = std::make_unique<QtSoundPlayer>(
        folder, options.language == Language::English ? "sound\\en\\" : "");
  }
  return *player_;
}

void Game::BindGameState() {
  for (const MemberInfo& info : GameStateMembers()) {
    const std::string name = std::string("GameState.") + info.key;
    std::visit([&](auto member) { bindings.Bind(name, state.*member); }, info.member);
  }
}

void Game::Start() {
  SetTitle(kApplicationTitle);
  // The order of creation is the game's: login, menu, shop, inventory, fight,
  // confirmation, character.
  form4 = new TForm4(*this);
  form3 = new TForm3(*this);
  form2 = new TForm2(*this);
  form5 = new TForm5(*this);
  form1 = new TForm1(*this);
  form6 = new TForm6(*this);
  form7 = new TForm7(*this);
  help = new HelpWindow(*this);
  // A new character unchanged is nothing to lose.
  MarkSaved();
  // The label timers' work runs whenever the event loop is about to sleep: the
  // labels stay exact and an idle game costs nothing. (The script mode runs the
  // loop only inside `wait`, and refreshes after every command besides.)
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                   form5, [this] { RefreshLabels(); });
  form4->show();
}

void Game::DestroyScreens() {
  // In reverse order of creation.
  delete help;
  help = nullptr;
  delete form7;
  delete form6;
  delete form1;
  delete form5;
  delete form2;
  delete form3;
  delete form4;
  form1 = nullptr;
  form2 = nullptr;
  form3 = nullptr;
  form4 = nullptr;
  form5 = nullptr;
  form6 = nullptr;
  form7 = nullptr;
}

Screen* Game::FindScreen(const std::string& className) const {
  for (Screen* screen :
       {static_cast<Screen*>(form1), static_cast<Screen*>(form2), static_cast<Screen*>(form3),
        static_cast<Screen*>(form4), static_cast<Screen*>(form5), static_cast<Screen*>(form6),
        static_cast<Screen*>(form7), static_cast<Screen*>(help)}) {
    if (screen && screen->objectName().toStdString() == className) return screen;
  }
  return nullptr;
}

void Game::SetTitle(const std::string& title) {
  title_ = title;
  log.Line("title " + JsonQuote(title));
}

void Game::Inform(const std::string& text) { dialogs.Message(title_, MessageIcon::None, text); }

void Game::Refuse(const std::string& caption, const std::string& text) {
  dialogs.Message(caption, MessageIcon::Warning, text);
}

void Game::MarkSaved() {
  savedDigest_ = SavedGameDigest(state, backpack.Lines(), bonusList.Lines());
}

bool Game::ChangedSinceSave() const {
  return SavedGameDigest(state, backpack.Lines(), bonusList.Lines()) != savedDigest_;
}

void Game::Quit() {
  if (quitting_) return;
  quitting_ = true;
  log.Line("exit");
  QCoreApplication::exit(0);
}

void Game::ShowHelp() {
  if (!help) return;
  help->show();
  help->raise();
  help->activateWindow();
}

void Game::SetTimersPaused(bool paused) {
  pauses_ = paused ? pauses_ + 1 : std::max(pauses_ - 1, 0);
  if (form3) form3->SetClockRunning(!TimersPaused());
  // A box or the help over the fight stops the auto-fight, as a key would.
  if (paused && form1) form1->StopAutoFight();
}

void Game::RefreshLabels() {
  if (TimersPaused() || quitting_) return;
  if (form5) form5->TimerTimer();
  if (form7) form7->TimerTimer();
}

int Game::StartHour() const { return options.hour ? *options.hour : LocalHour(); }

int LocalHour() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_hour;
}
