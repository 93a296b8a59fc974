#include "state/SaveFiles.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/Cp1251.h"
#include "core/Format.h"
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

std::optional<std::string> ReadWholeFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteWholeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();  // a full disk shows up here, when the buffer is flushed
  return !out.fail();
}

std::string CannotRead(const std::string& file) {
  return "Файл сохранения " + file + " не удаётся прочитать.";
}

std::string Damaged(const std::string& file, const std::string& why) {
  return "Файл сохранения " + file + " повреждён: " + why + ".";
}

fs::path WithSuffix(fs::path path, const char* suffix) { return path += suffix; }

// One of the three files on its way to replacing the old one.
struct Replacement {
  std::string name;  // the game's name, for the player
  fs::path target;
  fs::path fresh;   // the complete new file, written first
  fs::path backup;  // the old file while the three are swapped
  bool backedUp = false;
  bool placed = false;
};

void RemoveQuietly(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

// Puts every old file back and drops every new one.
void Undo(std::span<Replacement> files) {
  std::error_code ignored;
  for (auto it = files.rbegin(); it != files.rend(); ++it) {
    if (it->placed) fs::remove(it->target, ignored);
    if (it->backedUp) fs::rename(it->backup, it->target, ignored);
    RemoveQuietly(it->fresh);
  }
}

std::optional<std::string> Swap(std::span<Replacement> files) {
  std::error_code error;
  for (Replacement& file : files) {
    // Only a plain file may be replaced: a folder of that name stays as it is.
    if (fs::exists(file.target, error) && !fs::is_regular_file(file.target, error)) {
      Undo(files);
      return "на месте файла " + file.name + " находится не файл";
    }
  }
  for (Replacement& file : files) {
    if (fs::exists(file.target, error)) {
      fs::rename(file.target, file.backup, error);
      if (error) break;
      file.backedUp = true;
    }
    fs::rename(file.fresh, file.target, error);
    if (error) break;
    file.placed = true;
  }
  if (error) {
    const auto failed = std::ranges::find_if(files, [](const auto& f) { return !f.placed; });
    const std::string name = failed != files.end() ? failed->name : files.back().name;
    Undo(files);
    return "не удаётся заменить файл " + name;
  }
  for (const Replacement& file : files) RemoveQuietly(file.backup);
  return std::nullopt;
}

std::optional<std::string> ReadMember(const NameValueList& values, const MemberInfo& info,
                                      const std::string& mainFile, GameState& state) {
  static const GameState kNewCharacter;
  const std::string text = values.Value(info.key);
  // A key may be missing only where a new character's value is empty (Kolch).
  if (text.empty() && !info.Text(kNewCharacter).empty()) {
    return Damaged(mainFile, std::string("нет значения ") + info.key);
  }
  const auto notANumber = [&](const char* kind) {
    return Damaged(mainFile,
                   std::string("значение ") + info.key + " «" + text + "» не является " + kind);
  };
  if (auto integer = std::get_if<int GameState::*>(&info.member)) {
    const auto number = ParseInt(text);
    if (!number) return notANumber("целым числом");
    state.*(*integer) = *number;
  } else if (auto money = std::get_if<float GameState::*>(&info.member)) {
    const auto number = ParseFloat(text);
    if (!number) return notANumber("числом");
    // Nothing in the game takes money below zero, so only damage can.
    if (*number < 0) {
      return Damaged(mainFile, std::string("значение ") + info.key + " «" + text + "» меньше нуля");
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
                                        std::vector<std::string>& lines) {
  const fs::path path = folder.Resolve(gamePath);
  std::error_code error;
  if (!fs::exists(path, error) && !error) {
    lines.clear();
    return std::nullopt;
  }
  const auto scrambled = ReadWholeFile(path);
  if (!scrambled) return CannotRead(gamePath);
  const std::string plain = ScrambleFile(*scrambled);
  if (!EndsComplete(plain)) return Damaged(gamePath, "файл обрезан");
  lines = DecodeLines(plain);
  return std::nullopt;
}

}  // namespace

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

bool FitsSaveFile(std::string_view text) {
  const bool control =
      std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return !control && FitsCp1251(text);
}

std::optional<std::string> EncodeLines(const std::vector<std::string>& lines) {
  std::string bytes;
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
    const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
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
  return {stem + ".par", stem + ".l1", stem + ".l2"};
}

std::optional<std::string> WriteSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                          const SavedGame& game) {
  const std::array<std::pair<const std::string*, const std::vector<std::string>*>, 3> contents = {
      {{&names.main, &game.main.Lines()},
       {&names.backpack, &game.backpack},
       {&names.bonus, &game.bonus}}};
  std::error_code error;
  fs::create_directories(folder.Resolve("save"), error);
  if (error || !fs::is_directory(folder.Resolve("save"))) return "не удаётся создать папку save";

  std::vector<Replacement> files;
  for (const auto& [name, lines] : contents) {
    const fs::path target = folder.Resolve(*name);
    files.push_back({*name, target, WithSuffix(target, ".new"), WithSuffix(target, ".old")});
    const auto bytes = EncodeLines(*lines);
    if (!bytes) {
      Undo(files);
      return "в тексте для файла " + *name + " есть знак, которого нет в кодировке сохранений";
    }
    if (!WriteWholeFile(files.back().fresh, ScrambleFile(*bytes))) {
      Undo(files);
      return "не удаётся записать файл " + *name;
    }
  }
  return Swap(files);
}

OpenedMainFile OpenMainFile(const GameFolder& folder, const SaveFileNames& names) {
  using Kind = OpenedMainFile::Kind;
  const fs::path path = folder.Resolve(names.main);
  std::error_code error;
  if (!fs::exists(path, error) && !error) return {};
  const auto scrambled = ReadWholeFile(path);
  if (!scrambled) return {Kind::Unreadable, {}, CannotRead(names.main)};
  const std::string plain = ScrambleFile(*scrambled);
  auto values = NameValueList::FromLines(DecodeLines(plain));
  if (!EndsComplete(plain) || !values) {
    return {Kind::Unreadable, {}, Damaged(names.main, "это не сохранённая игра")};
  }
  if (values->Value("Password").empty()) return {};
  return {Kind::Known, std::move(*values), {}};
}

std::optional<std::string> ReadSavedGame(const GameFolder& folder, const SaveFileNames& names,
                                         const NameValueList& values, LoadedGame& game) {
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
    if (auto problem = ReadListFile(folder, *name, *lines)) return problem;
  }
  return std::nullopt;
}
