// Packing decoded samples into texels.
#include "platform/loader/image_rows.h"

#include <cstring>

namespace loader {

namespace {

uint32_t argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

} // namespace

bool admitsSize(uint32_t width, uint32_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

void repackRgbaRow(uint32_t* row, uint32_t width) {
    for (uint32_t x = 0; x < width; ++x) {
        uint8_t rgba[4];
        std::memcpy(rgba, &row[x], sizeof rgba);
        row[x] = argb(rgba[3], rgba[0], rgba[1], rgba[2]);
    }
}

void writeRgbRow(const uint8_t* rgb, uint32_t width, uint32_t* row) {
    for (uint32_t x = 0; x < width; ++x, rgb += 3)
        row[x] = argb(0xFF, rgb[0], rgb[1], rgb[2]);
}

} // namespace loader
