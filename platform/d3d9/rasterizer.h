// Scan conversion of screen-space triangles with Direct3D 9's rules: pixel
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
    const uint32_t* texels = nullptr;    // row-major, width x height
    const AlphaRun* alphaRuns = nullptr; // one per texel, see alpha_runs.h
    int width = 0;
    int height = 0;
};

struct RenderTarget {
    uint32_t* pixels = nullptr; // row-major, width x height
    int width = 0;
    int height = 0;
    // Only the pixels inside it are written: part of the target, or all of it.
    RECT clip = {0, 0, 0, 0};
};

// Draws the first triangle unless cullMode (a D3DCULL value) removes it, and
// returns 1; or, when the next triangle (null if none) completes it to a
// parallelogram the way a quad is built (top left, top right, bottom left;
// top right, bottom right, bottom left) with texture coordinates to match,
// draws both at once and returns 2. The pixels are the same either way.
int drawTriangles(const RenderTarget& target, const ScreenVertex (&first)[3],
                  const ScreenVertex (*next)[3], DWORD cullMode, const TexelSource& texture,
                  const PixelPipeline& pipeline);

} // namespace d3d9_internal
