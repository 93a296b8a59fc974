#include "Noise.h"

#include <cmath>

double Lattice(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 374761393u) ^
                    (static_cast<std::uint32_t>(y) * 668265263u);
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

double ValueNoise(double x, double y, std::uint32_t seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double top =
      Lattice(ix, iy, seed) + sx * (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed));
  const double bottom =
      Lattice(ix, iy + 1, seed) + sx * (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed));
  return top + sy * (bottom - top);
}

double Fractal(double x, double y, std::uint32_t seed, int octaves) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * ValueNoise(x, y, seed + i * 101u);
    total += weight;
    x *= 2.03;
    y *= 2.03;
    weight *= 0.5;
  }
  return sum / total;
}
