#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "replay/Recorder.h"
#include "replay/Recording.h"
#include "replay/Replayer.h"
#include "shell/Screen.h"
#include "support/Keys.h"
#include "support/TestGame.h"
#include "widgets/ListBox.h"
#include "widgets/PictureBox.h"

// Real mouse clicks and keys, as a player makes them.
inline void Click(QWidget* control) {
  // A check box takes clicks on its box and caption, not its whole frame.
  const QPoint at = qobject_cast<QCheckBox*>(control) ? QPoint(8, control->height() / 2)
                                                      : control->rect().center();
  QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

inline void ClickRow(ListBox* list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

inline void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  for (const QChar c : text) TypeKey(edit->window(), c);
}

// A recorded session on a TestGame, and its replay on a fresh game in a folder of
// its own.
class Replays : public TestGame {
 protected:
  void StartRecorded(std::uint32_t seed = 7) {
    Start(seed, 12);
    out = std::make_unique<std::ostringstream>();
    recorder = std::make_unique<Recorder>(*game, *out, 10);
    recorder->Start("test", 12);
  }
  // The recording so far, ended.
  std::string Finish() {
    recorder->Finish();
    recorder.reset();
    return out->str();
  }
  void Tick() { game->input.RunTimed("tick"); }

  // The one-line verdict of replaying `text` headless.
  static std::string Replay(const std::string& text) {
    std::istringstream in(text);
    auto read = ReadRecording(in);
    if (auto* why = std::get_if<std::string>(&read)) return "cannot replay: " + *why;
    const Recording& recording = std::get<Recording>(read);
    const auto folder = std::filesystem::temp_directory_path() /
                        ("mg-replay-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::remove_all(folder);
    GameOptions options;
    options.root = folder;
    options.seed = recording.seed;
    options.hour = recording.hour;
    options.language = recording.language;
    std::string verdict;
    {
      VectorLog log;
      Game replayed(options, &log);
      replayed.Start();
      Replayer replayer(replayed, recording);
      verdict = replayer.Verdict(replayer.RunAll());
    }
    std::filesystem::remove_all(folder);
    return verdict;
  }

  std::unique_ptr<std::ostringstream> out;
  std::unique_ptr<Recorder> recorder;
};
