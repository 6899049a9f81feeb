#include "platform/d3d9/span_painter.h"

#include <algorithm>

namespace d3d9_internal {

namespace {

// Texels are fetched and written in runs of at most this many.
const int kRunLength = 256;

int clampIndex(int64_t index, int size) {
    return index < 0 ? 0 : (index >= size ? size - 1 : int(index));
}

// Scratch for the column table, grown once to the widest target drawn.
std::vector<int>& columnTable() {
    thread_local std::vector<int> table;
    return table;
}

} // namespace

TexelPlane makePlane(const Edge (&opposite)[3], const int64_t (&values)[3], int64_t twiceArea) {
    TexelPlane plane;
    for (int i = 0; i < 3; ++i) {
        plane.a += Wide(values[i]) * opposite[i].a;
        plane.b += Wide(values[i]) * opposite[i].b;
        plane.c += Wide(values[i]) * opposite[i].c;
    }
    plane.d = twiceArea * kSubpixelScale;
    return plane;
}

SpanPainter::SpanPainter(const RenderTarget& target, const TexelSource& texture,
                         const PixelPipeline& pipeline, const TexelPlane& u, const TexelPlane& v,
                         int firstRow, int firstColumn, int lastColumn)
    : target(target), texture(texture), pipeline(pipeline), u(u), v(v),
      axisAligned(u.b == 0 && v.a == 0), firstColumn(firstColumn), lastColumn(lastColumn),
      currentRow(firstRow), columns(columnTable()) {
    if (!axisAligned) {
        return;
    }
    texelRow.start(v.numeratorAt(0, firstRow), v.b, v.d);
    texelPerPixel = u.a == u.d;
    if (texelPerPixel) {
        FloorStepper column;
        column.start(u.numeratorAt(firstColumn, 0), u.a, u.d);
        firstTexelColumn = column.value();
    } else {
        makeColumnTable();
    }
}

void SpanPainter::makeColumnTable() {
    const int width = lastColumn - firstColumn + 1;
    if (int(columns.size()) < width) {
        columns.resize(size_t(width));
    }
    FloorStepper column;
    column.start(u.numeratorAt(firstColumn, 0), u.a, u.d);
    for (int i = 0; i < width; ++i) {
        columns[size_t(i)] = clampIndex(column.value(), texture.width);
        column.advance();
    }
    hasColumnTable = true;
}

void SpanPainter::paint(int row, int left, int right) {
    if (axisAligned) {
        paintAxisAligned(row, left, right);
    } else {
        paintGeneral(row, left, right);
    }
}

void SpanPainter::paintAxisAligned(int row, int left, int right) {
    for (; currentRow < row; ++currentRow) {
        texelRow.advance();
    }
    const size_t rowStart = size_t(clampIndex(texelRow.value(), texture.height)) * texture.width;
    const uint32_t* texels = texture.texels + rowStart;
    uint32_t* out = target.pixels + size_t(row) * target.width;
    if (texelPerPixel && !pipeline.shades()) {
        const int64_t first = firstTexelColumn + (left - firstColumn);
        if (first >= 0 && first + (right - left) < texture.width) {
            pipeline.writeTexelRow(out + left, texels + first, texture.alphaRuns + rowStart + first,
                                   right - left + 1);
            return;
        }
    }
    if (!hasColumnTable) {
        makeColumnTable();
    }
    const int* column = columns.data() + (left - firstColumn);
    uint32_t run[kRunLength];
    for (int x = left; x <= right; x += kRunLength) {
        const int count = std::min(kRunLength, right - x + 1);
        for (int i = 0; i < count; ++i) {
            run[i] = texels[column[x - left + i]];
        }
        writeRun(out + x, run, count);
    }
}

void SpanPainter::paintGeneral(int row, int left, int right) const {
    FloorStepper column;
    FloorStepper rowOfTexel;
    column.start(u.numeratorAt(left, row), u.a, u.d);
    rowOfTexel.start(v.numeratorAt(left, row), v.a, v.d);
    uint32_t* out = target.pixels + size_t(row) * target.width;
    uint32_t run[kRunLength];
    for (int x = left; x <= right; x += kRunLength) {
        const int count = std::min(kRunLength, right - x + 1);
        for (int i = 0; i < count; ++i) {
            const int tx = clampIndex(column.value(), texture.width);
            const int ty = clampIndex(rowOfTexel.value(), texture.height);
            run[i] = texture.texels[size_t(ty) * texture.width + tx];
            column.advance();
            rowOfTexel.advance();
        }
        writeRun(out + x, run, count);
    }
}

void SpanPainter::writeRun(uint32_t* out, uint32_t* run, int count) const {
    pipeline.shade(run, count);
    pipeline.write(out, run, count);
}

} // namespace d3d9_internal
