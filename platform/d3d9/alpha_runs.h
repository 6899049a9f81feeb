// Runs of texels alike in alpha: wholly transparent, wholly opaque, or in
// between. Blending a row then skips the transparent runs, copies the opaque
// ones and blends only the rest, without testing each texel again.
#pragma once

#include <cstddef>
#include <cstdint>

namespace d3d9_internal {

// A byte a texel: a texture's runs take a quarter of its texels' memory, and a
// run cut every 255 texels still copies or skips whole blocks of them.
typedef uint8_t AlphaRun;

// For every texel of `count`, in rows of `width`, how many texels from it to
// the end of its run within its row (at least 1; long runs are cut into pieces
// of at most 255).
void measureAlphaRuns(const uint32_t* texels, std::size_t count, int width, AlphaRun* runs);

} // namespace d3d9_internal
