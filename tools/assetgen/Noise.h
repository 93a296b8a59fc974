#pragma once

#include <cstdint>

// Smooth value noise in 0..1, the same for the same seed on every machine.
double ValueNoise(double x, double y, std::uint32_t seed);
// Several octaves of it, still 0..1.
double Fractal(double x, double y, std::uint32_t seed, int octaves);
// A fixed pseudo-random 0..1 for a lattice point.
double Lattice(int x, int y, std::uint32_t seed);
