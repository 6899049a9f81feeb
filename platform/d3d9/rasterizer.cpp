#include "platform/d3d9/rasterizer.h"
#include "platform/d3d9/exact_steppers.h"

#include <algorithm>
#include <cmath>

namespace d3d9_internal {

namespace {

const int subpixelBits = 8;
const int64_t subpixelScale = int64_t(1) << subpixelBits;
// Beyond these the exact arithmetic below could overflow.
const float coordinateLimit = 32768.0f;
const double texelCoordinateLimit = double(1 << 24);
// Texels are fetched and written in runs of at most this many.
const int runLength = 256;

struct FixedPoint {
    int64_t x = 0;
    int64_t y = 0;
};

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

// The edge from one corner to the next as a * px + b * py + c over pixel
// centres (px, py): positive inside a clockwise triangle. A centre exactly on
// the edge is inside only on a top or left edge, hence the bias.
struct Edge {
    int64_t a = 0;
    int64_t b = 0;
    int64_t c = 0;
    int64_t bias = 0;
};

Edge makeEdge(const FixedPoint& from, const FixedPoint& to) {
    const int64_t dx = to.x - from.x;
    const int64_t dy = to.y - from.y;
    const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
    Edge edge;
    edge.a = -dy * subpixelScale;
    edge.b = dx * subpixelScale;
    edge.c = dy * from.x - dx * from.y;
    edge.bias = topOrLeft ? 0 : 1;
    return edge;
}

// The columns one edge admits, row after row: a sloped or vertical edge
// bounds the span from the left or the right, a horizontal one admits a row
// whole or not at all.
class EdgeWalker {
public:
    void start(const Edge& edge, int row) {
        if (edge.a > 0) {
            kind = Kind::LeftBound;
            bound.start(Wide(edge.bias) - edge.c - Wide(edge.b) * row + edge.a - 1, -Wide(edge.b),
                        edge.a);
        } else if (edge.a < 0) {
            kind = Kind::RightBound;
            bound.start(Wide(edge.b) * row + edge.c - edge.bias, Wide(edge.b), -edge.a);
        } else {
            kind = Kind::Horizontal;
            rowValue = edge.b * row + edge.c - edge.bias;
            rowStep = edge.b;
        }
    }
    void clip(int64_t& left, int64_t& right) const {
        switch (kind) {
        case Kind::LeftBound:
            left = std::max(left, bound.value());
            break;
        case Kind::RightBound:
            right = std::min(right, bound.value());
            break;
        case Kind::Horizontal:
            if (rowValue < 0) {
                right = left - 1;
            }
            break;
        }
    }
    void advance() {
        bound.advance();
        rowValue += rowStep;
    }

private:
    enum class Kind { LeftBound, RightBound, Horizontal };
    Kind kind = Kind::Horizontal;
    FloorStepper bound;
    int64_t rowValue = 0;
    int64_t rowStep = 0;
};

// A texel coordinate over pixel centres: floor((a * px + b * py + c) / d).
struct TexelPlane {
    Wide a = 0;
    Wide b = 0;
    Wide c = 0;
    int64_t d = 1;

    Wide numeratorAt(int64_t px, int64_t py) const { return a * px + b * py + c; }
};

// Interpolates the corners' values with barycentric weights: each corner's
// weight is the edge opposite it, and the weights sum to twice the area.
TexelPlane makePlane(const Edge (&opposite)[3], const int64_t (&values)[3], int64_t twiceArea) {
    TexelPlane plane;
    for (int i = 0; i < 3; ++i) {
        plane.a += Wide(values[i]) * opposite[i].a;
        plane.b += Wide(values[i]) * opposite[i].b;
        plane.c += Wide(values[i]) * opposite[i].c;
    }
    plane.d = twiceArea * subpixelScale;
    return plane;
}

int clampIndex(int64_t index, int size) {
    return index < 0 ? 0 : (index >= size ? size - 1 : int(index));
}

struct SpanPainter {
    const RenderTarget& target;
    const TexelSource& texture;
    const PixelPipeline& pipeline;
    TexelPlane u;
    TexelPlane v;

    void paint(int row, int left, int right) const {
        FloorStepper column;
        FloorStepper texelRow;
        column.start(u.numeratorAt(left, row), u.a, u.d);
        texelRow.start(v.numeratorAt(left, row), v.a, v.d);
        uint32_t* out = target.pixels + size_t(row) * target.width;
        uint32_t run[runLength];
        for (int x = left; x <= right; x += runLength) {
            const int count = std::min(runLength, right - x + 1);
            for (int i = 0; i < count; ++i) {
                const int tx = clampIndex(column.value(), texture.width);
                const int ty = clampIndex(texelRow.value(), texture.height);
                run[i] = texture.texels[size_t(ty) * texture.width + tx];
                column.advance();
                texelRow.advance();
            }
            pipeline.shade(run, count);
            pipeline.write(out + x, run, count);
        }
    }
};

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
    const Edge opposite[3] = {makeEdge(p[1], p[2]), makeEdge(p[2], p[0]), makeEdge(p[0], p[1])};
    int64_t us[3];
    int64_t vs[3];
    for (int i = 0; i < 3; ++i) {
        us[i] = fixedTexelCoordinate(corners[order[i]].u, texture.width);
        vs[i] = fixedTexelCoordinate(corners[order[i]].v, texture.height);
    }
    const SpanPainter painter{target, texture, pipeline, makePlane(opposite, us, twiceArea),
                              makePlane(opposite, vs, twiceArea)};

    const int64_t minY = std::min({p[0].y, p[1].y, p[2].y});
    const int64_t maxY = std::max({p[0].y, p[1].y, p[2].y});
    const int firstRow = int(std::max<int64_t>(0, -floorDiv(-minY, subpixelScale)));
    const int lastRow = int(std::min<int64_t>(target.height - 1, floorDiv(maxY, subpixelScale)));
    if (firstRow > lastRow) {
        return;
    }
    EdgeWalker walkers[3];
    for (int i = 0; i < 3; ++i) {
        walkers[i].start(opposite[i], firstRow);
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        int64_t left = 0;
        int64_t right = target.width - 1;
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
