#include "tests/loader/test_images.h"

#include <gtest/gtest.h>

#include <cstdlib>

using test_images::Bytes;
using test_images::DecodedImage;

namespace {

struct Rgb {
    uint8_t r, g, b;
};

// 32 x 32 in four solid 16 x 16 quadrants, so that even subsampled colour
// never mixes two quadrants.
const Rgb kQuadrants[4] = {{220, 30, 30}, {30, 200, 40}, {40, 50, 210}, {200, 150, 100}};

Bytes quadrantJpeg(bool progressive) {
    Bytes samples;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Rgb& colour = kQuadrants[(y / 16) * 2 + x / 16];
            samples.insert(samples.end(), {colour.r, colour.g, colour.b});
        }
    }
    return test_images::encodeJpeg(32, 32, 3, samples, progressive);
}

::testing::AssertionResult isNear(uint32_t texel, Rgb expected) {
    const int channels[3] = {int(texel >> 16 & 0xFF), int(texel >> 8 & 0xFF), int(texel & 0xFF)};
    const int wanted[3] = {expected.r, expected.g, expected.b};
    for (int c = 0; c < 3; ++c) {
        if (std::abs(channels[c] - wanted[c]) > 10)
            return ::testing::AssertionFailure() << std::hex << "texel 0x" << texel;
    }
    if (texel >> 24 != 0xFF)
        return ::testing::AssertionFailure() << "not opaque: 0x" << std::hex << texel;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(DecodeJpeg, ColourImageComesOutOpaqueWithItsColours) {
    for (bool progressive : {false, true}) {
        SCOPED_TRACE(progressive ? "progressive" : "baseline");
        const Bytes file = quadrantJpeg(progressive);
        DecodedImage image;
        ASSERT_TRUE(test_images::decodeImage(file.data(), file.size(), image));
        EXPECT_EQ(32u, image.width);
        EXPECT_EQ(32u, image.height);
        EXPECT_FALSE(image.hasAlpha);
        ASSERT_EQ(32u * 32u, image.texels.size());
        for (int quadrant = 0; quadrant < 4; ++quadrant) {
            const int x = (quadrant % 2) * 16 + 8;
            const int y = (quadrant / 2) * 16 + 8;
            EXPECT_TRUE(isNear(image.texels[y * 32 + x], kQuadrants[quadrant])) << quadrant;
        }
    }
}

TEST(DecodeJpeg, GreyImageBecomesGreyTexels) {
    Bytes samples;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            samples.push_back(uint8_t(x * 16));
    const Bytes file = test_images::encodeJpeg(16, 8, 1, samples);
    DecodedImage image;
    ASSERT_TRUE(test_images::decodeImage(file.data(), file.size(), image));
    ASSERT_EQ(16u * 8u, image.texels.size());
    for (int x = 0; x < 16; ++x) {
        const uint32_t texel = image.texels[3 * 16 + x];
        const uint8_t grey = uint8_t(texel);
        EXPECT_EQ(0xFF000000u | grey << 16 | grey << 8 | grey, texel);
        EXPECT_NEAR(x * 16, grey, 10);
    }
}

TEST(DecodeJpeg, SidesUpTo4096AreAccepted) {
    auto greyJpeg = [](uint32_t width, uint32_t height) {
        return test_images::encodeJpeg(width, height, 1, Bytes(size_t(width) * height, 0x80));
    };
    const Bytes wide = greyJpeg(4096, 8);
    DecodedImage image;
    ASSERT_TRUE(test_images::decodeImage(wide.data(), wide.size(), image));
    EXPECT_EQ(4096u, image.width);

    for (const Bytes& file : {greyJpeg(4097, 8), greyJpeg(8, 4097)}) {
        DecodedImage refused;
        EXPECT_FALSE(test_images::decodeImage(file.data(), file.size(), refused));
    }
}
