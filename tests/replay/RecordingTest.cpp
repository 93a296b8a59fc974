#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "replay/InputGate.h"
#include "replay/Recording.h"
#include "replay/ReplayFolder.h"
#include "replay/SaveSnapshot.h"

namespace {

class Seen : public InputObserver {
 public:
  void Began(const std::string& line) override { lines.push_back(line); }
  void Note(const std::string& line) override { lines.push_back("  " + line); }
  void Ended() override { lines.push_back("."); }
  std::vector<std::string> lines;
};

std::string Header() { return RecordingHeader("0.5", Language::Russian, 12, 5); }

std::string ReadProblem(const std::string& text) {
  std::istringstream in(text);
  auto read = ReadRecording(in);
  const auto* why = std::get_if<std::string>(&read);
  return why ? *why : "";
}

}  // namespace

TEST(InputGate, SeesOnlyTheOutermostInputAndAClosedGateOnlyWhatItAdmits) {
  InputGate gate;
  Seen seen;
  gate.SetObserver(&seen);
  int runs = 0;
  const auto tick = gate.Timed("tick", [&] { ++runs; });
  gate.Run([] { return "click A"; },
           [&] {
             gate.Run([] { return "click B"; }, [&] { ++runs; });  // the program's own
             gate.Note("answer yes");
             EXPECT_TRUE(gate.Secret("password", true));
           });
  tick();
  EXPECT_EQ(seen.lines, (std::vector<std::string>{"click A", "  answer yes", "  password yes", ".",
                                                  "tick", "."}));

  gate.SetClosed(true);
  tick();  // a real timer during a replay
  EXPECT_EQ(runs, 2);
  gate.QueueSecret(false);
  gate.Admit([&] {
    EXPECT_TRUE(gate.RunTimed("tick"));
    gate.Run([] { return "click C"; }, [&] { EXPECT_FALSE(gate.Secret("password", true)); });
  });
  EXPECT_EQ(runs, 3);
  EXPECT_FALSE(gate.RunTimed("step TForm1.Unknown"));
}

TEST(ReadRecording, ReadsItsOwnLinesAndRefusesWhatItCannotReplay) {
  const SavedFile save{"backup/Вася 1.1.par", std::string("a\0b\r\n", 5)};
  const std::string good = Header() + FileLine(save) +
                           "click TForm4.Button\npassword yes\ntick\ndigest 2 state=1 draws=3\n"
                           "end 2 state=1 draws=4\n";
  std::istringstream in(good);
  const Recording recording = std::get<Recording>(ReadRecording(in));
  EXPECT_EQ(recording.seed, 5u);
  ASSERT_EQ(recording.inputs.size(), 2u);
  EXPECT_EQ(recording.inputs[0].files.at(0).path, save.path);
  EXPECT_EQ(recording.inputs[0].files.at(0).bytes, save.bytes);
  EXPECT_EQ(recording.inputs[0].notes, std::vector<std::string>{"password yes"});
  EXPECT_EQ(recording.inputs[1].digest->Differing(*StateDigest::Parse("state=1 draws=4")),
            std::vector<std::string>{"draws"});

  const std::pair<std::string, std::string> bad[] = {
      {"", "not a recording"},
      {"morrowgate recording 2\n", "recording format 2, this game reads format 1"},
      {"morrowgate recording 1\nversion 0.5\n", "the header ends early"},
      {Header() + "answer yes\n", "answer before the first input"},
      {Header() + "file QUJD ../../.bashrc\ntick\n", "outside the save folder"},
      {Header() + "file QUJD /etc/passwd\ntick\n", "outside the save folder"},
      {Header() + "file !!! a.par\ntick\n", "not base64"},
      {Header() + "tick\ndigest 7 state=1\n", "digest does not follow input 7"},
      {Header() + "tick\nend 1 state=1\ntick\n", "more after the end"},
      {Header() + "tick\nrm -rf /\n", "unknown line: rm"},
  };
  for (const auto& [text, problem] : bad)
    EXPECT_NE(ReadProblem(text).find(problem), std::string::npos) << text << ReadProblem(text);
}

TEST(ReplayFolder, KeepsTheNewestRecordingsOnly) {
  const auto folder = std::filesystem::temp_directory_path() / "mg-replays-kept";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  for (int minute = 0; minute < 14; ++minute)
    std::ofstream(NewRecordingPath(folder, 1765300000 + 60 * minute, 42)) << "x";
  std::ofstream(folder / "notes.txt") << "mine";
  KeepNewestRecordings(folder);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  ASSERT_EQ(left.size(), kRecordingsKept + 1);
  EXPECT_EQ(left.back(), "notes.txt");
  EXPECT_EQ(left.front(), NewRecordingPath("", 1765300000 + 60 * 4, 42).string());
  std::filesystem::remove_all(folder);
}
