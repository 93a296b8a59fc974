#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/Random.h"

TEST(Random, DrawsStayInAndCoverTheirRange) {
  Random random(7);
  for (int n : {1, 2, 3, 15, 201, 2147483647}) {
    std::vector<bool> seen(std::min(n, 15));
    for (int i = 0; i < 2000; ++i) {
      const int draw = random.RandomInt(n);
      ASSERT_GE(draw, 0);
      ASSERT_LT(draw, n);
      if (n <= 15) seen[draw] = true;
    }
    if (n <= 15) {
      EXPECT_EQ(std::count(seen.begin(), seen.end(), false), 0) << n;
    }
  }
}

TEST(Random, SameSeedSameDraws) {
  Random a(42), b(42);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.RandomInt(1000), b.RandomInt(1000));
}

TEST(Random, ForcedDrawsComeFirstModuloN) {
  Random random(1);
  Random untouched(1);
  random.Force(17);
  random.Force(2147483647);
  EXPECT_EQ(random.RandomInt(15), 2);
  EXPECT_EQ(random.RandomInt(3), 2147483647 % 3);
  EXPECT_EQ(random.ForcedLeft(), 0u);
  // The generator's own sequence resumes where it was.
  EXPECT_EQ(random.RandomInt(1000), untouched.RandomInt(1000));
}

TEST(Random, ReseedingKeepsForcedDraws) {
  Random random(1);
  random.Force(5);
  random.Seed(99);
  EXPECT_EQ(random.RandomInt(10), 5);
}

TEST(Random, EmptyRangeGivesZero) {
  Random random(3);
  EXPECT_EQ(random.RandomInt(0), 0);
  EXPECT_EQ(random.RandomInt(-4), 0);
}
