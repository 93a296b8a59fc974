#include "replay/Replayer.h"

#include <QLineEdit>

#include "shell/Game.h"
#include "shell/NickUnit.h"

namespace {

constexpr const char* kLogin = "click TForm4.Button";

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : ", ") + word;
  return text.empty() ? "nothing" : text;
}

}  // namespace

Replayer::Replayer(Game& game, const Recording& recording)
    : game_(game), recording_(recording), runner_(game, ".") {
  game_.input.SetObserver(this);
  game_.input.SetClosed(true);
}

Replayer::~Replayer() {
  game_.input.SetObserver(nullptr);
  game_.input.SetClosed(false);
}

const RecordedInput* Replayer::Next() const { return Done() ? nullptr : &recording_.inputs[next_]; }

std::optional<std::string> Replayer::RunAll() {
  while (!Done()) {
    if (auto difference = Step()) return difference;
  }
  return std::nullopt;
}

std::optional<std::string> Replayer::Step() {
  if (Done()) return std::nullopt;
  const RecordedInput& input = recording_.inputs[next_++];
  if (game_.Quitting()) {
    finished_ = true;
    return "the game ended before " + input.line;
  }
  if (auto difference = Run(input)) {
    finished_ = true;
    return difference;
  }
  if (Done()) return CompareEnd();
  return std::nullopt;
}

void Replayer::Prepare(const RecordedInput& input) {
  for (const std::string& note : input.notes) {
    const bool yes = note.ends_with(" yes");
    if (note.starts_with("answer ") && game_.recordingDialogs())
      game_.recordingDialogs()->QueueAnswer(yes);
    if (note.starts_with("password ")) game_.input.QueueSecret(yes);
  }
  // The login finds the saves the recorded login found.
  if (input.line == kLogin)
    RestoreNickFiles(game_.folder.Saves(), game_.form4->Edit1->text().toStdString(), input.files);
}

std::optional<std::string> Replayer::Run(const RecordedInput& input) {
  Prepare(input);
  began_.clear();
  notes_.clear();
  std::optional<std::string> failure;
  game_.input.Admit([&] {
    try {
      if (!game_.input.RunTimed(input.line)) runner_.Execute(input.line);
    } catch (const ScriptError& error) {
      failure = input.line + ": " + error.what();
    } catch (const std::exception& error) {
      // What a handler throws is shown and the game goes on, as it did when recorded.
      game_.dialogs.Error(error.what());
    }
  });
  if (failure) return failure;
  if (auto difference = Compare(input)) return difference;
  if (!game_.Quitting()) game_.RefreshLabels();
  return std::nullopt;
}

std::optional<std::string> Replayer::Compare(const RecordedInput& input) {
  if (began_.empty()) return input.line + " did nothing (the control is disabled or hidden)";
  if (began_.size() > 1 || began_.front() != input.line)
    return input.line + " ran as " + Joined(began_);
  if (notes_ != input.notes) {
    return input.line + ": the recording says " + Joined(input.notes) + ", the replay " +
           Joined(notes_);
  }
  if (!input.digest) return std::nullopt;
  const std::vector<std::string> differing = input.digest->Differing(DigestOf(game_));
  if (differing.empty()) {
    lastSame_ = next_;
    return std::nullopt;
  }
  // The digests come every few inputs: the first difference lies after the last match.
  return Joined(differing) + " differ after " + input.line + " (the same after event " +
         std::to_string(lastSame_) + ")";
}

std::optional<std::string> Replayer::CompareEnd() {
  finished_ = true;
  if (!recording_.end) return std::nullopt;
  const std::vector<std::string> differing = recording_.end->Differing(DigestOf(game_));
  if (differing.empty()) return std::nullopt;
  return Joined(differing) + " differ at the end";
}

std::string Replayer::Verdict(const std::optional<std::string>& difference) const {
  if (difference) return "replay: differs at event " + std::to_string(next_) + ": " + *difference;
  return "replay: " + std::to_string(recording_.inputs.size()) + " events, same end";
}
