#include "core/Random.h"

Random::Random(std::uint32_t seed) : engine_(seed), seed_(seed) {}

void Random::Seed(std::uint32_t seed) {
  engine_.seed(seed);
  seed_ = seed;
  draws_ = 0;
}

int Random::RandomInt(int n) {
  ++draws_;
  std::int64_t raw;
  if (!forced_.empty()) {
    raw = forced_.front();
    forced_.pop_front();
  } else {
    raw = static_cast<std::int64_t>(engine_() >> 1);
  }
  if (n <= 0) return 0;
  return static_cast<int>(raw % n);
}

void Random::Force(std::int64_t raw) { forced_.push_back(raw); }
