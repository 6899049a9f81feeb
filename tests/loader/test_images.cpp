#include "tests/loader/test_images.h"

#include "platform/loader/image_decoder.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>
#include <zlib.h>

namespace test_images {

bool decodeImage(const uint8_t* data, size_t size, DecodedImage& image) {
    std::unique_ptr<uint32_t, decltype(&std::free)> texels(nullptr, &std::free);
    const bool decoded =
        loader::decodeImage(data, size, image, [&texels](const loader::ImageShape& shape) {
            const size_t count = size_t(shape.width) * shape.height;
            texels.reset(static_cast<uint32_t*>(std::calloc(count, sizeof(uint32_t))));
            return loader::ImageRows{texels.get(), shape.width};
        });
    if (decoded)
        image.texels.assign(texels.get(), texels.get() + size_t(image.width) * image.height);
    return decoded;
}

namespace {

void appendToBytes(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

void putBigEndian32(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

void putChunk(Bytes& out, const char* type, const Bytes& data) {
    putBigEndian32(out, uint32_t(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBigEndian32(out, uint32_t(crc32(0, typed.data(), uInt(typed.size()))));
}

} // namespace

// Writing a well-formed image cannot fail, so libpng's and libjpeg's default
// error handling (abort or exit) is good enough here.
Bytes encodePng(const PngRecipe& recipe) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, appendToBytes, flushNothing);
    png_set_IHDR(png, info, recipe.width, recipe.height, recipe.bitDepth, recipe.colorType,
                 recipe.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!recipe.palette.empty())
        png_set_PLTE(png, info, recipe.palette.data(), int(recipe.palette.size()));
    if (!recipe.paletteAlpha.empty())
        png_set_tRNS(png, info, recipe.paletteAlpha.data(), int(recipe.paletteAlpha.size()),
                     nullptr);
    if (recipe.hasKeyColor)
        png_set_tRNS(png, info, nullptr, 0, &recipe.keyColor);
    png_write_info(png, info);
    const size_t rowBytes = recipe.rows.size() / recipe.height;
    std::vector<png_bytep> rows(recipe.height);
    for (uint32_t y = 0; y < recipe.height; ++y)
        rows[y] = const_cast<png_bytep>(&recipe.rows[y * rowBytes]);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes encodeArgbPng(uint32_t width, uint32_t height, const std::vector<uint32_t>& argb) {
    PngRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    for (uint32_t texel : argb) {
        recipe.rows.push_back(uint8_t(texel >> 16));
        recipe.rows.push_back(uint8_t(texel >> 8));
        recipe.rows.push_back(uint8_t(texel));
        recipe.rows.push_back(uint8_t(texel >> 24));
    }
    return encodePng(recipe);
}

namespace {

Bytes compressJpeg(uint32_t width, uint32_t height, int components, const Bytes& samples,
                   bool progressive, const std::vector<jpeg_scan_info>& scans) {
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = width;
    encoder.image_height = height;
    encoder.input_components = components;
    encoder.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&encoder);
    if (!scans.empty()) {
        encoder.scan_info = scans.data();
        encoder.num_scans = int(scans.size());
    }
    jpeg_start_compress(&encoder, TRUE);
    while (encoder.next_scanline < height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(&samples[size_t(encoder.next_scanline) * width * components]);
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&encoder);
    std::free(buffer);
    return out;
}

} // namespace

Bytes encodeJpeg(uint32_t width, uint32_t height, int components, const Bytes& samples,
                 bool progressive) {
    return compressJpeg(width, height, components, samples, progressive, {});
}

Bytes encodeManyScanJpeg(uint32_t side, int scanCount) {
    std::vector<jpeg_scan_info> scans = {{1, {0}, 0, 0, 0, 0}};
    const int refinements = scanCount - 64;
    for (int band = 1; band < 64; ++band) {
        const int bits = refinements / 63 + (band <= refinements % 63);
        scans.push_back({1, {0}, band, band, 0, bits});
        for (int bit = bits; bit > 0; --bit)
            scans.push_back({1, {0}, band, band, bit, bit - 1});
    }
    Bytes samples(size_t(side) * side);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = uint8_t(i * 37);
    return compressJpeg(side, side, 1, samples, false, scans);
}

Bytes pngHeaderClaiming(uint32_t width, uint32_t height) {
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBigEndian32(header, width);
    putBigEndian32(header, height);
    header.insert(header.end(), {8, PNG_COLOR_TYPE_RGBA, 0, 0, 0});
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", {});
    putChunk(out, "IEND", {});
    return out;
}

Bytes withTextBombs(Bytes png, int count, size_t zeros) {
    uLongf packedSize = compressBound(uLong(zeros));
    Bytes text = {'k', 0, 0};
    text.resize(text.size() + packedSize);
    const Bytes plain(zeros, 0);
    compress2(&text[3], &packedSize, plain.data(), uLong(zeros), 9);
    text.resize(3 + packedSize);
    Bytes chunk;
    putChunk(chunk, "zTXt", text);
    const size_t afterHeader = 8 + 25; // the signature and IHDR
    for (int i = 0; i < count; ++i)
        png.insert(png.begin() + afterHeader, chunk.begin(), chunk.end());
    return png;
}

Bytes pngWithChunkClaiming(const char* type, uint32_t length) {
    Bytes out = pngHeaderClaiming(1, 1);
    out.resize(out.size() - 24); // without its IDAT and IEND
    putBigEndian32(out, length);
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), 16, 'x');
    return out;
}

Bytes withJpegSizeClaim(Bytes jpeg, uint16_t width, uint16_t height) {
    for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
        const bool frameHeader = jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2);
        if (!frameHeader)
            continue;
        jpeg[i + 5] = uint8_t(height >> 8);
        jpeg[i + 6] = uint8_t(height);
        jpeg[i + 7] = uint8_t(width >> 8);
        jpeg[i + 8] = uint8_t(width);
        return jpeg;
    }
    throw std::runtime_error("no frame header in the JPEG");
}

} // namespace test_images
