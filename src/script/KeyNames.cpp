#include "script/KeyNames.h"

#include <cctype>

#include "core/Format.h"

namespace {

struct NamedKey {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
};

const NamedKey kNamedKeys[] = {
    {"Left", Qt::Key_Left, Qt::NoModifier, ""},
    {"Right", Qt::Key_Right, Qt::NoModifier, ""},
    {"Up", Qt::Key_Up, Qt::NoModifier, ""},
    {"Down", Qt::Key_Down, Qt::NoModifier, ""},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, "\t"},
    // Shift+Tab, as the keyboard reports it.
    {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, ""},
    {"Space", Qt::Key_Space, Qt::NoModifier, " "},
    {"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {"F1", Qt::Key_F1, Qt::NoModifier, ""},
};

// The key that types a character: the control keys by their codes, a letter by its
// capital (as Qt numbers keys), anything else by the character itself.
KeyStroke OfCharacter(char32_t code) {
  const QString text = QString::fromUcs4(&code, 1);
  switch (code) {
    case 8:
      return {Qt::Key_Backspace, Qt::NoModifier, text};
    case 9:
      return {Qt::Key_Tab, Qt::NoModifier, text};
    case 13:
      return {Qt::Key_Return, Qt::NoModifier, text};
    case 27:
      return {Qt::Key_Escape, Qt::NoModifier, text};
    default:
      break;
  }
  const QString upper = text.toUpper();
  const int key = upper.size() == 1 ? upper.at(0).unicode() : static_cast<int>(code);
  return {key, Qt::NoModifier, text};
}

std::optional<KeyStroke> OfControlChord(const std::string& rest) {
  if (rest == "Tab") return KeyStroke{Qt::Key_Tab, Qt::ControlModifier, ""};
  if (rest == "Backtab")
    return KeyStroke{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, ""};
  if (rest.size() != 1 || !std::isalnum(static_cast<unsigned char>(rest[0]))) return std::nullopt;
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0])));
  return KeyStroke{upper, Qt::ControlModifier, ""};
}

}  // namespace

std::optional<KeyStroke> ParseKeyStroke(const std::string& code) {
  for (const NamedKey& named : kNamedKeys) {
    if (code == named.name) return KeyStroke{named.key, named.modifiers, named.text};
  }
  constexpr std::string_view kControl = "Ctrl+";
  if (code.starts_with(kControl)) return OfControlChord(code.substr(kControl.size()));
  const auto number = ParseInt(code);
  if (!number || *number < 0 || *number > 0x10FFFF) return std::nullopt;
  return OfCharacter(static_cast<char32_t>(*number));
}
