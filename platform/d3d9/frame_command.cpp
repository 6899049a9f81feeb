#include "platform/d3d9/frame_command.h"
#include "platform/d3d9/pixel_fill.h"
#include "platform/d3d9/pixel_rect.h"

#include <cmath>
#include <cstring>

namespace d3d9_internal {

namespace {

// What D3DTA_TEXTURE reads with no texture bound: opaque white.
const uint32_t kUntexturedTexel = 0xFFFFFFFFu;
const AlphaRun kUntexturedRun = 1;
const UINT kDrawnVertexSize = 24;
// Beyond this the rasteriser drops the triangle; the bounds then stay whole.
const float kCoordinateLimit = 32768.0f;

ScreenVertex readVertex(const uint8_t* bytes) {
    float fields[6];
    std::memcpy(fields, bytes, sizeof(fields));
    ScreenVertex vertex;
    vertex.x = fields[0];
    vertex.y = fields[1];
    vertex.u = fields[4];
    vertex.v = fields[5];
    return vertex;
}

uint64_t drawnBytes(const FrameCommand& draw) {
    return (uint64_t(draw.triangles) * 3 - 1) * draw.stride + kDrawnVertexSize;
}

// The pixels whose centres lie within the vertices' reach. A centre on the
// right or bottom end of that reach is outside every triangle (the fill rule
// leaves it to the next one), and snapping to 1/256 pixel never carries a
// position across a pixel centre it did not reach before.
RECT vertexBounds(const uint8_t* first, UINT stride, UINT count, const RECT& whole) {
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
    for (UINT i = 0; i < count; ++i) {
        const ScreenVertex vertex = readVertex(first + uint64_t(i) * stride);
        if (!(std::fabs(vertex.x) <= kCoordinateLimit && std::fabs(vertex.y) <= kCoordinateLimit)) {
            return whole;
        }
        minX = i == 0 ? vertex.x : std::min(minX, vertex.x);
        maxX = i == 0 ? vertex.x : std::max(maxX, vertex.x);
        minY = i == 0 ? vertex.y : std::min(minY, vertex.y);
        maxY = i == 0 ? vertex.y : std::max(maxY, vertex.y);
    }
    const RECT reach = {LONG(std::floor(minX)), LONG(std::floor(minY)), LONG(std::ceil(maxX)),
                        LONG(std::ceil(maxY))};
    return intersectRects(reach, whole);
}

bool sameTexture(const TexelImage* a, const TexelImage* b) {
    if (a == b) {
        return true;
    }
    return a != nullptr && b != nullptr && a->width == b->width && a->height == b->height &&
           std::memcmp(a->texels.data(), b->texels.data(), a->texels.size() * sizeof(uint32_t)) ==
               0;
}

bool sameVertices(const FrameCommand& a, const FrameCommand& b) {
    if (a.vertices == b.vertices && a.firstByte == b.firstByte) {
        return true;
    }
    return std::memcmp(a.vertices->data() + a.firstByte, b.vertices->data() + b.firstByte,
                       drawnBytes(a)) == 0;
}

void runClear(const FrameCommand& clear, const RenderTarget& target) {
    const auto fill = [&](const RECT& area) {
        const RECT part = intersectRects(area, target.clip);
        if (isEmptyRect(part)) {
            return;
        }
        for (LONG y = part.top; y < part.bottom; ++y) {
            fillPixels(target.pixels + size_t(y) * target.width + part.left,
                       size_t(part.right - part.left), clear.fill);
        }
    };
    if (clear.entireTarget) {
        fill(clear.bounds);
    }
    for (const RECT& rect : clear.rects) {
        fill(rect);
    }
}

void runDraw(const FrameCommand& draw, const RenderTarget& target) {
    TexelSource texture{&kUntexturedTexel, &kUntexturedRun, 1, 1};
    if (draw.texture != nullptr) {
        texture = {draw.texture->texels.data(), draw.texture->alphaRuns.data(), draw.texture->width,
                   draw.texture->height};
    }
    const uint8_t* first = draw.vertices->data() + draw.firstByte;
    const auto readTriangle = [first, &draw](UINT triangle, ScreenVertex(&corners)[3]) {
        for (int i = 0; i < 3; ++i) {
            corners[i] = readVertex(first + (uint64_t(triangle) * 3 + i) * draw.stride);
        }
    };
    for (UINT triangle = 0; triangle < draw.triangles;) {
        ScreenVertex current[3];
        ScreenVertex following[3];
        readTriangle(triangle, current);
        const bool hasNext = triangle + 1 < draw.triangles;
        if (hasNext) {
            readTriangle(triangle + 1, following);
        }
        triangle += UINT(drawTriangles(target, current, hasNext ? &following : nullptr,
                                       draw.cullMode, texture, draw.pipeline));
    }
}

} // namespace

FrameCommand clearCommand(uint32_t fill, const D3DRECT* rects, DWORD count, int width, int height) {
    FrameCommand clear;
    clear.fill = fill;
    const RECT whole = {0, 0, LONG(width), LONG(height)};
    if (rects == nullptr || count == 0) {
        clear.entireTarget = true;
        clear.bounds = whole;
        return clear;
    }
    for (DWORD i = 0; i < count; ++i) {
        const RECT rect =
            intersectRects({rects[i].x1, rects[i].y1, rects[i].x2, rects[i].y2}, whole);
        if (isEmptyRect(rect)) {
            continue;
        }
        clear.bounds = clear.rects.empty() ? rect : uniteRects(clear.bounds, rect);
        clear.rects.push_back(rect);
    }
    return clear;
}

FrameCommand drawCommand(std::shared_ptr<const TexelImage> texture,
                         std::shared_ptr<const std::vector<uint8_t>> vertices, uint64_t firstByte,
                         UINT stride, UINT triangles, DWORD cullMode, const PixelPipeline& pipeline,
                         int width, int height) {
    FrameCommand draw;
    draw.kind = FrameCommand::Kind::Draw;
    draw.bounds = vertexBounds(vertices->data() + firstByte, stride, triangles * 3,
                               {0, 0, LONG(width), LONG(height)});
    draw.texture = std::move(texture);
    draw.vertices = std::move(vertices);
    draw.firstByte = firstByte;
    draw.stride = stride;
    draw.triangles = triangles;
    draw.cullMode = cullMode;
    draw.pipeline = pipeline;
    return draw;
}

bool sameCommand(const FrameCommand& a, const FrameCommand& b) {
    if (a.kind != b.kind || !sameRect(a.bounds, b.bounds)) {
        return false;
    }
    if (a.kind == FrameCommand::Kind::Clear) {
        if (a.fill != b.fill || a.rects.size() != b.rects.size()) {
            return false;
        }
        for (size_t i = 0; i < a.rects.size(); ++i) {
            if (!sameRect(a.rects[i], b.rects[i])) {
                return false;
            }
        }
        return true;
    }
    return a.triangles == b.triangles && a.stride == b.stride && a.cullMode == b.cullMode &&
           a.pipeline == b.pipeline && sameVertices(a, b) &&
           sameTexture(a.texture.get(), b.texture.get());
}

void runCommand(const FrameCommand& command, const RenderTarget& target) {
    if (command.kind == FrameCommand::Kind::Clear) {
        runClear(command, target);
    } else {
        runDraw(command, target);
    }
}

} // namespace d3d9_internal
