// The program's device on a headless window of the game's size, and ways to tell from
// the device's draw log which sprite drew and which digit it showed.
#pragma once

#include "tests/support/live_objects.h"

#include "platform/d3d9_testing.h"
#include "platform/surface.h"
#include "BlinkSprite.h"
#include "DigitSprite.h"
#include "Graphics.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/headless_window.h"

#include <gtest/gtest.h>

#include <vector>

// Reads the ten texture slots of a digit sprite.
struct DigitTextures : DigitSprite {
    static int SlotOf(DigitSprite& digit, IDirect3DBaseTexture9* texture) {
        IDirect3DTexture9*(&slots)[10] = digit.*(&DigitTextures::digitTexture);
        for (int d = 0; d < 10; d++)
            if (slots[d] && slots[d] == texture)
                return d;
        return -1;
    }
};

// Where a sprite's quad lies and how large it is.
inline void ExpectPlace(Sprite& sprite, float x, float y, int width, int height) {
    EXPECT_EQ(sprite.GetX(), x);
    EXPECT_EQ(sprite.GetY(), y);
    EXPECT_EQ(sprite.GetWidth(), width);
    EXPECT_EQ(sprite.GetHeight(), height);
}

class GameDeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        d3d9_testing::resetFaults();
        ASSERT_EQ(g_graphics.Create(window.hwnd()), S_OK);
    }

    void TearDown() override {
        g_graphics.Destroy();
        ExpectNoLiveDeviceObjects();
    }

    void StartRecording() { d3d9_testing::startRecording(g_graphics.GetDevice()); }

    const std::vector<d3d9_testing::DrawRecord>& Draws() {
        return d3d9_testing::drawLog(g_graphics.GetDevice());
    }

    // How many draws came from the vertex buffer, or from the sprite's own quad.
    int DrawsFrom(IDirect3DVertexBuffer9* stream) {
        int count = 0;
        for (const auto& draw : Draws())
            count += draw.stream == stream;
        return count;
    }
    int DrawsOf(Sprite& sprite) { return DrawsFrom(sprite.GetVertexBuffer()); }

    // The digit that the sprite's last draw showed, or -1 when it drew none
    // (or drew with a texture that is none of its digit images).
    int DigitShown(DigitSprite& digit) {
        int shown = -1;
        for (const auto& draw : Draws())
            if (draw.stream == digit.GetVertexBuffer())
                shown = DigitTextures::SlotOf(digit, draw.texture);
        return shown;
    }

    // Where in the draw order the sprite's first draw came, or -1.
    int DrawIndexOf(Sprite& sprite) {
        const auto& draws = Draws();
        for (size_t i = 0; i < draws.size(); i++)
            if (draws[i].stream == sprite.GetVertexBuffer())
                return (int)i;
        return -1;
    }

    GameFolder folder;
    HeadlessWindow window;
};
