#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <string>

// One key as the script mode's `key` names it: a character code ("27", "49") or a
// key name ("Left", "Tab", "F1", "Ctrl+S", "Ctrl+Tab"), turned into what the
// keyboard would send.
struct KeyStroke {
  int key = 0;  // a Qt::Key
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  QString text;  // the character it types, if any
};

// None when the code is neither a character code nor a key name.
std::optional<KeyStroke> ParseKeyStroke(const std::string& code);
