#include "noise.h"

#include <cmath>

double HashUnit(int32_t a, int32_t b, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<uint32_t>(a) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(b) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h >> 8) / 16777216.0;
}

namespace {

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

double ValueNoise(double x, double y, uint32_t seed) {
    double fx = std::floor(x);
    double fy = std::floor(y);
    int32_t ix = static_cast<int32_t>(fx);
    int32_t iy = static_cast<int32_t>(fy);
    double tx = smooth(x - fx);
    double ty = smooth(y - fy);
    double top = mix(HashUnit(ix, iy, seed), HashUnit(ix + 1, iy, seed), tx);
    double bottom = mix(HashUnit(ix, iy + 1, seed), HashUnit(ix + 1, iy + 1, seed), tx);
    return mix(top, bottom, ty);
}

double FractalNoise(double x, double y, uint32_t seed, int octaves) {
    double sum = 0.0;
    double weight = 0.5;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 101u);
        total += weight;
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return sum / total;
}
