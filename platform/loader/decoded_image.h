// An image as the decoders hand it on: 0xAARRGGBB texels, row-major, no padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace loader {

// The largest side accepted, the largest texture the device makes. A header
// declaring more is refused before any pixel memory is taken, so a few bytes
// cannot make the loader allocate gigabytes.
constexpr uint32_t kMaxImageSide = 4096;

struct DecodedImage {
    uint32_t width = 0;
    uint32_t height = 0;
    bool hasAlpha = false; // the file carries transparency of its own
    std::vector<uint32_t> texels;
};

// Asked once a file's header has told the image's size, before any pixel
// memory is taken; false stops the decoding. The texture loader asks the
// device here, so an image the device has no room for costs no decoding.
typedef std::function<bool(uint32_t width, uint32_t height)> SizeCheck;

// True for a size within kMaxImageSide that `check`, when given, lets through.
bool admitsSize(uint32_t width, uint32_t height, const SizeCheck& check);

// Texels whose bytes hold 8-bit R, G, B and A in that order, as a decoder wrote them, become
// 0xAARRGGBB in place.
void repackRgba(std::vector<uint32_t>& texels);
// Append one decoded row of 8-bit RGB samples as opaque texels.
void appendRgbRow(const uint8_t* rgb, uint32_t width, std::vector<uint32_t>& texels);

} // namespace loader
