// Runs of texels alike in alpha: wholly transparent, wholly opaque, or in
// between. Blending a row then skips the transparent runs, copies the opaque
// ones and blends only the rest, without testing each texel again.
#pragma once

#include <cstdint>
#include <vector>

namespace d3d9_internal {

// For every texel, how many texels from it to the end of its run within its
// row (at least 1; long runs are cut into pieces of at most 65535).
void measureAlphaRuns(const std::vector<uint32_t>& texels, int width, std::vector<uint16_t>& runs);

} // namespace d3d9_internal
