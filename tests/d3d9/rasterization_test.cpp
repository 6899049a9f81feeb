// What a frame looks like: fill rule, culling, sampling and blending.
#include "tests/d3d9/device_fixture.h"

namespace {

const uint32_t kBlack = 0xFF000000u;
const uint32_t kWhite = 0xFFFFFFFFu;
const uint32_t kRed = 0xFFFF0000u;
const uint32_t kBlue = 0xFF0000FFu;

std::vector<int> range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) {
        values.push_back(v);
    }
    return values;
}

} // namespace

TEST_F(DeviceTest, ClearFillsTheWholeBackBufferOpaque) {
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00123456, 1.0f, 0), S_OK);
    EXPECT_EQ(pixel(0, 0), 0xFF123456u);
    EXPECT_EQ(pixel(593, 550), 0xFF123456u);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0), S_OK);
    for (int y = 0; y < 551; y += 50) {
        EXPECT_EQ(columnsOf(kBlack, y).size(), 594u);
    }
    // A rectangle reaching out of the buffer is cut to it.
    const D3DRECT corner = {590, 540, 700, 700};
    ASSERT_EQ(device->Clear(1, &corner, D3DCLEAR_TARGET, kWhite, 1.0f, 0), S_OK);
    EXPECT_EQ(pixel(589, 550), kBlack);
    EXPECT_EQ(pixel(590, 540), kWhite);
    EXPECT_EQ(pixel(593, 550), kWhite);
}

TEST_F(DeviceTest, AlphaBlendingLeavesReplacesOrMixesTheTarget) {
    useGameBlending();
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF204080, 1.0f, 0);
    drawQuad(makeSolidTexture(0x00FFFFFF), 0, 0, 10, 10);
    EXPECT_EQ(pixel(5, 5), 0xFF204080u) << "alpha 0 leaves the target";
    drawQuad(makeSolidTexture(0xFF112233), 10, 0, 20, 10);
    EXPECT_EQ(pixel(15, 5), 0xFF112233u) << "alpha 255 replaces it";
    // 128 of 255: (s * 128 + d * 127 + 127) / 255, per channel.
    drawQuad(makeSolidTexture(0x80FF0000), 20, 0, 30, 10);
    const uint32_t r = (255 * 128 + 0x20 * 127 + 127) / 255;
    const uint32_t g = (0 * 128 + 0x40 * 127 + 127) / 255;
    const uint32_t b = (0 * 128 + 0x80 * 127 + 127) / 255;
    EXPECT_EQ(pixel(25, 5), 0xFF000000u | r << 16 | g << 8 | b);
    drawQuad(makeUntouchedTexture(10, 10, D3DFMT_A8R8G8B8), 30, 0, 40, 10);
    EXPECT_EQ(pixel(35, 5), 0xFF204080u) << "a new texture, never written, is transparent";
}

TEST_F(DeviceTest, WithoutBlendingATexelReplacesTheTargetWhateverItsAlpha) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kWhite, 1.0f, 0);
    drawQuad(makeSolidTexture(0x00102030), 0, 0, 10, 10);
    EXPECT_EQ(pixel(5, 5), 0xFF102030u);
}

TEST_F(DeviceTest, AQuadWithNoTextureDrawsOpaqueWhite) {
    useGameBlending();
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    EXPECT_EQ(drawQuad(nullptr, 0, 0, 10, 10), S_OK);
    EXPECT_EQ(pixel(0, 0), kWhite);
    EXPECT_EQ(pixel(9, 9), kWhite);
    EXPECT_EQ(pixel(10, 10), kBlack);
}

TEST_F(DeviceTest, CounterClockwiseTrianglesAreCulledUnlessCullingIsOff) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    // Top left, bottom left, top right: counter-clockwise on the screen.
    const std::vector<float> counterClockwise = {0, 0, 0.5f, 1,  0, 0,    0, 20, 0.5f,
                                                 1, 0, 1,    20, 0, 0.5f, 1, 1,  0};
    IDirect3DVertexBuffer9* buffer = makeBuffer(counterClockwise);
    EXPECT_EQ(drawBuffer(buffer, makeSolidTexture(kRed), 1), S_OK);
    EXPECT_TRUE(columnsOf(kRed, 2).empty());

    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    drawBuffer(buffer, makeSolidTexture(kRed), 1);
    EXPECT_EQ(pixel(2, 2), kRed);

    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    drawQuad(makeSolidTexture(kBlue), 30, 0, 40, 10);
    EXPECT_TRUE(columnsOf(kBlue, 5).empty());
}

TEST_F(DeviceTest, TheTwoTrianglesOfAQuadMeetOnTheDiagonalWithoutOverlap) {
    useGameBlending();
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    // Half-transparent kWhite over kBlack: a pixel blended twice would be brighter.
    drawQuad(makeSolidTexture(0x80FFFFFF), 0, 0, 50, 50);
    const uint32_t once = (255 * 128 + 127) / 255;
    const uint32_t expected = 0xFF000000u | once << 16 | once << 8 | once;
    for (int y = 0; y < 50; ++y) {
        EXPECT_EQ(columnsOf(expected, y), range(0, 49)) << "row " << y;
    }
    EXPECT_TRUE(columnsOf(expected, 50).empty());
}

