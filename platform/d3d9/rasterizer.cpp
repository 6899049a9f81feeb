#include "platform/d3d9/rasterizer.h"
#include "platform/d3d9/span_painter.h"
#include "platform/d3d9/triangle_edges.h"

#include <algorithm>
#include <cmath>

namespace d3d9_internal {

namespace {

// Beyond these the exact arithmetic could overflow.
const float coordinateLimit = 32768.0f;
const double texelCoordinateLimit = double(1 << 24);

bool snap(const ScreenVertex& vertex, FixedPoint& point) {
    // The negated test also refuses NaN.
    if (!(std::fabs(vertex.x) <= coordinateLimit && std::fabs(vertex.y) <= coordinateLimit)) {
        return false;
    }
    point.x = std::llround(double(vertex.x) * subpixelScale);
    point.y = std::llround(double(vertex.y) * subpixelScale);
    return true;
}

// A texture coordinate in texel space, in 1/256 texel.
int64_t fixedTexelCoordinate(float coordinate, int size) {
    double texels = double(coordinate) * size;
    if (!(std::fabs(texels) <= texelCoordinateLimit)) {
        texels = std::isnan(texels) ? 0.0 : std::copysign(texelCoordinateLimit, texels);
    }
    return std::llround(texels * subpixelScale);
}

int64_t floorDiv(int64_t n, int64_t d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

int64_t ceilDiv(int64_t n, int64_t d) {
    return -floorDiv(-n, d);
}

} // namespace

void drawTriangle(const RenderTarget& target, const ScreenVertex (&corners)[3], DWORD cullMode,
                  const TexelSource& texture, const PixelPipeline& pipeline) {
    FixedPoint p[3];
    for (int i = 0; i < 3; ++i) {
        if (!snap(corners[i], p[i])) {
            return;
        }
    }
    int64_t twiceArea =
        (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
    // Positive area is clockwise on the screen, y growing downwards.
    if (twiceArea == 0 || (cullMode == D3DCULL_CCW && twiceArea < 0) ||
        (cullMode == D3DCULL_CW && twiceArea > 0)) {
        return;
    }
    int order[3] = {0, 1, 2};
    if (twiceArea < 0) {
        std::swap(order[1], order[2]);
        std::swap(p[1], p[2]);
        twiceArea = -twiceArea;
    }

    const int64_t minX = std::min({p[0].x, p[1].x, p[2].x});
    const int64_t maxX = std::max({p[0].x, p[1].x, p[2].x});
    const int64_t minY = std::min({p[0].y, p[1].y, p[2].y});
    const int64_t maxY = std::max({p[0].y, p[1].y, p[2].y});
    const int firstColumn = int(std::max<int64_t>(0, ceilDiv(minX, subpixelScale)));
    const int lastColumn = int(std::min<int64_t>(target.width - 1, floorDiv(maxX, subpixelScale)));
    const int firstRow = int(std::max<int64_t>(0, ceilDiv(minY, subpixelScale)));
    const int lastRow = int(std::min<int64_t>(target.height - 1, floorDiv(maxY, subpixelScale)));
    if (firstColumn > lastColumn || firstRow > lastRow) {
        return;
    }

    const Edge opposite[3] = {makeEdge(p[1], p[2]), makeEdge(p[2], p[0]), makeEdge(p[0], p[1])};
    int64_t us[3];
    int64_t vs[3];
    for (int i = 0; i < 3; ++i) {
        us[i] = fixedTexelCoordinate(corners[order[i]].u, texture.width);
        vs[i] = fixedTexelCoordinate(corners[order[i]].v, texture.height);
    }
    SpanPainter painter(target, texture, pipeline, makePlane(opposite, us, twiceArea),
                        makePlane(opposite, vs, twiceArea), firstRow, firstColumn, lastColumn);
    EdgeWalker walkers[3];
    for (int i = 0; i < 3; ++i) {
        walkers[i].start(opposite[i], firstRow);
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        int64_t left = firstColumn;
        int64_t right = lastColumn;
        for (EdgeWalker& walker : walkers) {
            walker.clip(left, right);
            walker.advance();
        }
        if (left <= right) {
            painter.paint(row, int(left), int(right));
        }
    }
}

} // namespace d3d9_internal
