#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/Language.h"
#include "replay/SaveSnapshot.h"
#include "replay/StateDigest.h"

// The recording's text format, version 1 (see the README):
//
//   morrowgate recording 1
//   version 0.5
//   language ru
//   hour 14
//   seed 1765300000
//   file BASE64 Вася.par        a save file as the login found it, before its input
//   paste TForm4.Edit1 Вася     an input, in the script mode's words
//   password yes                what the input before learnt: the password test's
//   answer no                   outcome, an answer
//   tick
//   digest 20 state=… draws=17  the state after input 20
//   end 57 state=…              the last input and the state the session ended in
inline constexpr int kRecordingFormat = 1;
inline constexpr const char* kRecordingMagic = "morrowgate recording";

struct RecordedInput {
  std::string line;
  std::vector<std::string> notes;
  std::vector<SavedFile> files;       // written before the input runs
  std::optional<StateDigest> digest;  // the state after it
};

struct Recording {
  std::string version;
  Language language = Language::Russian;
  int hour = 0;
  std::uint32_t seed = 0;
  std::vector<RecordedInput> inputs;
  std::optional<StateDigest> end;  // none when the session did not end (a crash)
};

// The recording, or why it cannot be read.
std::variant<Recording, std::string> ReadRecording(std::istream& in);

// The header lines and the lines of a save file, as the recorder writes them.
std::string RecordingHeader(const std::string& version, Language language, int hour,
                            std::uint32_t seed);
std::string FileLine(const SavedFile& file);
