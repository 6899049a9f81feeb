// Fills the spans of one triangle or quad: finds each pixel's texel, runs
// texture stage 0 and blends into the target.
#pragma once

#include "platform/d3d9/exact_steppers.h"
#include "platform/d3d9/rasterizer.h"
#include "platform/d3d9/polygon_edges.h"

#include <vector>

namespace d3d9_internal {

// A texel coordinate over pixel centres: floor((a * px + b * py + c) / d).
struct TexelPlane {
    Wide a = 0;
    Wide b = 0;
    Wide c = 0;
    int64_t d = 1;

    Wide numeratorAt(int64_t px, int64_t py) const { return a * px + b * py + c; }
};

// Interpolates the corners' values (in 1/256 texel) with barycentric
// weights: each corner's weight is the edge opposite it, and the weights sum
// to twice the area.
TexelPlane makePlane(const Edge (&opposite)[3], const int64_t (&values)[3], int64_t twiceArea);

class SpanPainter {
public:
    // The polygon covers rows from firstRow on and columns firstColumn to
    // lastColumn at most.
    SpanPainter(const RenderTarget& target, const TexelSource& texture,
                const PixelPipeline& pipeline, const TexelPlane& u, const TexelPlane& v,
                int firstRow, int firstColumn, int lastColumn);

    // Rows come in increasing order.
    void paint(int row, int left, int right);

private:
    void paintAxisAligned(int row, int left, int right);
    void makeColumnTable();
    void paintGeneral(int row, int left, int right) const;
    void writeRun(uint32_t* out, uint32_t* run, int count) const;

    const RenderTarget& target;
    const TexelSource& texture;
    const PixelPipeline& pipeline;
    TexelPlane u;
    TexelPlane v;

    // When u depends on the column alone and v on the row alone (every quad
    // the game draws), the texel row steps down with the rows and each
    // column's texel column is found once. Where a pixel is a texel wide
    // (most of the game's images) a span reads a stretch of a texel row as
    // it stands, and the table is made only for spans that reach past the
    // texture's edge.
    bool axisAligned = false;
    int firstColumn = 0;
    int lastColumn = 0;
    FloorStepper texelRow;
    int currentRow = 0;
    bool texelPerPixel = false;
    int64_t firstTexelColumn = 0;
    bool hasColumnTable = false;
    std::vector<int>& columns;
};

} // namespace d3d9_internal
