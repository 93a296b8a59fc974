#pragma once

#include <cstdint>
#include <deque>
#include <random>

// The game's one pseudo-random generator: uniform 31-bit draws, RandomInt(n) is a
// draw modulo n. Scripts and tests can queue forced raw draws that come first.
class Random {
 public:
  explicit Random(std::uint32_t seed = 0);

  void Seed(std::uint32_t seed);
  int RandomInt(int n);
  void Force(std::int64_t raw);
  std::size_t ForcedLeft() const { return forced_.size(); }

 private:
  std::mt19937 engine_;
  std::deque<std::int64_t> forced_;
};
