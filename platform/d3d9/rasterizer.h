// Scan conversion of one screen-space triangle with Direct3D 9's rules: pixel
// centres at integer coordinates, the top-left fill rule, nearest-texel
// sampling. Positions are snapped to 1/256 pixel and everything after that
// is exact integer arithmetic, so shared edges and texel boundaries never
// depend on rounding.
#pragma once

#include "platform/d3d9/pixel_pipeline.h"

#include <cstdint>

namespace d3d9_internal {

struct ScreenVertex {
    float x = 0.0f;
    float y = 0.0f;
    float u = 0.0f;
    float v = 0.0f;
};

struct TexelSource {
    const uint32_t* texels = nullptr; // row-major, width x height
    int width = 0;
    int height = 0;
};

struct RenderTarget {
    uint32_t* pixels = nullptr; // row-major, width x height
    int width = 0;
    int height = 0;
};

// Draws the triangle unless cullMode (a D3DCULL value) removes it.
void drawTriangle(const RenderTarget& target, const ScreenVertex (&corners)[3], DWORD cullMode,
                  const TexelSource& texture, const PixelPipeline& pipeline);

} // namespace d3d9_internal
