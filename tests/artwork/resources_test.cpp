// The window's icon and cursor, as the platform layer reads them.
#include "tests/artwork/loaded_image.h"

using ResourceArt = ArtworkDevice;

// A white arrow with a black outline, tip on the hotspot (0, 1); crisp, so
// every texel is black, white or clear.
TEST_F(ResourceArt, CursorIsAWhiteArrowTippedAtTheHotspot) {
    LoadedImage cursor = load("resources/cursor105.png");
    ASSERT_EQ(cursor.result, S_OK);
    EXPECT_EQ(cursor.at(0, 0) >> 24, 0u);
    EXPECT_EQ(cursor.at(0, 1), 0xFF000000u);
    EXPECT_EQ(cursor.at(1, 1) >> 24, 0u);
    int white = 0;
    int black = 0;
    for (uint32_t t : cursor.texels) {
        white += t == 0xFFFFFFFFu;
        black += t == 0xFF000000u;
        EXPECT_TRUE(t == 0xFFFFFFFFu || t == 0xFF000000u || t >> 24 == 0) << std::hex << t;
    }
    EXPECT_GT(white, 40);
    EXPECT_GT(black, 30);
    // The arrow points up and left: nothing right of or below its body.
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (x > 16 || y > 24) {
                EXPECT_EQ(cursor.at(x, y) >> 24, 0u) << x << "," << y;
            }
        }
    }
}

TEST_F(ResourceArt, IconIsRoundOnAClearGround) {
    LoadedImage icon = load("resources/icon107.png");
    ASSERT_EQ(icon.result, S_OK);
    EXPECT_EQ(icon.at(0, 0) >> 24, 0u);
    EXPECT_EQ(icon.at(31, 31) >> 24, 0u);
    EXPECT_EQ(icon.at(16, 4) >> 24, 0xFFu);
    EXPECT_EQ(icon.at(4, 16) >> 24, 0xFFu);
}
