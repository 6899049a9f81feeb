// Digits, captions and labels: legible, inside their quads, lined up with the
// numbers beside them.
#include "tests/artwork/artwork_catalogue.h"
#include "tests/artwork/image_measure.h"
#include "tests/artwork/loaded_image.h"

#include <string>

namespace {

const int kVisible = 64; // alpha from which a texel counts as ink

bool bordersClear(const LoadedImage& image) {
    for (int x = 0; x < image.width; ++x) {
        if (image.at(x, 0) >> 24 || image.at(x, image.height - 1) >> 24) {
            return false;
        }
    }
    for (int y = 0; y < image.height; ++y) {
        if (image.at(0, y) >> 24 || image.at(image.width - 1, y) >> 24) {
            return false;
        }
    }
    return true;
}

} // namespace

using TextArt = ArtworkDevice;

// Digits stand 15 pixels apart on 30-pixel quads: each glyph keeps to the
// middle half, centred, yet is large enough to read.
TEST_F(TextArt, DigitsFitHalfTheirQuadAndAreCentred) {
    for (int digit = 0; digit < 10; ++digit) {
        std::string path = "Grafik//" + std::to_string(digit) + ".png";
        SCOPED_TRACE(path);
        LoadedImage image = load(path);
        ASSERT_EQ(image.result, S_OK);
        EXPECT_TRUE(bordersClear(image));
        InkBox ink = FindInk(image, kVisible);
        EXPECT_LE(ink.width(), 15);
        EXPECT_GE(ink.height(), 16);
        int leftMargin = ink.left;
        int rightMargin = image.width - 1 - ink.right;
        EXPECT_LE(std::abs(leftMargin - rightMargin), 2);
        EXPECT_GE(leftMargin, 6);
        EXPECT_GE(rightMargin, 6);
    }
}

// Text that touches its image's edge has been cut off.
TEST_F(TextArt, NoTextTouchesItsImageEdge) {
    for (const ArtworkImage& art : kArtwork) {
        if (!art.text) {
            continue;
        }
        SCOPED_TRACE(art.path);
        LoadedImage image = load(art.path);
        ASSERT_EQ(image.result, S_OK);
        EXPECT_TRUE(bordersClear(image));
        EXPECT_GT(FindInk(image, kVisible).width(), art.width / 3);
    }
}

// Each label is a picture of its own: a copied file would show the player
// points that were not scored.
TEST_F(TextArt, PointsLabelsDifferFromOneAnother) {
    const char* const labels[] = {
        "Grafik//50p.png",   "Grafik//150p.png",       "Grafik//250p.png", "Grafik//1000p.png",
        "Grafik//3000p.png", "Grafik//pHotButton.png", "Grafik//combo.png"};
    std::vector<LoadedImage> images;
    for (const char* label : labels) {
        images.push_back(load(label));
        ASSERT_EQ(images.back().result, S_OK) << label;
    }
    for (size_t a = 0; a < images.size(); ++a) {
        for (size_t b = a + 1; b < images.size(); ++b) {
            EXPECT_NE(images[a].texels, images[b].texels) << labels[a] << " " << labels[b];
        }
    }
}

// The captions' text sits at the height of the digits beside it: rows at 5, 30
// and 55 in the statistics image, and at 5 for the clock.
TEST_F(TextArt, CaptionsLineUpWithTheirDigits) {
    LoadedImage digit = load("Grafik//8.png");
    ASSERT_EQ(digit.result, S_OK);
    InkBox digitInk = FindInk(digit, kVisible);
    double digitMiddle = (digitInk.top + digitInk.bottom) / 2.0;

    LoadedImage stats = load("Grafik//stats.png");
    ASSERT_EQ(stats.result, S_OK);
    const int rowTop[3] = {5, 30, 55};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        // Rows overlap by 5 pixels; the caption's own band is the middle 20.
        InkBox ink = FindInk(stats, kVisible, rowTop[row] + 3, rowTop[row] + 27);
        ASSERT_GT(ink.width(), 20);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, rowTop[row] + digitMiddle, 3.0);
    }
    for (const char* caption : {"Grafik//combostat.png", "Grafik//time.png"}) {
        SCOPED_TRACE(caption);
        LoadedImage image = load(caption);
        InkBox ink = FindInk(image, kVisible);
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, digitMiddle, 3.0);
    }

    // The clock's caption at x 20 ends before its tens digit's ink at x 90.
    InkBox timeInk = FindInk(load("Grafik//time.png"), kVisible);
    EXPECT_LT(20 + timeInk.right, 90 + digitInk.left - 2);
}
