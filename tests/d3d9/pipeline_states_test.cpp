// The states the game leaves at their defaults still draw something defined:
// other blend factors, other stage operations, textures without alpha.
#include "tests/d3d9/device_fixture.h"

namespace {

const uint32_t kBackground = 0xFF804020u;

} // namespace

class PipelineTest : public DeviceTest {
protected:
    // Draws a 4 x 4 quad of one texel over the kBackground; gives its colour.
    uint32_t drawOver(uint32_t texel, D3DFORMAT format = D3DFMT_A8R8G8B8) {
        device->Clear(0, nullptr, D3DCLEAR_TARGET, kBackground, 1.0f, 0);
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(device->CreateTexture(1, 1, 1, 0, format, D3DPOOL_MANAGED, &texture, nullptr),
                  S_OK);
        D3DLOCKED_RECT locked = {};
        texture->LockRect(0, &locked, nullptr, 0);
        *static_cast<uint32_t*>(locked.pBits) = texel;
        texture->UnlockRect(0);
        owned.push_back(texture);
        drawQuad(texture, 0, 0, 4, 4);
        return pixel(2, 2);
    }

    void blendWith(DWORD source, DWORD dest) {
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device->SetRenderState(D3DRS_SRCBLEND, source);
        device->SetRenderState(D3DRS_DESTBLEND, dest);
    }
};

TEST_F(PipelineTest, OtherBlendFactorsAddMultiplyAndClamp) {
    blendWith(D3DBLEND_ONE, D3DBLEND_ONE);
    EXPECT_EQ(drawOver(0x00A0A0A0), 0xFFFFE0C0u) << "adding saturates";
    blendWith(D3DBLEND_ZERO, D3DBLEND_SRCCOLOR);
    // 0x80 * 0x80 / 255 = 64.25, 0x40 * 0xFF / 255, 0x20 * 0 / 255.
    EXPECT_EQ(drawOver(0x0080FF00), 0xFF404000u) << "multiplying";
    blendWith(D3DBLEND_INVSRCCOLOR, D3DBLEND_ZERO);
    // Each channel times its own complement: 0x80 * 0x7F / 255 = 63.75.
    EXPECT_EQ(drawOver(0x00FF0080), 0xFF000040u);
    blendWith(D3DBLEND_ONE, D3DBLEND_ZERO);
    EXPECT_EQ(drawOver(0x10123456), 0xFF123456u) << "ONE, ZERO replaces";
    blendWith(99, 98);
    EXPECT_EQ(drawOver(0x10123456), 0xFF123456u) << "unknown factors act as ONE, ZERO";
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    blendWith(D3DBLEND_SRCALPHA, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    EXPECT_EQ(drawOver(0x00123456), 0xFF123456u) << "blending off replaces";
}

TEST_F(PipelineTest, StageOperationsChooseBetweenTheTexelAndWhite) {
    useGameBlending();
    // Colour from the current colour (white), alpha from the texture.
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG2);
    const uint32_t r = (255 * 128 + 0x80 * 127 + 127) / 255;
    const uint32_t g = (255 * 128 + 0x40 * 127 + 127) / 255;
    const uint32_t b = (255 * 128 + 0x20 * 127 + 127) / 255;
    EXPECT_EQ(drawOver(0x80000000), 0xFF000000u | r << 16 | g << 8 | b);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_DISABLE);
    EXPECT_EQ(drawOver(0xFF000000), 0xFFFFFFFFu);
    // The texel modulated by itself: 0x80 * 0x80 / 255 = 64.
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TEXTURE);
    EXPECT_EQ(drawOver(0xFF80FF00), 0xFF40FF00u);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_CURRENT);
    // Alpha from the current colour: the texel's colour, opaque.
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG2);
    EXPECT_EQ(drawOver(0x00123456), 0xFF123456u);
    // The game's alpha operation, texture times white: a white texel at
    // alpha 128 as with the white current colour above.
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    EXPECT_EQ(drawOver(0x80FFFFFF), 0xFF000000u | r << 16 | g << 8 | b);
}

TEST_F(PipelineTest, ATextureWithoutAlphaIsOpaque) {
    useGameBlending();
    EXPECT_EQ(drawOver(0x00123456, D3DFMT_X8R8G8B8), 0xFF123456u);
    drawQuad(makeUntouchedTexture(2, 2, D3DFMT_X8R8G8B8), 10, 10, 14, 14);
    EXPECT_EQ(pixel(12, 12), 0xFF000000u) << "a new texture is opaque black";
}

TEST_F(DeviceTest, ATransposedMappingTurnsTheTexture) {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    const uint32_t red = 0xFFFF0000u;
    const uint32_t green = 0xFF00FF00u;
    const uint32_t blue = 0xFF0000FFu;
    const uint32_t white = 0xFFFFFFFFu;
    // u runs down the quad and v across it.
    const std::vector<float> transposed = {0,  0,  0.5f, 1, 0, 0, 50, 0,  0.5f, 1, 0, 1,
                                           0,  50, 0.5f, 1, 1, 0, 50, 0,  0.5f, 1, 0, 1,
                                           50, 50, 0.5f, 1, 1, 1, 0,  50, 0.5f, 1, 1, 0};
    drawBuffer(makeBuffer(transposed), makeTexture(2, 2, {red, green, blue, white}), 2);
    EXPECT_EQ(pixel(10, 10), red);
    EXPECT_EQ(pixel(40, 10), blue);
    EXPECT_EQ(pixel(10, 40), green);
    EXPECT_EQ(pixel(40, 40), white);
    EXPECT_EQ(pixel(24, 24), red);
    EXPECT_EQ(pixel(25, 24), blue);
    EXPECT_EQ(pixel(24, 25), green);
}
