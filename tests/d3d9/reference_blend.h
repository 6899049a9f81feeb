// The blend written out plainly, as the tests expect it.
#pragma once

#include <cstdint>

inline uint32_t expectedBlend(uint32_t source, uint32_t target) {
    const uint32_t alpha = source >> 24;
    uint32_t result = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (target >> shift) & 0xFF;
        result |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}
