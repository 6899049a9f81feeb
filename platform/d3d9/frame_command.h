// One command of a frame as the device took it, a clear or a draw, holding on
// to everything it reads (the texels and vertices as they were when it was
// issued, the pipeline, the culling), so that it can be compared with the
// commands of an earlier frame and drawn later, whole or within a part of the
// back buffer.
#pragma once

#include "platform/d3d9/pixel_pipeline.h"
#include "platform/d3d9/rasterizer.h"
#include "platform/d3d9/texel_image.h"

#include <memory>
#include <vector>

namespace d3d9_internal {

struct FrameCommand {
    enum class Kind { Clear, Draw };
    Kind kind = Kind::Clear;
    // Every pixel the command can write lies inside.
    RECT bounds = {0, 0, 0, 0};

    // A clear: the colour, into the whole target or into each of `rects`.
    uint32_t fill = 0;
    bool entireTarget = false;
    std::vector<RECT> rects;

    // A draw: a triangle list of pre-transformed vertices.
    std::shared_ptr<const TexelImage> texture; // null: no texture bound
    std::shared_ptr<const std::vector<uint8_t>> vertices;
    uint64_t firstByte = 0;
    UINT stride = 0;
    UINT triangles = 0;
    DWORD cullMode = 0;
    PixelPipeline pipeline;

    // A clear of the whole target: what follows it does not depend on what
    // the target held before.
    bool clearsEverything() const { return kind == Kind::Clear && entireTarget; }
};

// `rects` null or empty clears the whole target.
FrameCommand clearCommand(uint32_t fill, const D3DRECT* rects, DWORD count, int width, int height);

// The vertices must be in the buffer: the device checked them.
FrameCommand drawCommand(std::shared_ptr<const TexelImage> texture,
                         std::shared_ptr<const std::vector<uint8_t>> vertices, uint64_t firstByte,
                         UINT stride, UINT triangles, DWORD cullMode, const PixelPipeline& pipeline,
                         int width, int height);

// Whether the two write the same pixels with the same values, whatever the
// target holds.
bool sameCommand(const FrameCommand& a, const FrameCommand& b);

// Carries the command out within the target's clip rectangle.
void runCommand(const FrameCommand& command, const RenderTarget& target);

} // namespace d3d9_internal