TEST_F(DeviceTest, FractionalEdgesFollowTheTopLeftRule) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    // Centres at 1 and 2 lie inside [0.5, 2.5), the centre on the right edge does not.
    drawQuad(makeSolidTexture(kRed), 0.5f, 0.5f, 2.5f, 3.0f);
    EXPECT_EQ(columnsOf(kRed, 1), range(1, 2));
    EXPECT_EQ(columnsOf(kRed, 2), range(1, 2));
    EXPECT_TRUE(columnsOf(kRed, 0).empty());
    EXPECT_TRUE(columnsOf(kRed, 3).empty());
    // Two quads sharing the edge x = 60 split its column between them.
    drawQuad(makeSolidTexture(kRed), 40, 10, 60, 20);
    drawQuad(makeSolidTexture(kBlue), 60, 10, 80, 20);
    EXPECT_EQ(columnsOf(kRed, 15), range(40, 59));
    EXPECT_EQ(columnsOf(kBlue, 15), range(60, 79));
}

TEST_F(DeviceTest, ATwoByTwoTextureOverFiftyPixelsGivesFourEqualBlocks) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    const uint32_t green = 0xFF00FF00u;
    drawQuad(makeTexture(2, 2, {kRed, green, kBlue, kWhite}), 100, 200, 150, 250);
    for (int y = 200; y < 250; ++y) {
        const bool top = y < 225;
        EXPECT_EQ(columnsOf(top ? kRed : kBlue, y), range(100, 124)) << "row " << y;
        EXPECT_EQ(columnsOf(top ? green : kWhite, y), range(125, 149)) << "row " << y;
    }
}

TEST_F(DeviceTest, TexturesStretchAndClampToTheQuad) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    // Three texels over 7 pixels: centres at u = i / 7 give texels 0,0,0,1,1,2,2.
    const uint32_t green = 0xFF00FF00u;
    drawQuad(makeTexture(3, 1, {kRed, green, kBlue}), 0, 0, 7, 1);
    EXPECT_EQ(columnsOf(kRed, 0), range(0, 2));
    EXPECT_EQ(columnsOf(green, 0), range(3, 4));
    EXPECT_EQ(columnsOf(kBlue, 0), range(5, 6));
    // Coordinates past the texture's edges read the edge texels.
    const std::vector<float> overhanging = {10, 5, 0.5f, 1,  -1, 0,    20, 5,  0.5f,
                                            1,  2, 0,    10, 6,  0.5f, 1,  -1, 1};
    drawBuffer(makeBuffer(overhanging), makeTexture(2, 1, {kRed, kBlue}), 1);
    EXPECT_EQ(columnsOf(kRed, 5), range(10, 14));
    EXPECT_EQ(columnsOf(kBlue, 5), range(15, 19));
}

TEST_F(DeviceTest, TheBackgroundQuadCoversPixelsZeroTo598AndIsClipped) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    drawQuad(makeSolidTexture(kRed), 0, 0, 599, 599);
    for (int y = 0; y < 551; ++y) {
        ASSERT_EQ(columnsOf(kRed, y).size(), 594u) << "row " << y;
    }
}

class WideDeviceTest : public DeviceTest {
protected:
    WideDeviceTest() : DeviceTest(620, 620) {}
};

TEST_F(WideDeviceTest, TheBackgroundQuadStopsBeforePixel599) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    drawQuad(makeSolidTexture(kRed), 0, 0, 599, 599);
    for (int y = 0; y < 620; ++y) {
        EXPECT_EQ(columnsOf(kRed, y), y < 599 ? range(0, 598) : std::vector<int>()) << y;
    }
}

TEST_F(DeviceTest, QuadsPartlyOffScreenAreClippedAndWildCoordinatesDrawNothing) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    drawQuad(makeSolidTexture(kRed), -20, -20, 5, 3);
    EXPECT_EQ(columnsOf(kRed, 0), range(0, 4));
    EXPECT_EQ(columnsOf(kRed, 2), range(0, 4));
    EXPECT_TRUE(columnsOf(kRed, 3).empty());
    drawQuad(makeSolidTexture(kBlue), 580, 540, 700, 700);
    EXPECT_EQ(columnsOf(kBlue, 550), range(580, 593));

    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(drawQuad(makeSolidTexture(kWhite), nan, 0, 100, 100), S_OK);
    EXPECT_EQ(drawQuad(makeSolidTexture(kWhite), -1e30f, -1e30f, 1e30f, 1e30f), S_OK);
    EXPECT_TRUE(columnsOf(kWhite, 50).empty());
}

TEST_F(DeviceTest, ExtremeTextureCoordinatesReadOnlyEdgeTexels) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kBlack, 1.0f, 0);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    // A sliver with texture coordinates far beyond the texture, and one across
    // the whole target: every pixel drawn takes one of the two texels.
    const std::vector<float> wild = {0, 0,    0.5f,  1, -3e9f,   1e9f, 593.9f, 0.01f,  0.5f,
                                     1, 3e9f, -2e9f, 0, 550.99f, 0.5f, 1,      1e-30f, 7e20f};
    drawBuffer(makeBuffer(wild), makeTexture(2, 1, {kRed, kBlue}), 1);
    for (int y = 0; y < 551; y += 7) {
        for (int x = 0; x < 594; x += 3) {
            const uint32_t p = pixel(x, y);
            ASSERT_TRUE(p == kBlack || p == kRed || p == kBlue) << x << ", " << y;
        }
    }
}
