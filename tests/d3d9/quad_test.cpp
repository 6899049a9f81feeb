// A quad drawn in one call gives exactly the pixels of its two triangles
// drawn one by one, wherever its corners fall and however its texture
// stretches.
#include "tests/d3d9/device_fixture.h"
#include "tests/d3d9/reference_blend.h"

#include <random>

namespace {

// Texels of varied alpha, so that a pixel drawn twice or a texel taken from
// the wrong place shows.
std::vector<uint32_t> variedTexels(int count, std::mt19937& random) {
    std::vector<uint32_t> texels;
    const uint32_t alphas[] = {0, 255, 128, 37};
    for (int i = 0; i < count; ++i) {
        texels.push_back(alphas[random() % 4] << 24 | (random() & 0xFFFFFF));
    }
    return texels;
}

} // namespace

TEST_F(DeviceTest, AQuadInOneCallMatchesItsTrianglesDrawnApart) {
    useGameBlending();
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> position(-40.0f, 600.0f);
    std::uniform_int_distribution<int> side(1, 9);
    for (int quad = 0; quad < 60; ++quad) {
        const int texWidth = side(random);
        const int texHeight = side(random);
        IDirect3DTexture9* texture =
            makeTexture(texWidth, texHeight, variedTexels(texWidth * texHeight, random));
        // Whole, half and odd positions; mirrored quads too (right of left).
        float left = position(random);
        float top = position(random);
        float right = position(random);
        float bottom = position(random);
        if (quad % 3 == 0) {
            left = std::floor(left);
            right = std::floor(right);
            top = std::floor(top) + 0.5f;
            bottom = std::floor(bottom);
        }
        IDirect3DVertexBuffer9* buffer = makeBuffer(quadVertices(left, top, right, bottom));
        device->SetStreamSource(0, buffer, 0, 24);
        device->SetTexture(0, texture);

        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF405060, 1.0f, 0);
        ASSERT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), S_OK);
        const std::vector<uint32_t> together(device->BackBuffer(),
                                             device->BackBuffer() + 594 * 551);
        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF405060, 1.0f, 0);
        ASSERT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), S_OK);
        ASSERT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 3, 1), S_OK);
        const std::vector<uint32_t> apart(device->BackBuffer(), device->BackBuffer() + 594 * 551);
        ASSERT_TRUE(together == apart)
            << "quad " << quad << ": " << left << ", " << top << " to " << right << ", " << bottom;
        owned.pop_back();
        buffer->Release();
    }
}

TEST_F(DeviceTest, TexelsOfEveryAlphaBlendAsTheFormulaSaysOneToOneAndStretched) {
    useGameBlending();
    std::mt19937 random(11);
    const int width = 37;
    const int height = 5;
    const std::vector<uint32_t> texels = variedTexels(width * height, random);
    IDirect3DTexture9* texture = makeTexture(width, height, texels);
    const uint32_t background = 0xFF405060u;
    device->Clear(0, nullptr, D3DCLEAR_TARGET, background, 1.0f, 0);
    drawQuad(texture, 13, 21, 13 + width, 21 + height);
    // Three times as wide and twice as high: each texel covers 3 x 2 pixels.
    drawQuad(texture, 100, 50, 100 + 3 * width, 50 + 2 * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t expected = expectedBlend(texels[size_t(y) * width + x], background);
            ASSERT_EQ(pixel(13 + x, 21 + y), expected) << x << ", " << y;
            for (int cell = 0; cell < 6; ++cell) {
                ASSERT_EQ(pixel(100 + 3 * x + cell % 3, 50 + 2 * y + cell / 3), expected)
                    << x << ", " << y;
            }
        }
    }
}
