// An image as the decoders hand it on: 0xAARRGGBB texels, row-major, no padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace loader {

// The largest side accepted. A header declaring more is refused before any
// pixel memory is taken, so a few bytes cannot make the loader allocate gigabytes.
constexpr uint32_t kMaxImageSide = 8192;

struct DecodedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    bool hasAlpha = false; // the file carries transparency of its own
    std::vector<uint32_t> texels;
};

bool isAcceptedSize(uint32_t width, uint32_t height);

// Append one decoded row of 8-bit samples as texels.
void appendRgbaRow(const uint8_t* rgba, uint32_t width, std::vector<uint32_t>& texels);
void appendRgbRow(const uint8_t* rgb, uint32_t width, std::vector<uint32_t>& texels);

} // namespace loader
