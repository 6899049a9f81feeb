#include "platform/d3d9/pixel_fill.h"

namespace d3d9_internal {

__attribute__((target_clones("avx2", "default"))) void
fillPixels(uint32_t* target, std::size_t count, uint32_t colour) {
    for (std::size_t i = 0; i < count; ++i) {
        target[i] = colour;
    }
}

} // namespace d3d9_internal
