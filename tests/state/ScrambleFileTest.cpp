#include <gtest/gtest.h>

#include "state/ScrambleFile.h"

TEST(ScrambleFile, TwiceGivesTheBytesBack) {
  std::string bytes;
  for (int i = 0; i < 700; ++i) bytes += static_cast<char>(i * 37 % 256);
  const std::string scrambled = ScrambleFile(bytes);
  EXPECT_EQ(scrambled.size(), bytes.size());
  EXPECT_NE(scrambled, bytes);
  EXPECT_EQ(ScrambleFile(scrambled), bytes);
  EXPECT_EQ(ScrambleFile(""), "");
}

TEST(ScrambleFile, TheKeyRunRestartsEveryFiftyBytes) {
  const std::string scrambled = ScrambleFile(std::string(101, '\0'));
  EXPECT_EQ(static_cast<unsigned char>(scrambled[0]), kScrambleKeyStart);
  EXPECT_EQ(static_cast<unsigned char>(scrambled[49]), kScrambleKeyStart + 49);
  EXPECT_EQ(scrambled[50], scrambled[0]);
  EXPECT_EQ(scrambled[100], scrambled[0]);
  EXPECT_EQ(scrambled[51], scrambled[1]);
}
