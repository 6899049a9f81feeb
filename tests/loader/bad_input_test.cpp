#include "platform/loader/jpeg_decoder.h"
#include "tests/loader/test_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

using test_images::Bytes;
using test_images::DecodedImage;

namespace {

bool decodes(const Bytes& file) {
    DecodedImage image;
    return test_images::decodeImage(file.data(), file.size(), image);
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

// How far the test process's peak resident memory rises while the file is refused. Only the
// peak binds, not a hard limit: libpng takes a refused allocation as one more reason to refuse
// the file, which would hide the fault, and a sanitizer reserves terabytes of address space.
long refusalPeakKb(const Bytes& file) {
    auto residentKb = [](const char* field) {
        std::ifstream status("/proc/self/status");
        std::string name;
        long kb = 0;
        while (status >> name && name != field)
            status.ignore(1 << 10, '\n');
        status >> kb;
        return kb;
    };
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
    const long before = residentKb("VmRSS:");
    EXPECT_FALSE(decodes(file));
    return residentKb("VmHWM:") - before;
}

// The best of a few decodings, so a busy machine slows no more than one of them.
double decodeSeconds(const Bytes& file) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        decodes(file);
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
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

TEST(DecodeBadInput, AbsurdSizesAreRefusedWithoutTheirMemory) {
    for (const Bytes& file : {
             test_images::pngHeaderClaiming(100000, 100000),
             test_images::pngHeaderClaiming(0, 4),
             test_images::pngHeaderClaiming(0x7FFFFFFF, 1),
             test_images::pngWithChunkClaiming("tEXt", 0x7FFFFFFF),
             test_images::pngWithChunkClaiming("zTXt", 0x7FFFFFFF),
             test_images::withJpegSizeClaim(smallJpeg(false), 65000, 65000),
             test_images::withJpegSizeClaim(smallJpeg(true), 9000, 16),
             // The largest accepted size with the data of a small image: the data runs out.
             test_images::withJpegSizeClaim(smallJpeg(false), 4096, 4096),
         })
        EXPECT_LT(refusalPeakKb(file), 16 * 1024);
}

TEST(DecodeBadInput, EndlessProgressiveRefinementIsCut) {
    EXPECT_TRUE(decodes(test_images::encodeManyScanJpeg(16, loader::kMaxJpegScans)));
    EXPECT_FALSE(decodes(test_images::encodeManyScanJpeg(16, loader::kMaxJpegScans + 1)));
}

// The slowest files accepted cost a few times what a plain image of their size does; inflating
// the text, or scans without end, would cost hundreds of times.
TEST(DecodeBadInput, SlowestAcceptedFilesCostLittleMoreThanPlainOnes) {
    std::vector<uint32_t> argb(256 * 256, 0xFF336699);
    const Bytes png = test_images::encodeArgbPng(256, 256, argb);
    const Bytes textBombs = test_images::withTextBombs(png, 100, size_t(4) << 20);
    ASSERT_TRUE(decodes(textBombs));
    EXPECT_LT(decodeSeconds(textBombs), 10 * decodeSeconds(png));

    const Bytes plain = test_images::encodeJpeg(512, 512, 1, Bytes(512 * 512, 0x80));
    const Bytes mostScans = test_images::encodeManyScanJpeg(512, loader::kMaxJpegScans);
    ASSERT_TRUE(decodes(mostScans));
    EXPECT_LT(decodeSeconds(mostScans), 10 * decodeSeconds(plain));
}
