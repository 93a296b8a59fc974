#include "state/SaveFiles.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/Cp1251.h"
#include "core/Format.h"
#include "core/Translate.h"
#include "state/SaveDigest.h"
#include "state/ScrambleFile.h"

namespace fs = std::filesystem;

namespace {

bool SameKey(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    // Keys are Latin; case is ignored the way the game's lists ignore it.
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

std::string_view NameOf(std::string_view line) { return line.substr(0, line.find('=')); }

template <typename Lines>
auto FindKey(Lines& lines, std::string_view key) {
  return std::ranges::find_if(lines, [key](const std::string& line) {
    return line.find('=') != std::string::npos && SameKey(NameOf(line), key);
  });
}

std::string CannotRead(const std::string& file) {
  return mg::Fill(mg::translate("SaveFiles", "Файл сохранения %1 не удаётся прочитать."), {file});
}

// Digits with an optional sign: a whole number, though perhaps not one of 32 bits.
bool WholeNumberText(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal number, but one a float cannot hold (1e39), rather than no number at all.
bool BeyondFloat(std::string text) {
  std::ranges::replace(text, ',', '.');
  const char* begin = text.data() + (text.starts_with('+') ? 1 : 0);
  const char* end = text.data() + text.size();
  double value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  return stop == end && begin != end &&
         (error == std::errc::result_out_of_range ||
          (error == std::errc() && std::isfinite(value)));
}

std::optional<std::string> OutsideItsRange(std::string_view key, int value, const std::string& text,
                                           const std::string& mainFile) {
  const auto range = std::ranges::find_if(
      SavedRanges(), [key](const MemberRange& r) { return std::string_view(r.key) == key; });
  if (range == SavedRanges().end() || (value >= range->lowest && value <= range->highest))
    return std::nullopt;
  return DamagedFile(
      mainFile, mg::Fill(mg::translate("SaveFiles", "значение %1 «%2» вне пределов от %3 до %4"),
                         {std::string(key), text, std::to_string(range->lowest),
                          std::to_string(range->highest)}));
}

std::optional<std::string> ReadMember(const NameValueList& values, const MemberInfo& info,
                                      const std::string& mainFile, GameState& state) {
  static const GameState kNewCharacter;
  const std::string text = values.Value(info.key);
  // A key may be missing only where a new character's value is empty (Kolch).
  if (text.empty() && !info.Text(kNewCharacter).empty()) {
    return DamagedFile(mainFile,
                       mg::Fill(mg::translate("SaveFiles", "нет значения %1"), {info.key}));
  }
  const auto notANumber = [&](const std::string& kind) {
    return DamagedFile(mainFile,
                       mg::Fill(mg::translate("SaveFiles", "значение %1 «%2» не является %3"),
                                {info.key, text, kind}));
  };
  const auto tooLarge = [&] {
    return DamagedFile(
        mainFile, mg::Fill(mg::translate("SaveFiles", "значение %1 «%2» вне допустимых пределов"),
                           {info.key, text}));
  };
  if (auto integer = std::get_if<int GameState::*>(&info.member)) {
    const auto number = ParseInt(text);
    if (!number && WholeNumberText(text)) return tooLarge();
    if (!number) return notANumber(mg::translate("SaveFiles", "целым числом"));
    if (const auto problem = OutsideItsRange(info.key, *number, text, mainFile)) return problem;
    state.*(*integer) = *number;
  } else if (auto money = std::get_if<float GameState::*>(&info.member)) {
    const auto number = ParseFloat(text);
    if (!number && BeyondFloat(text)) return tooLarge();
    if (!number) return notANumber(mg::translate("SaveFiles", "числом"));
    // Nothing in the game takes money below zero, so only damage can.
    if (*number < 0) {
      return DamagedFile(
          mainFile,
          mg::Fill(mg::translate("SaveFiles", "значение %1 «%2» меньше нуля"), {info.key, text}));
    }
    state.*(*money) = *number;
  } else {
    state.*std::get<std::string GameState::*>(info.member) = text;
  }
  return std::nullopt;
}

// The game ends every line, the last one too: a file without the end was cut short.
bool EndsComplete(const std::string& plain) { return plain.empty() || plain.ends_with("\r\n"); }

// Fills `lines` or returns what to tell the player.
std::optional<std::string> ReadListFile(const GameFolder& folder, const std::string& gamePath,
                                        std::vector<std::string>& lines, FileOps& files) {
  const fs::path path = folder.Resolve(gamePath);
  if (files.Look(path) == FileOps::Kind::Missing) {
    lines.clear();
    return std::nullopt;
  }
  const auto scrambled = files.Read(path);
  if (!scrambled) return CannotRead(gamePath);
  const std::string plain = ScrambleFile(*scrambled);
  if (!EndsComplete(plain))
    return DamagedFile(gamePath, mg::translate("SaveFiles", "файл обрезан"));
  lines = DecodeLines(plain);
  return std::nullopt;
}

}  // namespace

std::string DamagedFile(const std::string& file, const std::string& why) {
  return mg::Fill(mg::translate("SaveFiles", "Файл сохранения %1 повреждён: %2."), {file, why});
}

std::optional<NameValueList> NameValueList::FromLines(std::vector<std::string> lines) {
  const bool wellFormed = std::ranges::all_of(lines, [](const std::string& line) {
    const auto equals = line.find('=');
    return equals != std::string::npos && equals > 0;
  });
  if (!wellFormed) return std::nullopt;
  NameValueList list;
  list.lines_ = std::move(lines);
  return list;
}

std::vector<std::string>::iterator NameValueList::Find(std::string_view key) {
  return FindKey(lines_, key);
}

std::vector<std::string>::const_iterator NameValueList::Find(std::string_view key) const {
  return FindKey(lines_, key);
}

std::string NameValueList::Value(std::string_view key) const {
  const auto line = Find(key);
  if (line == lines_.end()) return {};
  return line->substr(line->find('=') + 1);
}

void NameValueList::Set(std::string_view key, const std::string& value) {
  const auto line = Find(key);
  if (value.empty()) {
    if (line != lines_.end()) lines_.erase(line);
    return;
  }
  std::string text = std::string(key) + "=" + value;
  if (line != lines_.end()) {
    *line = std::move(text);
  } else {
    lines_.push_back(std::move(text));
  }
}

NameValueList SavedValues(const GameState& state, std::span<const MemberInfo> order,
                          char decimalPoint) {
  NameValueList list;
  for (const MemberInfo& info : order) list.Set(info.key, info.Text(state, decimalPoint));
  return list;
}

std::uint64_t SavedGameDigest(const GameState& state, std::span<const std::string> backpack,
                              std::span<const std::string> bonus) {
  // FNV-1a over every line, each ended by a line feed, which no saved text holds;
  // a form feed between the three files.
  std::uint64_t digest = 14695981039346656037ULL;
  const auto add = [&digest](std::string_view text, char end) {
    for (const char c : text) digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    digest = (digest ^ static_cast<unsigned char>(end)) * 1099511628211ULL;
  };
  const NameValueList values = SavedValues(state, SavedMembers(), '.');
  for (const std::string& line : values.Lines()) add(line, '\n');
  add("", '\f');
  for (const std::string& line : backpack) add(line, '\n');
  add("", '\f');
  for (const std::string& line : bonus) add(line, '\n');
  return digest;
}

bool FitsSaveFile(std::string_view text) {
  const bool control =
      std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return !control && FitsCp1251(text);
}

std::optional<std::string> EncodeLines(std::span<const std::string> lines) {
  // Room for the UTF-8 lengths, at least as long as the single bytes: a long list
  // is never copied while it grows, and the room left over is never touched.
  std::size_t room = 0;
  for (const std::string& line : lines) room += line.size() + 2;
  std::string bytes;
  bytes.reserve(room);
  for (const std::string& line : lines) {
    const auto encoded = Utf8ToCp1251(line);
    if (!encoded) return std::nullopt;
    bytes += *encoded;
    bytes += "\r\n";
  }
  return bytes;
}

std::vector<std::string> DecodeLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const auto stop = std::find_if(bytes.begin() + start, bytes.end(),
                                   [](char c) { return c == '\r' || c == '\n'; });
    const std::size_t end = stop - bytes.begin();
    lines.push_back(Cp1251ToUtf8(bytes.substr(start, end - start)));
    start = end;
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

bool NickNamesFiles(std::string_view nick) {
  return !nick.empty() &&
         nick.find_first_of(std::string_view(kNotInFileNames, std::size(kNotInFileNames))) ==
             std::string_view::npos;
}

SaveFileNames SaveFilesOf(const std::string& nick) {
  const std::string stem = "save\\" + nick;
  return {stem + ".par", stem + ".l1",   stem + ".l2", stem + ".commit",
          nick,          stem + ".lock", stem + ".sum"};
}

std::vector<std::string> SavedNicks(const GameFolder& folder, FileOps& files) {
  std::vector<std::string> nicks;
  // A save cut off before its main file was first renamed in has only its mark; a
  // main file lost beside its digest still names the nick.
  for (const std::string& name :
       files.List(folder.Resolve("save")).value_or(std::vector<std::string>{})) {
    for (const std::string_view suffix : {".par", ".commit", ".sum"}) {
      if (name.size() > suffix.size() && name.ends_with(suffix)) {
        nicks.push_back(name.substr(0, name.size() - suffix.size()));
      }
    }
  }
  std::ranges::sort(nicks);
  nicks.erase(std::unique(nicks.begin(), nicks.end()), nicks.end());
  return nicks;
}

SaveFileBytes ReadSaveFiles(const GameFolder& folder, const SaveFileNames& names, FileOps& files) {
  SaveFileBytes bytes;
  const auto paths = names.Files();
  for (std::size_t i = 0; i < paths.size(); ++i)
    bytes.files[i] = files.Read(folder.Resolve(*paths[i]));
  if (!names.digest.empty()) bytes.digest = files.Read(folder.Resolve(names.digest));
  return bytes;
}

std::optional<std::string> DamageOfFiles(const SaveFileNames& names, const SaveFileBytes& bytes) {
  const auto paths = names.Files();
  if (bytes.digest) {
    if (const auto differing = FileDifferingFromDigest(*bytes.digest, bytes.files)) {
      const bool missing = !bytes.files[*differing];
      return DamagedFile(
          *paths[*differing],
          missing ? mg::translate("SaveFiles", "файла нет или он не читается")
                  : mg::translate("SaveFiles", "он изменился после того, как игра его записала"));
    }
  }
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (bytes.files[i] &&
        ScrambleFile(*bytes.files[i]).find(kUnusedCp1251Byte) != std::string::npos)
      return DamagedFile(
          *paths[i],
          mg::translate("SaveFiles", "в нём есть байт, которого нет в кодировке сохранений"));
  }
  return std::nullopt;
}

OpenedMainFile OpenMainFile(const GameFolder& folder, const SaveFileNames& names, FileOps& files) {
  using Kind = OpenedMainFile::Kind;
  const fs::path path = folder.Resolve(names.main);
  if (files.Look(path) == FileOps::Kind::Missing) return {};
  const auto scrambled = files.Read(path);
  if (!scrambled) return {Kind::Unreadable, true, {}, CannotRead(names.main)};
  const std::string plain = ScrambleFile(*scrambled);
  auto values = NameValueList::FromLines(DecodeLines(plain));
  if (!EndsComplete(plain) || !values) {
    return {Kind::Unreadable,
            true,
            {},
            DamagedFile(names.main, mg::translate("SaveFiles", "это не сохранённая игра"))};
  }
  if (values->Value("Password").empty()) return {Kind::NewNick, true, {}, {}};
  return {Kind::Known, true, std::move(*values), {}};
}

std::optional<std::string> ReadSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                         const NameValueList& values, LoadedGame& game,
                                         FileOps& files) {
  const auto saved = SavedMembers();
  const auto keyed = [&](std::string_view key) {
    return std::ranges::find_if(saved, [key](const MemberInfo& m) { return m.key == key; });
  };
  const auto sound = keyed("Sound");
  if (auto problem = ReadMember(values, *sound, names.main, game.state)) return problem;
  for (auto it = keyed("Place"); it != saved.end(); ++it) {
    if (it == sound) continue;
    if (auto problem = ReadMember(values, *it, names.main, game.state)) return problem;
  }
  for (auto [name, lines] :
       {std::pair{&names.backpack, &game.backpack}, {&names.bonus, &game.bonus}}) {
    if (auto problem = ReadListFile(folder, *name, *lines, files)) return problem;
  }
  return std::nullopt;
}
