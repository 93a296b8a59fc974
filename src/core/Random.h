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
  // The seed given last, and how many draws were made since.
  std::uint32_t SeedUsed() const { return seed_; }
  std::uint64_t DrawCount() const { return draws_; }

 private:
  std::mt19937 engine_;
  std::deque<std::int64_t> forced_;
  std::uint32_t seed_ = 0;
  std::uint64_t draws_ = 0;
};
