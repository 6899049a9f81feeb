#include "platform/d3d9/rasterizer.h"
#include "platform/d3d9/span_painter.h"
#include "platform/d3d9/polygon_edges.h"

#include <algorithm>
#include <cmath>

namespace d3d9_internal {

namespace {

// Beyond these the exact arithmetic could overflow.
const float kCoordinateLimit = 32768.0f;
const double kTexelCoordinateLimit = double(1 << 24);

// A corner in fixed point: its position in 1/256 pixel, its texture
// coordinates in 1/256 texel.
struct Corner {
    FixedPoint position;
    int64_t s = 0;
    int64_t t = 0;
};

// A texture coordinate in texel space, in 1/256 texel.
int64_t fixedTexelCoordinate(float coordinate, int size) {
    double texels = double(coordinate) * size;
    if (!(std::fabs(texels) <= kTexelCoordinateLimit)) {
        texels = std::isnan(texels) ? 0.0 : std::copysign(kTexelCoordinateLimit, texels);
    }
    return std::llround(texels * kSubpixelScale);
}

bool snap(const ScreenVertex& vertex, const TexelSource& texture, Corner& corner) {
    // The negated test also refuses NaN.
    if (!(std::fabs(vertex.x) <= kCoordinateLimit && std::fabs(vertex.y) <= kCoordinateLimit)) {
        return false;
    }
    corner.position.x = std::llround(double(vertex.x) * kSubpixelScale);
    corner.position.y = std::llround(double(vertex.y) * kSubpixelScale);
    corner.s = fixedTexelCoordinate(vertex.u, texture.width);
    corner.t = fixedTexelCoordinate(vertex.v, texture.height);
    return true;
}

bool snapAll(const ScreenVertex (&vertices)[3], const TexelSource& texture, Corner (&corners)[3]) {
    for (int i = 0; i < 3; ++i) {
        if (!snap(vertices[i], texture, corners[i])) {
            return false;
        }
    }
    return true;
}

// Whether the second triangle is the far half of the parallelogram whose
// first half is (a, b, c): (b, b + c - a, c) in position and texture.
bool completesParallelogram(const Corner (&first)[3], const Corner (&second)[3]) {
    const auto same = [](const Corner& x, const Corner& y) {
        return x.position.x == y.position.x && x.position.y == y.position.y && x.s == y.s &&
               x.t == y.t;
    };
    const Corner& a = first[0];
    const Corner& b = first[1];
    const Corner& c = first[2];
    const Corner& d = second[1];
    return same(second[0], b) && same(second[2], c) &&
           d.position.x == b.position.x + c.position.x - a.position.x &&
           d.position.y == b.position.y + c.position.y - a.position.y && d.s == b.s + c.s - a.s &&
           d.t == b.t + c.t - a.t;
}

int64_t floorDiv(int64_t n, int64_t d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

int64_t ceilDiv(int64_t n, int64_t d) {
    return -floorDiv(-n, d);
}

// Twice the signed area of the triangle; positive is clockwise on the
// screen, y growing downwards.
int64_t twiceSignedArea(const FixedPoint& a, const FixedPoint& b, const FixedPoint& c) {
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

// Fills a convex polygon of three or four corners in order around it; its
// texture coordinates are one affine map, so its first three corners give it.
void fillPolygon(const RenderTarget& target, const Corner* given, int count, DWORD cullMode,
                 const TexelSource& texture, const PixelPipeline& pipeline) {
    const int64_t area = twiceSignedArea(given[0].position, given[1].position, given[2].position);
    if (area == 0 || (cullMode == D3DCULL_CCW && area < 0) ||
        (cullMode == D3DCULL_CW && area > 0)) {
        return;
    }
    // Walked the other way round, a counter-clockwise polygon is clockwise.
    Corner corners[4];
    for (int i = 0; i < count; ++i) {
        corners[i] = area > 0 ? given[i] : given[count - 1 - i];
    }
    const int64_t twiceArea = area > 0 ? area : -area;

    int64_t minX = corners[0].position.x;
    int64_t maxX = minX;
    int64_t minY = corners[0].position.y;
    int64_t maxY = minY;
    for (int i = 1; i < count; ++i) {
        minX = std::min(minX, corners[i].position.x);
        maxX = std::max(maxX, corners[i].position.x);
        minY = std::min(minY, corners[i].position.y);
        maxY = std::max(maxY, corners[i].position.y);
    }
    const RECT& clip = target.clip;
    const int firstColumn = int(std::max<int64_t>(clip.left, ceilDiv(minX, kSubpixelScale)));
    const int lastColumn = int(std::min<int64_t>(clip.right - 1, floorDiv(maxX, kSubpixelScale)));
    const int firstRow = int(std::max<int64_t>(clip.top, ceilDiv(minY, kSubpixelScale)));
    const int lastRow = int(std::min<int64_t>(clip.bottom - 1, floorDiv(maxY, kSubpixelScale)));
    if (firstColumn > lastColumn || firstRow > lastRow) {
        return;
    }

    const FixedPoint& p0 = corners[0].position;
    const FixedPoint& p1 = corners[1].position;
    const FixedPoint& p2 = corners[2].position;
    const Edge opposite[3] = {makeEdge(p1, p2), makeEdge(p2, p0), makeEdge(p0, p1)};
    const int64_t us[3] = {corners[0].s, corners[1].s, corners[2].s};
    const int64_t vs[3] = {corners[0].t, corners[1].t, corners[2].t};
    SpanPainter painter(target, texture, pipeline, makePlane(opposite, us, twiceArea),
                        makePlane(opposite, vs, twiceArea), firstRow, firstColumn, lastColumn);
    // A vertical edge bounds every row alike: it narrows the columns once and
    // only the other edges are walked (none but the top and bottom of the
    // game's quads).
    int64_t steadyLeft = firstColumn;
    int64_t steadyRight = lastColumn;
    EdgeWalker walkers[4];
    int walked = 0;
    for (int i = 0; i < count; ++i) {
        EdgeWalker& walker = walkers[walked];
        walker.start(makeEdge(corners[i].position, corners[(i + 1) % count].position), firstRow);
        if (walker.vertical()) {
            walker.clip(steadyLeft, steadyRight);
        } else {
            ++walked;
        }
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        int64_t left = steadyLeft;
        int64_t right = steadyRight;
        for (int i = 0; i < walked; ++i) {
            walkers[i].clip(left, right);
            walkers[i].advance();
        }
        if (left <= right) {
            painter.paint(row, int(left), int(right));
        }
    }
}

} // namespace

int drawTriangles(const RenderTarget& target, const ScreenVertex (&first)[3],
                  const ScreenVertex (*next)[3], DWORD cullMode, const TexelSource& texture,
                  const PixelPipeline& pipeline) {
    Corner triangle[3];
    if (!snapAll(first, texture, triangle)) {
        return 1;
    }
    Corner following[3];
    if (next != nullptr && snapAll(*next, texture, following) &&
        completesParallelogram(triangle, following)) {
        const Corner quad[4] = {triangle[0], triangle[1], following[1], triangle[2]};
        fillPolygon(target, quad, 4, cullMode, texture, pipeline);
        return 2;
    }
    fillPolygon(target, triangle, 3, cullMode, texture, pipeline);
    return 1;
}

} // namespace d3d9_internal
