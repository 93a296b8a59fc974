#include <gtest/gtest.h>

#include "core/Cp1251.h"
#include "core/Format.h"
#include "core/Json.h"

TEST(Cp1251, RoundTripsRussianText) {
  const std::string text = "Вася ёЁ Щит №5 «рубль»";
  const auto bytes = Utf8ToCp1251(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->size(), CharacterCount(text));
  EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xC2);  // В
  EXPECT_EQ(Cp1251ToUtf8(*bytes), text);
}

TEST(Cp1251, RefusesWhatTheCodePageCannotHold) {
  EXPECT_FALSE(Utf8ToCp1251("日本").has_value());
  EXPECT_FALSE(Utf8ToCp1251("smile 😀").has_value());
  EXPECT_FALSE(FitsCp1251("\xC3"));      // truncated sequence
  EXPECT_FALSE(FitsCp1251("\x80\x80"));  // stray continuation bytes
  EXPECT_TRUE(FitsCp1251("plain ASCII"));
}

TEST(Cp1251, EveryByteDecodes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = Cp1251ToUtf8(all);
  // Only the one unused byte cannot come back: it reads as a question mark, which can.
  std::string expected = all;
  expected[0x98] = '?';
  EXPECT_EQ(Utf8ToCp1251(text), expected);
}

TEST(Format, FloatsInTheirShortestForm) {
  EXPECT_EQ(FormatFloat(2000.0f), "2000");
  EXPECT_EQ(FormatFloat(2087.5f), "2087.5");
  EXPECT_EQ(FormatFloat(87.5f, ','), "87,5");
  EXPECT_EQ(FormatFloat(0.1f), "0.1");
  EXPECT_EQ(FormatFloat(-12.5f), "-12.5");
}

TEST(Format, LargeAndSmallFloatsInPlainDigits) {
  EXPECT_EQ(FormatFloat(100000.0f), "100000");
  EXPECT_EQ(FormatFloat(3000000.0f), "3000000");
  EXPECT_EQ(FormatFloat(10000000.0f), "10000000");
  EXPECT_EQ(FormatFloat(1234567.5f, ','), "1234567,5");
  EXPECT_EQ(FormatFloat(0.5f), "0.5");
  EXPECT_EQ(FormatFloat(0.00001f), "0.00001");
  // Still the float's shortest digits, and they read back to the same float.
  for (float value : {100000.0f, 16777217.0f, 3.4e38f, 1e-45f, 0.1f, 99999.99f}) {
    const std::string text = FormatFloat(value);
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    EXPECT_EQ(ParseFloat(text), value) << text;
  }
}

TEST(Format, ReadsTheExponentFormOlderSavesHold) {
  EXPECT_EQ(ParseFloat("1e+05"), 100000.0f);
  EXPECT_EQ(ParseFloat("3e+06"), 3000000.0f);
  EXPECT_EQ(ParseFloat("1,5e+06"), 1500000.0f);
}

TEST(Format, ParsesEitherDecimalSeparator) {
  EXPECT_EQ(ParseFloat("2087.5"), 2087.5f);
  EXPECT_EQ(ParseFloat("2087,5"), 2087.5f);
  EXPECT_EQ(ParseFloat("2000"), 2000.0f);
  EXPECT_FALSE(ParseFloat("").has_value());
  EXPECT_FALSE(ParseFloat("12abc").has_value());
  EXPECT_FALSE(ParseFloat("nan").has_value());
  EXPECT_FALSE(ParseFloat("1e999").has_value());
}

TEST(Format, ParsesOnlyWhole32BitIntegers) {
  EXPECT_EQ(ParseInt("-15"), -15);
  EXPECT_EQ(ParseInt("+7"), 7);
  EXPECT_EQ(ParseInt("2147483647"), 2147483647);
  EXPECT_FALSE(ParseInt("2147483648").has_value());
  EXPECT_FALSE(ParseInt("1.5").has_value());
  EXPECT_FALSE(ParseInt(" 3").has_value());
  EXPECT_FALSE(ParseInt("").has_value());
}

TEST(Format, CountingWordsFollowTheGamesList) {
  auto stats = [](int n) { return CountWithWord(n, "стат.", "стата.", "статов."); };
  EXPECT_EQ(stats(1), "Остался: 1 стат.");
  EXPECT_EQ(stats(21), "Остался: 21 стат.");
  EXPECT_EQ(stats(71), "Остался: 71 стат.");
  EXPECT_EQ(stats(3), "Осталось: 3 стата.");
  EXPECT_EQ(stats(22), "Осталось: 22 стата.");
  EXPECT_EQ(stats(74), "Осталось: 74 стата.");
  EXPECT_EQ(stats(0), "Осталось: 0 статов.");
  EXPECT_EQ(stats(5), "Осталось: 5 статов.");
  EXPECT_EQ(stats(11), "Осталось: 11 статов.");
  EXPECT_EQ(stats(12), "Осталось: 12 статов.");
  // The game's list ends at 71 and 74.
  EXPECT_EQ(stats(81), "Осталось: 81 статов.");
  EXPECT_EQ(stats(82), "Осталось: 82 статов.");
}

// The scenarios print and read every kind of value; here the escapes they do not meet.
TEST(Json, QuotesAndEscapes) {
  EXPECT_EQ(JsonQuote("a\"b\nc"), "\"a\\\"b\\nc\"");
  EXPECT_EQ(JsonValue(std::vector<std::string>{}), "[]");
  EXPECT_EQ(ParseJsonScalar("\"\\u0416\""), ScriptValue(std::string("Ж")));
  for (const char* bad : {"\"open", "\"bad \\q\"", "\"\\u12\"", "twelve", ""})
    EXPECT_FALSE(ParseJsonScalar(bad).has_value()) << bad;
}
