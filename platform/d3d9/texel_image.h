// A texture's level 0 as the device reads it: the texels and their alpha runs.
// Shared between the texture and the frames that drew it, and copied before a
// lock writes to it while a frame still holds it, so a recorded draw always
// reads the texels as they were when it was issued.
#pragma once

#include "platform/d3d9/alpha_runs.h"
#include "platform/d3d9/zeroed_memory.h"

#include <cstdint>

namespace d3d9_internal {

struct TexelImage {
    int width = 0;
    int height = 0;
    ZeroedArray<uint32_t> texels;    // 0xAARRGGBB, row-major
    ZeroedArray<AlphaRun> alphaRuns; // one per texel
    // Measured when the texture is unlocked, or drawn before it ever was.
    bool alphaRunsMeasured = false;
};

} // namespace d3d9_internal
