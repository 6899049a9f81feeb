// Runs of texels alike in alpha: wholly transparent, wholly opaque, or in
// between. Blending a row then skips the transparent runs, copies the opaque
// ones and blends only the rest, without testing each texel again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace d3d9_internal {

// A byte a texel: a texture's runs take a quarter of its texels' memory. Runs
// longer than a byte counts come in pieces, which blending joins again.
typedef uint8_t AlphaRun;
constexpr int kLongestAlphaRun = std::numeric_limits<AlphaRun>::max();

// 0 for wholly transparent, 2 for wholly opaque, 1 in between.
inline int alphaClass(uint32_t texel) {
    const uint32_t alpha = texel >> 24;
    return alpha == 0 ? 0 : (alpha == 255 ? 2 : 1);
}

// For every texel of `count`, in rows of `width`, how many texels from it to
// the end of its run within its row (at least 1; long runs are cut into pieces
// of at most 255).
void measureAlphaRuns(const uint32_t* texels, std::size_t count, int width, AlphaRun* runs);

// The whole run from texel `i` of a row of `count` texels, its pieces joined
// again: a long opaque row is then one copy, not one for every 255 texels.
inline int joinedAlphaRun(const uint32_t* texels, const AlphaRun* runs, int i, int count) {
    int piece = i;
    int end = i + runs[i];
    while (runs[piece] == kLongestAlphaRun && end < count &&
           alphaClass(texels[end]) == alphaClass(texels[i])) {
        piece = end;
        end += runs[piece];
    }
    return (end < count ? end : count) - i;
}

} // namespace d3d9_internal
