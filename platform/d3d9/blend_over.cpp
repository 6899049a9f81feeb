// The blend the game uses for every pixel, eight pixels at a time. Written
// with the compiler's vector types, so one source serves every instruction
// set; the AVX2 variant is chosen at run time where the processor has it.
// Eight pixels fill one AVX2 register: wider vectors than the processor's
// make the compiler shuttle them through memory.
#include "platform/d3d9/pixel_math.h"

#include <cstring>

namespace d3d9_internal {

namespace {

typedef uint32_t Pixels __attribute__((vector_size(32)));
typedef uint16_t Channels __attribute__((vector_size(32)));

const int kPixelsPerBlock = 8;
const uint64_t kAlphaBits = 0xFF000000FF000000ull;

// (s * a + d * (255 - a) + 127) / 255 per channel. Two channels of every
// pixel are worked on at once, one per 16-bit half of its 32 bits: blue and
// red at shift 0, then green and alpha at shift 8. x / 255 rounded is
// (x + 128 + ((x + 128) >> 8)) >> 8 for every x up to 255 * 255, and no sum
// leaves 16 bits. Every result is below 256, so blue and red land in place,
// green lands in place shifted back, and the alpha it brings along is
// overwritten with opaque.
__attribute__((always_inline)) inline void blendBlock(uint32_t* target, const uint32_t* source) {
    Pixels s;
    Pixels d;
    std::memcpy(&s, source, sizeof(s));
    std::memcpy(&d, target, sizeof(d));
    const Pixels alphaByte = s >> 24;
    const Channels alpha = Channels(alphaByte | (alphaByte << 16));
    Pixels blended = kOpaqueAlpha + Pixels{};
    for (int shift = 0; shift <= 8; shift += 8) {
        const Channels sc = Channels((s >> shift) & 0x00FF00FFu);
        const Channels dc = Channels((d >> shift) & 0x00FF00FFu);
        const Channels sum = sc * alpha + dc * (255 - alpha) + 128;
        blended |= Pixels((sum + (sum >> 8)) >> 8) << shift;
    }
    std::memcpy(target, &blended, sizeof(blended));
}

// Blends one block, passing over blocks that are wholly transparent and
// copying those that are wholly opaque.
__attribute__((always_inline)) inline void blendBlockAt(uint32_t* target, const uint32_t* source) {
    // Scalar loads: the test is cheaper than moving the block through a vector.
    uint64_t all = ~uint64_t(0);
    uint64_t any = 0;
    for (int i = 0; i < kPixelsPerBlock; i += 2) {
        uint64_t pair;
        std::memcpy(&pair, source + i, sizeof(pair));
        all &= pair;
        any |= pair;
    }
    if ((any & kAlphaBits) == 0) {
        return;
    }
    if ((all & kAlphaBits) == kAlphaBits) {
        std::memcpy(target, source, kPixelsPerBlock * sizeof(uint32_t));
        return;
    }
    blendBlock(target, source);
}

// The same arithmetic for one pixel, for the few after the last whole block.
inline uint32_t blendPixel(uint32_t source, uint32_t target) {
    const uint32_t alpha = source >> 24;
    uint32_t result = kOpaqueAlpha;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t s = (source >> shift) & 0xFF;
        const uint32_t d = (target >> shift) & 0xFF;
        result |= divideBy255(s * alpha + d * (255 - alpha)) << shift;
    }
    return result;
}

template <typename BlockBlend>
__attribute__((always_inline)) inline void blendRow(uint32_t* target, const uint32_t* source,
                                                    int count, BlockBlend blend) {
    int i = 0;
    for (; i + kPixelsPerBlock <= count; i += kPixelsPerBlock) {
        blend(target + i, source + i);
    }
    for (; i < count; ++i) {
        target[i] = blendPixel(source[i], target[i]);
    }
}

} // namespace

__attribute__((target_clones("avx2", "default"))) void
blendSourceAlphaOver(uint32_t* target, const uint32_t* source, int count) {
    blendRow(target, source, count, blendBlockAt);
}

// Blending is exact for every alpha, so a block may take in a few opaque or
// transparent texels beside the translucent ones it is for: they come out as
// copied or untouched. Only long opaque and transparent runs are worth
// treating apart.
__attribute__((target_clones("avx2", "default"))) void
blendSourceAlphaOverRuns(uint32_t* target, const uint32_t* source, const AlphaRun* runs,
                         int count) {
    int i = 0;
    while (i < count) {
        const int length = joinedAlphaRun(source, runs, i, count);
        const uint32_t alpha = source[i] >> 24;
        if (alpha == 0) {
            i += length;
        } else if (alpha == 255 && (length >= kPixelsPerBlock || i + length == count)) {
            std::memcpy(target + i, source + i, size_t(length) * sizeof(uint32_t));
            i += length;
        } else if (length >= kPixelsPerBlock) {
            const int whole = length - length % kPixelsPerBlock;
            for (const int end = i + whole; i < end; i += kPixelsPerBlock) {
                blendBlock(target + i, source + i);
            }
        } else if (i + kPixelsPerBlock <= count) {
            blendBlock(target + i, source + i);
            i += kPixelsPerBlock;
        } else {
            blendRow(target + i, source + i, count - i, blendBlock);
            i = count;
        }
    }
}

} // namespace d3d9_internal
