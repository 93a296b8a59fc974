#include "replay/Recorder.h"

#include <QLineEdit>

#include "replay/Recording.h"
#include "replay/SaveSnapshot.h"
#include "replay/StateDigest.h"
#include "shell/Game.h"
#include "shell/NickUnit.h"
#include "shell/SaveGame.h"

namespace {
// The login's button: its handler reads the nick's save files.
constexpr const char* kLogin = "click TForm4.Button";
}  // namespace

Recorder::Recorder(Game& game, std::ostream& out, int digestEvery)
    : game_(game), out_(out), digestEvery_(digestEvery > 0 ? digestEvery : kDigestEvery) {}

Recorder::~Recorder() {
  if (recording_) game_.input.SetObserver(nullptr);
}

void Recorder::Start(const std::string& version, int hour) {
  Write(RecordingHeader(version, game_.options.language, hour, game_.random.SeedUsed()));
  game_.input.SetObserver(this);
  recording_ = true;
}

void Recorder::Finish() {
  if (!recording_) return;
  game_.input.SetObserver(nullptr);
  recording_ = false;
  Write("end " + std::to_string(inputs_) + " " + DigestOf(game_).Text() + "\n");
}

void Recorder::Began(const std::string& line) {
  ++inputs_;
  std::string text;
  // A replay finds the saves as this login found them, whatever happened to them since.
  if (line == kLogin && game_.form4) {
    const std::string nick = game_.form4->Edit1->text().toStdString();
    // The folder the login is about to read: an older copy's unwritable one may hold the nick.
    ChooseSaveFolder(game_, nick);
    for (const SavedFile& file : NickFiles(game_.folder.Saves(), nick)) text += FileLine(file);
  }
  Write(text + line + "\n");
}

void Recorder::Note(const std::string& line) { Write(line + "\n"); }

void Recorder::Ended() {
  if (inputs_ % digestEvery_ == 0)
    Write("digest " + std::to_string(inputs_) + " " + DigestOf(game_).Text() + "\n");
}

void Recorder::Write(const std::string& text) {
  out_ << text;
  out_.flush();
}
