#include "replay/Recording.h"

#include <QByteArray>
#include <set>

#include "core/Format.h"

namespace {

// The commands a recorded input may be.
const std::set<std::string> kInputCommands = {"click", "select", "paste", "type", "key",
                                              "close", "tick",   "draws", "set",  "step"};
const std::set<std::string> kNotes = {"answer", "password"};

std::pair<std::string, std::string> SplitWord(const std::string& line) {
  const auto blank = line.find(' ');
  if (blank == std::string::npos) return {line, ""};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

class Reader {
 public:
  explicit Reader(std::istream& in) : in_(in) {}

  std::variant<Recording, std::string> Read() {
    std::string line;
    const std::string magic = std::string(kRecordingMagic) + " ";
    if (!Next(line) || !line.starts_with(magic)) return "not a recording";
    const auto format = ParseInt(line.substr(magic.size()));
    if (!format) return "not a recording";
    if (*format != kRecordingFormat) {
      return "recording format " + std::to_string(*format) + ", this game reads format " +
             std::to_string(kRecordingFormat);
    }
    if (auto problem = ReadHeader()) return *problem;
    while (Next(line)) {
      if (auto problem = Take(line)) return "line " + std::to_string(number_) + ": " + *problem;
    }
    if (!pendingFiles_.empty()) return "save files after the last input";
    return std::move(recording_);
  }

 private:
  bool Next(std::string& line) {
    while (std::getline(in_, line)) {
      ++number_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line.front() != '#') return true;
    }
    return false;
  }

  std::optional<std::string> ReadHeader() {
    std::string line;
    for (const char* key : {"version", "language", "hour", "seed"}) {
      if (!Next(line)) return std::string("the header ends early");
      const auto [word, value] = SplitWord(line);
      if (word != key) return "line " + std::to_string(number_) + ": " + key + " expected";
      if (word == "version") recording_.version = value;
      if (word == "language") {
        const auto language = ParseLanguage(value);
        if (!language) return "unknown language " + value;
        recording_.language = *language;
      }
      const auto number = ParseInt(value);
      if (word == "hour" && (!number || *number < 0 || *number > 23)) return "bad hour " + value;
      if (word == "hour") recording_.hour = *number;
      if (word == "seed" && (!number || *number < 0)) return "bad seed " + value;
      if (word == "seed") recording_.seed = static_cast<std::uint32_t>(*number);
    }
    return std::nullopt;
  }

  std::optional<std::string> Take(const std::string& line) {
    if (recording_.end) return std::string("more after the end");
    const auto [word, rest] = SplitWord(line);
    auto& inputs = recording_.inputs;
    if (kInputCommands.count(word)) {
      inputs.push_back({line, {}, std::move(pendingFiles_), std::nullopt});
      pendingFiles_.clear();
      return std::nullopt;
    }
    if (word == "file") return TakeFile(rest);
    if (inputs.empty()) return word + " before the first input";
    if (kNotes.count(word)) {
      inputs.back().notes.push_back(line);
      return std::nullopt;
    }
    if (word == "digest" || word == "end") {
      const auto [count, text] = SplitWord(rest);
      const auto digest = StateDigest::Parse(text);
      if (!digest || ParseInt(count) != static_cast<int>(inputs.size())) {
        return word + " does not follow input " + count;
      }
      (word == "end" ? recording_.end : inputs.back().digest) = digest;
      return std::nullopt;
    }
    return "unknown line: " + word;
  }

  std::optional<std::string> TakeFile(const std::string& rest) {
    const auto [data, path] = SplitWord(rest);
    if (!SafeSavePath(path)) return "a save file outside the save folder: " + path;
    const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(data),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return "a save file that is not base64: " + path;
    pendingFiles_.push_back({path, decoded.decoded.toStdString()});
    return std::nullopt;
  }

  std::istream& in_;
  int number_ = 0;
  Recording recording_;
  std::vector<SavedFile> pendingFiles_;
};

}  // namespace

std::variant<Recording, std::string> ReadRecording(std::istream& in) { return Reader(in).Read(); }

std::string RecordingHeader(const std::string& version, Language language, int hour,
                            std::uint32_t seed) {
  return std::string(kRecordingMagic) + " " + std::to_string(kRecordingFormat) + "\nversion " +
         version + "\nlanguage " + (language == Language::English ? "en" : "ru") + "\nhour " +
         std::to_string(hour) + "\nseed " + std::to_string(seed) + "\n";
}

std::string FileLine(const SavedFile& file) {
  return "file " + QByteArray::fromStdString(file.bytes).toBase64().toStdString() + " " +
         file.path + "\n";
}
