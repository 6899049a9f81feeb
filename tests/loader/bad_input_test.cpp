#include "platform/loader/image_decoder.h"
#include "tests/loader/test_images.h"

#include <gtest/gtest.h>

#include <string>

using loader::DecodedImage;
using test_images::Bytes;

namespace {

bool decodes(const Bytes& file) {
    DecodedImage image;
    return loader::decodeImage(file.data(), file.size(), image);
}

Bytes text(const std::string& content) {
    return Bytes(content.begin(), content.end());
}

Bytes smallPng() {
    std::vector<uint32_t> argb(4 * 4);
    for (size_t i = 0; i < argb.size(); ++i)
        argb[i] = 0xFF000000u | uint32_t(i * 0x0F0703u);
    return test_images::encodeArgbPng(4, 4, argb);
}

Bytes smallJpeg(bool progressive) {
    Bytes samples(16 * 16 * 3);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = uint8_t(i * 7);
    return test_images::encodeJpeg(16, 16, 3, samples, progressive);
}

} // namespace

TEST(DecodeBadInput, NothingThatIsNeitherFormatDecodes) {
    EXPECT_FALSE(decodes({}));
    EXPECT_FALSE(decodes(text("not an image at all")));
    EXPECT_FALSE(decodes(text("GIF89a\x01\x00\x01\x00")));
    EXPECT_FALSE(decodes(text("BM\x3a\0\0\0")));
    EXPECT_FALSE(decodes({0xFF, 0xD8}));
    EXPECT_FALSE(decodes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A}));
}

TEST(DecodeBadInput, EveryTruncationFails) {
    for (const Bytes& whole : {smallPng(), smallJpeg(false), smallJpeg(true)}) {
        ASSERT_TRUE(decodes(whole));
        for (size_t length = 0; length < whole.size(); ++length)
            EXPECT_FALSE(decodes(Bytes(whole.begin(), whole.begin() + length))) << length;
    }
}

TEST(DecodeBadInput, DamagedDataFails) {
    Bytes png = smallPng();
    png[png.size() / 2] ^= 0x5A; // inside the compressed data; its checksum no longer fits
    EXPECT_FALSE(decodes(png));

    Bytes jpeg = smallJpeg(false);
    jpeg[1] = 0xD9; // the start marker is gone
    EXPECT_FALSE(decodes(jpeg));
}

TEST(DecodeBadInput, AbsurdSizesAreRefused) {
    EXPECT_FALSE(decodes(test_images::pngHeaderClaiming(100000, 100000)));
    EXPECT_FALSE(decodes(test_images::pngHeaderClaiming(0, 4)));
    EXPECT_FALSE(decodes(test_images::pngHeaderClaiming(0x7FFFFFFF, 1)));
    EXPECT_FALSE(decodes(test_images::withJpegSizeClaim(smallJpeg(false), 65000, 65000)));
    EXPECT_FALSE(decodes(test_images::withJpegSizeClaim(smallJpeg(true), 9000, 16)));
    // The largest accepted size with the data of a small image: the data runs out.
    EXPECT_FALSE(decodes(test_images::withJpegSizeClaim(smallJpeg(false), 4096, 4096)));
}

TEST(DecodeBadInput, EndlessProgressiveRefinementIsCut) {
    EXPECT_TRUE(decodes(test_images::encodeManyScanJpeg(16, 4)));  // 316 scans
    EXPECT_FALSE(decodes(test_images::encodeManyScanJpeg(16, 8))); // 568 scans
}
