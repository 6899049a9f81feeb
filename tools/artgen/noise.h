// Smooth value noise from a fixed integer hash: the same seed gives the same
// picture on every run and every machine.
#pragma once

#include <cstdint>

// Noise in [0, 1) at (x, y); features are about one unit apart.
double ValueNoise(double x, double y, uint32_t seed);

// Several octaves of value noise, each twice as fine and half as strong; [0, 1).
double FractalNoise(double x, double y, uint32_t seed, int octaves);

// A repeatable pseudo-random number in [0, 1) for an integer pair.
double HashUnit(int32_t a, int32_t b, uint32_t seed);
