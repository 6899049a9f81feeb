// The edges of a convex polygon (a triangle or a quad) in fixed point and the
// span of columns they leave inside it on each row, with the top-left fill
// rule.
#pragma once

#include "platform/d3d9/exact_steppers.h"

#include <cstdint>

namespace d3d9_internal {

const int kSubpixelBits = 8;
const int64_t kSubpixelScale = int64_t(1) << kSubpixelBits;

// A position in 1/256 pixel.
struct FixedPoint {
    int64_t x = 0;
    int64_t y = 0;
};

// The edge from one corner to the next as a * px + b * py + c over pixel
// centres (px, py): positive inside a clockwise polygon. A centre exactly on
// the edge is inside only on a top or left edge, hence the bias.
struct Edge {
    int64_t a = 0;
    int64_t b = 0;
    int64_t c = 0;
    int64_t bias = 0;
};

Edge makeEdge(const FixedPoint& from, const FixedPoint& to);

// The columns one edge admits, row after row: a sloped or vertical edge
// bounds the span from the left or the right, a horizontal one admits a row
// whole or not at all.
class EdgeWalker {
public:
    void start(const Edge& edge, int row);
    // Whether the edge bounds every row at the same column.
    bool vertical() const { return kind != Kind::Horizontal && bound.steady(); }
    // Narrows [left, right] to this row's columns inside the edge. Inline,
    // as they run for every edge on every row.
    void clip(int64_t& left, int64_t& right) const {
        switch (kind) {
        case Kind::LeftBound:
            left = left > bound.value() ? left : bound.value();
            break;
        case Kind::RightBound:
            right = right < bound.value() ? right : bound.value();
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

} // namespace d3d9_internal
