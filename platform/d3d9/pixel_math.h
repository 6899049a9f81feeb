// Exact 8-bit channel arithmetic of the blending stage.
#pragma once

#include "platform/d3d9/alpha_runs.h"

#include <cstdint>

namespace d3d9_internal {

// Every back buffer pixel reads back opaque (the format is X8R8G8B8).
const uint32_t kOpaqueAlpha = 0xFF000000u;

// x / 255 rounded to nearest, for x up to 2 * 255 * 255.
inline uint32_t divideBy255(uint32_t x) {
    return (x + 127) / 255;
}

// target = source * alpha + target * (1 - alpha), per colour channel, with
// alpha the source's own; the result is opaque.
void blendSourceAlphaOver(uint32_t* target, const uint32_t* source, int count);
// The same for texels with their alpha runs (alpha_runs.h): transparent runs
// are passed over, opaque ones copied, only the others blended.
void blendSourceAlphaOverRuns(uint32_t* target, const uint32_t* source, const AlphaRun* runs,
                              int count);

} // namespace d3d9_internal
