#include "tests/loader/test_images.h"

#include <gtest/gtest.h>

using test_images::Bytes;
using test_images::DecodedImage;
using test_images::PngRecipe;

namespace {

DecodedImage decode(const Bytes& file) {
    DecodedImage image;
    EXPECT_TRUE(test_images::decodeImage(file.data(), file.size(), image));
    return image;
}

PngRecipe recipe(uint32_t width, uint32_t height, int colorType, int bitDepth, Bytes rows) {
    PngRecipe png;
    png.width = width;
    png.height = height;
    png.colorType = colorType;
    png.bitDepth = bitDepth;
    png.rows = std::move(rows);
    return png;
}

} // namespace

TEST(DecodePng, RgbaKeepsEveryTexelExactly) {
    const std::vector<uint32_t> argb = {0xFF102030, 0x00FFFFFF, 0x80FF00FF,
                                        0x01020304, 0xFFFFFFFF, 0x00000000};
    DecodedImage image = decode(test_images::encodeArgbPng(3, 2, argb));
    EXPECT_EQ(3u, image.width);
    EXPECT_EQ(2u, image.height);
    EXPECT_TRUE(image.hasAlpha);
    EXPECT_EQ(argb, image.texels);
}

TEST(DecodePng, PaletteBecomesRgbaWithItsTransparency) {
    // 4-bit indices 0 1 2 / 2 1 0; entry 2 has no tRNS entry and stays opaque.
    PngRecipe png = recipe(3, 2, PNG_COLOR_TYPE_PALETTE, 4, {0x01, 0x20, 0x21, 0x00});
    png.palette = {{255, 0, 0}, {0, 255, 0}, {255, 0, 255}};
    png.paletteAlpha = {0, 128};
    DecodedImage image = decode(test_images::encodePng(png));
    EXPECT_TRUE(image.hasAlpha);
    EXPECT_EQ((std::vector<uint32_t>{0x00FF0000, 0x8000FF00, 0xFFFF00FF, 0xFFFF00FF, 0x8000FF00,
                                     0x00FF0000}),
              image.texels);

    png.paletteAlpha.clear();
    image = decode(test_images::encodePng(png));
    EXPECT_FALSE(image.hasAlpha);
    EXPECT_EQ(0xFFFF0000u, image.texels[0]);
}

TEST(DecodePng, GreyImagesBecomeGreyTexels) {
    DecodedImage grey =
        decode(test_images::encodePng(recipe(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 0x7F})));
    EXPECT_FALSE(grey.hasAlpha);
    EXPECT_EQ((std::vector<uint32_t>{0xFF000000, 0xFF7F7F7F}), grey.texels);

    DecodedImage bits =
        decode(test_images::encodePng(recipe(3, 1, PNG_COLOR_TYPE_GRAY, 1, {0xA0})));
    EXPECT_EQ((std::vector<uint32_t>{0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}), bits.texels);

    DecodedImage greyAlpha =
        decode(test_images::encodePng(recipe(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x40, 0x80})));
    EXPECT_TRUE(greyAlpha.hasAlpha);
    EXPECT_EQ((std::vector<uint32_t>{0x80404040}), greyAlpha.texels);

    PngRecipe keyed = recipe(2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 0x7F});
    keyed.hasKeyColor = true;
    keyed.keyColor.gray = 0x7F;
    DecodedImage greyKeyed = decode(test_images::encodePng(keyed));
    EXPECT_TRUE(greyKeyed.hasAlpha);
    EXPECT_EQ((std::vector<uint32_t>{0xFF000000, 0x007F7F7F}), greyKeyed.texels);
}

TEST(DecodePng, SixteenBitSamplesBecomeEightBits) {
    // Each sample is n * 257, which is exactly n in eight bits.
    PngRecipe rgba = recipe(1, 2, PNG_COLOR_TYPE_RGBA, 16,
                            {0xFF, 0xFF, 0x00, 0x00, 0x80, 0x80, 0xFF, 0xFF, 0x12, 0x12, 0x34, 0x34,
                             0x56, 0x56, 0x78, 0x78});
    EXPECT_EQ((std::vector<uint32_t>{0xFFFF0080, 0x78123456}),
              decode(test_images::encodePng(rgba)).texels);

    PngRecipe rgb = recipe(1, 1, PNG_COLOR_TYPE_RGB, 16, {0xAB, 0xAB, 0xCD, 0xCD, 0xEF, 0xEF});
    DecodedImage opaque = decode(test_images::encodePng(rgb));
    EXPECT_FALSE(opaque.hasAlpha);
    EXPECT_EQ((std::vector<uint32_t>{0xFFABCDEF}), opaque.texels);

    PngRecipe greyAlpha = recipe(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 16, {0xAB, 0xAB, 0xCD, 0xCD});
    EXPECT_EQ((std::vector<uint32_t>{0xCDABABAB}),
              decode(test_images::encodePng(greyAlpha)).texels);
}

TEST(DecodePng, InterlacedImageComesOutWhole) {
    std::vector<uint32_t> argb;
    for (uint32_t i = 0; i < 9 * 7; ++i)
        argb.push_back(0x01000000u * (255 - i) + 0x00010203u * i);
    PngRecipe png = recipe(9, 7, PNG_COLOR_TYPE_RGBA, 8, {});
    for (uint32_t texel : argb)
        png.rows.insert(png.rows.end(), {uint8_t(texel >> 16), uint8_t(texel >> 8), uint8_t(texel),
                                         uint8_t(texel >> 24)});
    png.interlaced = true;
    EXPECT_EQ(argb, decode(test_images::encodePng(png)).texels);
}

TEST(DecodePng, SidesUpTo4096AreAccepted) {
    auto greyPng = [](uint32_t width, uint32_t height) {
        return test_images::encodePng(
            recipe(width, height, PNG_COLOR_TYPE_GRAY, 8, Bytes(size_t(width) * height, 0x55)));
    };
    DecodedImage wide = decode(greyPng(4096, 1));
    EXPECT_EQ(4096u, wide.width);
    EXPECT_EQ(0xFF555555u, wide.texels.back());

    for (const Bytes& file : {greyPng(4097, 1), greyPng(1, 4097)}) {
        DecodedImage refused;
        EXPECT_FALSE(test_images::decodeImage(file.data(), file.size(), refused));
    }
}
