#include <gtest/gtest.h>

#include "script/KeyNames.h"

namespace {

struct Case {
  const char* code;
  int key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
};

}  // namespace

TEST(KeyNames, NamesAndCharacterCodesGiveTheKeysTheKeyboardSends) {
  const Case cases[] = {
      {"27", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
      {"13", Qt::Key_Return, Qt::NoModifier, "\r"},
      {"9", Qt::Key_Tab, Qt::NoModifier, "\t"},
      {"49", Qt::Key_1, Qt::NoModifier, "1"},
      {"113", Qt::Key_Q, Qt::NoModifier, "q"},
      {"81", Qt::Key_Q, Qt::NoModifier, "Q"},
      // A Cyrillic letter is numbered by its capital, as Qt numbers Latin ones.
      {"1081", 0x0419, Qt::NoModifier, "й"},
      {"Left", Qt::Key_Left, Qt::NoModifier, ""},
      {"Down", Qt::Key_Down, Qt::NoModifier, ""},
      {"Space", Qt::Key_Space, Qt::NoModifier, " "},
      {"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
      {"Escape", Qt::Key_Escape, Qt::NoModifier, "\x1b"},
      {"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, ""},
      {"F1", Qt::Key_F1, Qt::NoModifier, ""},
      {"Ctrl+Tab", Qt::Key_Tab, Qt::ControlModifier, ""},
      {"Ctrl+Backtab", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, ""},
      {"Ctrl+s", Qt::Key_S, Qt::ControlModifier, ""},
      {"Ctrl+S", Qt::Key_S, Qt::ControlModifier, ""},
      {"Ctrl+7", Qt::Key_7, Qt::ControlModifier, ""},
  };
  for (const Case& c : cases) {
    const auto stroke = ParseKeyStroke(c.code);
    ASSERT_TRUE(stroke) << c.code;
    EXPECT_EQ(stroke->key, c.key) << c.code;
    EXPECT_EQ(stroke->modifiers, c.modifiers) << c.code;
    EXPECT_EQ(stroke->text, QString::fromUtf8(c.text)) << c.code;
  }
}

TEST(KeyNames, UnknownNamesAndCodesOutOfRangeAreRefused) {
  for (const char* bad : {"", "left", "F2", "Ctrl+", "Ctrl+Left", "Ctrl+%", "Ctrl+ab", "Shift+Tab",
                          "-1", "1114112", "1x"})
    EXPECT_FALSE(ParseKeyStroke(bad)) << bad;
}
