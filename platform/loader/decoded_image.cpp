// Packing decoded samples into texels.
#include "platform/loader/decoded_image.h"

#include <cstring>

namespace loader {

namespace {

uint32_t argb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

} // namespace

bool admitsSize(uint32_t width, uint32_t height, const SizeCheck& check) {
    const bool accepted =
        width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
    return accepted && (!check || check(width, height));
}

void repackRgba(std::vector<uint32_t>& texels) {
    for (uint32_t& texel : texels) {
        uint8_t rgba[4];
        std::memcpy(rgba, &texel, sizeof rgba);
        texel = argb(rgba[3], rgba[0], rgba[1], rgba[2]);
    }
}

void appendRgbRow(const uint8_t* rgb, uint32_t width, std::vector<uint32_t>& texels) {
    size_t start = texels.size();
    texels.resize(start + width);
    for (uint32_t x = 0; x < width; ++x, rgb += 3)
        texels[start + x] = argb(0xFF, rgb[0], rgb[1], rgb[2]);
}

} // namespace loader
