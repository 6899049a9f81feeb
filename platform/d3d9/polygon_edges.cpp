#include "platform/d3d9/polygon_edges.h"

namespace d3d9_internal {

Edge makeEdge(const FixedPoint& from, const FixedPoint& to) {
    const int64_t dx = to.x - from.x;
    const int64_t dy = to.y - from.y;
    const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
    Edge edge;
    edge.a = -dy * kSubpixelScale;
    edge.b = dx * kSubpixelScale;
    edge.c = dy * from.x - dx * from.y;
    edge.bias = topOrLeft ? 0 : 1;
    return edge;
}

void EdgeWalker::start(const Edge& edge, int row) {
    // Inside means a * px + b * py + c >= bias; solved for px on each row.
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

} // namespace d3d9_internal
