// Test images made on the spot with libpng and libjpeg, and a scratch folder
// to write them to, so no binary image needs to be kept in the repository.
#pragma once

#include "platform/loader/image_rows.h"

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

namespace test_images {

typedef std::vector<uint8_t> Bytes;

// An image decoded into memory of its own, to look at what the decoders write.
struct DecodedImage : loader::ImageShape {
    std::vector<uint32_t> texels; // no padding between rows
};

// Decodes into memory that stays untouched where no data reaches, as a texture's does, so a file
// that ends early costs only what it filled; copied into the image only when whole.
bool decodeImage(const uint8_t* data, size_t size, DecodedImage& image);

// A PNG as it is stored: rows packed in the file's own layout (16-bit samples
// big-endian), height rows of the row size that colour type and depth give.
struct PngRecipe {
    uint32_t width = 0;
    uint32_t height = 0;
    int colorType = PNG_COLOR_TYPE_RGBA;
    int bitDepth = 8;
    Bytes rows;
    std::vector<png_color> palette;
    Bytes paletteAlpha;       // tRNS of a palette image, one entry per palette index
    bool hasKeyColor = false; // tRNS of a grey or RGB image
    png_color_16 keyColor = {};
    bool interlaced = false;
};

Bytes encodePng(const PngRecipe& recipe);
// An 8-bit RGBA PNG from 0xAARRGGBB texels.
Bytes encodeArgbPng(uint32_t width, uint32_t height, const std::vector<uint32_t>& argb);

// A JPEG of quality 95 from 8-bit samples, one (grey) or three (RGB) per pixel.
Bytes encodeJpeg(uint32_t width, uint32_t height, int components, const Bytes& samples,
                 bool progressive = false);

// A progressive grey JPEG of 64 to 883 scans: the DC, then every AC coefficient
// in a band of its own, refined bit by bit as far as the count allows.
Bytes encodeManyScanJpeg(uint32_t side, int scanCount);

// A PNG that declares the given size and ends where its image data begins: a
// valid IHDR, an empty IDAT and IEND.
Bytes pngHeaderClaiming(uint32_t width, uint32_t height);
// The PNG with `count` zTXt chunks of `zeros` zero bytes after its IHDR.
Bytes withTextBombs(Bytes png, int count, size_t zeros);
// A 1 x 1 PNG header followed by a chunk that declares `length` bytes and holds 16.
Bytes pngWithChunkClaiming(const char* type, uint32_t length);
// The JPEG with the size in its frame header replaced.
Bytes withJpegSizeClaim(Bytes jpeg, uint16_t width, uint16_t height);

} // namespace test_images
