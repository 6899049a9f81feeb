// The hole and the selected peg are loaded with opaque magenta as colour key:
// the board must show through exactly where they are magenta, and their soft
// edges must be blended against the board, not against magenta.
#include "tests/artwork/artwork_catalogue.h"
#include "tests/artwork/image_measure.h"
#include "tests/artwork/loaded_image.h"

namespace {

const D3DCOLOR kMagenta = 0xFFFF00FF;

// Cell corners of the 33 holes in the board image (client less (35, 55)).
std::vector<std::pair<int, int>> cellCornersOnBoard() {
    std::vector<std::pair<int, int>> corners;
    for (int row = 0; row < 7; ++row) {
        bool wide = row >= 2 && row <= 4;
        for (int col = 0; col < (wide ? 7 : 3); ++col) {
            corners.push_back({(wide ? 72 : 180) + 54 * col - 35, 90 + 54 * row - 55});
        }
    }
    return corners;
}

// A blend of magenta into another colour shows as red and blue above green.
bool pinkish(uint32_t t) {
    int r = LoadedImage::red(t), g = LoadedImage::green(t), b = LoadedImage::blue(t);
    return std::min(r, b) - g > 24;
}

std::vector<const char*> keyedImages() {
    std::vector<const char*> keyed;
    for (const ArtworkImage& art : kArtwork) {
        if (art.colourKeyed) {
            keyed.push_back(art.path);
        }
    }
    return keyed;
}

bool keyedAt(const LoadedImage& keyed, int x, int y) {
    return x >= 0 && y >= 0 && x < keyed.width && y < keyed.height &&
           LoadedImage::alpha(keyed.at(x, y)) == 0;
}

} // namespace

using ColourKeyedArt = ArtworkDevice;

TEST_F(ColourKeyedArt, MagentaIsExactAndHasNoFringe) {
    for (const char* path : keyedImages()) {
        SCOPED_TRACE(path);
        LoadedImage raw = load(path);
        ASSERT_EQ(raw.result, S_OK);
        int exact = 0;
        for (uint32_t t : raw.texels) {
            EXPECT_EQ(LoadedImage::alpha(t), 255);
            if (t == kMagenta) {
                ++exact;
            } else {
                EXPECT_FALSE(pinkish(t)) << std::hex << t;
            }
        }
        // The corners lie outside the round piece: the board shows there.
        EXPECT_EQ(raw.at(0, 0), kMagenta);
        EXPECT_EQ(raw.at(49, 49), kMagenta);
        EXPECT_GT(exact, 200);

        LoadedImage keyed = load(path, kMagenta);
        ASSERT_EQ(keyed.result, S_OK);
        EXPECT_EQ(keyed.at(0, 0), 0u);
        EXPECT_EQ(LoadedImage::alpha(keyed.at(25, 25)), 255);
    }
}

// The holes' soft edges were blended against the felt; that only looks right
// if the board under every cell is that same flat felt.
TEST_F(ColourKeyedArt, EdgesMatchTheBoardUnderEveryCell) {
    LoadedImage board = load("Grafik\\brett.png");
    ASSERT_EQ(board.result, S_OK);
    const uint32_t felt =
        board.at(cellCornersOnBoard()[16].first + 25, cellCornersOnBoard()[16].second + 25);
    for (const auto& corner : cellCornersOnBoard()) {
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                ASSERT_EQ(board.at(corner.first + x, corner.second + y), felt)
                    << "cell at " << corner.first << "," << corner.second;
            }
        }
    }

    for (const char* path : keyedImages()) {
        SCOPED_TRACE(path);
        LoadedImage keyed = load(path, kMagenta);
        LoadedImage raw = load(path);
        int edges = 0;
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                bool edge = !keyedAt(keyed, x, y) &&
                            (keyedAt(keyed, x - 1, y) || keyedAt(keyed, x + 1, y) ||
                             keyedAt(keyed, x, y - 1) || keyedAt(keyed, x, y + 1));
                if (edge) {
                    ++edges;
                    EXPECT_LE(ColourDistance(raw.at(x, y), felt), 8) << x << "," << y;
                }
            }
        }
        EXPECT_GT(edges, 50);
    }
}

// The plain peg is the one board image without a key: it has real alpha.
TEST_F(ColourKeyedArt, PlainPegHasRealAlpha) {
    LoadedImage peg = load("Grafik\\spielstein.png");
    ASSERT_EQ(peg.result, S_OK);
    EXPECT_EQ(LoadedImage::alpha(peg.at(0, 0)), 0);
    EXPECT_EQ(LoadedImage::alpha(peg.at(25, 25)), 255);
    int partial = 0;
    for (uint32_t t : peg.texels) {
        EXPECT_FALSE(pinkish(t) && LoadedImage::alpha(t) > 0);
        partial += LoadedImage::alpha(t) > 0 && LoadedImage::alpha(t) < 255;
    }
    EXPECT_GT(partial, 20);
}
