// An image as the decoders hand it on: 0xAARRGGBB texels, row-major, written
// into rows that whoever asked for the image provides once its size is known.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace loader {

// The largest side accepted, the largest texture the device makes. A header
// declaring more is refused before any pixel memory is taken, so a few bytes
// cannot make the loader allocate gigabytes.
constexpr uint32_t kMaxImageSide = 4096;

struct ImageShape {
    uint32_t width = 0;
    uint32_t height = 0;
    bool hasAlpha = false; // the file carries transparency of its own
};

// Where a decoder writes: `width` texels a row, each row's start
// `strideInTexels` texels after the one before (Direct3D's pitch counts bytes).
struct ImageRows {
    uint32_t* first = nullptr;
    size_t strideInTexels = 0;

    uint32_t* row(uint32_t y) const { return first + size_t(y) * strideInTexels; }
};

// Asked once a file's header has told the image's shape, before any pixel
// memory is taken; rows without a first one stop the decoding. The texture
// loader makes its texture here and has the image decoded straight into it,
// and an image the device has no room for costs no decoding.
typedef std::function<ImageRows(const ImageShape& shape)> RowsForImage;

// True for a size within kMaxImageSide.
bool admitsSize(uint32_t width, uint32_t height);

// A row whose texels' bytes hold 8-bit R, G, B and A in that order, as a
// decoder wrote them, becomes 0xAARRGGBB in place.
void repackRgbaRow(uint32_t* row, uint32_t width);
// One decoded row of 8-bit RGB samples written as opaque texels.
void writeRgbRow(const uint8_t* rgb, uint32_t width, uint32_t* row);

} // namespace loader
