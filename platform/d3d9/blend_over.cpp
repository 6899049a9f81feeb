// The blend the game uses for every pixel, eight pixels at a time. Written
// with the compiler's vector types, so one source serves every instruction
// set; the wider variant is chosen at run time where the processor has it.
#include "platform/d3d9/pixel_math.h"

#include <cstring>

namespace d3d9_internal {

namespace {

typedef uint8_t Bytes __attribute__((vector_size(32)));
typedef uint16_t Channels __attribute__((vector_size(64)));
typedef uint32_t Pixels __attribute__((vector_size(32)));

const int pixelsPerBlock = 8;
const uint64_t alphaBits = 0xFF000000FF000000ull;

// Every byte takes its pixel's alpha byte.
const Bytes alphaShuffle = {3,  3,  3,  3,  7,  7,  7,  7,  11, 11, 11, 11, 15, 15, 15, 15,
                            19, 19, 19, 19, 23, 23, 23, 23, 27, 27, 27, 27, 31, 31, 31, 31};

// (s * a + d * (255 - a) + 127) / 255 per channel: x / 255 rounded is
// (x + 128 + ((x + 128) >> 8)) >> 8 for every x up to 255 * 255.
__attribute__((always_inline)) inline void blendBlock(uint32_t* target, const uint32_t* source) {
    Bytes sourceBytes;
    Bytes targetBytes;
    std::memcpy(&sourceBytes, source, sizeof(sourceBytes));
    std::memcpy(&targetBytes, target, sizeof(targetBytes));
    const Channels alpha =
        __builtin_convertvector(__builtin_shuffle(sourceBytes, alphaShuffle), Channels);
    const Channels s = __builtin_convertvector(sourceBytes, Channels);
    const Channels d = __builtin_convertvector(targetBytes, Channels);
    const Channels sum = s * alpha + d * (255 - alpha) + 128;
    const Channels rounded = (sum + (sum >> 8)) >> 8;
    const Pixels blended = Pixels(__builtin_convertvector(rounded, Bytes)) | opaqueAlpha;
    std::memcpy(target, &blended, sizeof(blended));
}

// Blends one block, passing over blocks that are wholly transparent and
// copying those that are wholly opaque.
__attribute__((always_inline)) inline void blendBlockAt(uint32_t* target, const uint32_t* source) {
    uint64_t words[pixelsPerBlock / 2];
    std::memcpy(words, source, sizeof(words));
    const uint64_t all = words[0] & words[1] & words[2] & words[3];
    const uint64_t any = words[0] | words[1] | words[2] | words[3];
    if ((any & alphaBits) == 0) {
        return;
    }
    if ((all & alphaBits) == alphaBits) {
        std::memcpy(target, source, sizeof(words));
        return;
    }
    blendBlock(target, source);
}

} // namespace

__attribute__((target_clones("avx2", "default"))) void
blendSourceAlphaOver(uint32_t* target, const uint32_t* source, int count) {
    int i = 0;
    for (; i + pixelsPerBlock <= count; i += pixelsPerBlock) {
        blendBlockAt(target + i, source + i);
    }
    if (i == count) {
        return;
    }
    // The last few pixels go through a whole block whose spare pixels are
    // transparent, so they change nothing.
    uint32_t sourceTail[pixelsPerBlock] = {};
    uint32_t targetTail[pixelsPerBlock] = {};
    const size_t tailBytes = size_t(count - i) * sizeof(uint32_t);
    std::memcpy(sourceTail, source + i, tailBytes);
    std::memcpy(targetTail, target + i, tailBytes);
    blendBlockAt(targetTail, sourceTail);
    std::memcpy(target + i, targetTail, tailBytes);
}

} // namespace d3d9_internal
