#include "BlinkSprite.h"
#include "DigitSprite.h"
#include "tests/render/render_test_support.h"

#include <string>

namespace {

class SceneTest : public DeviceTest {
protected:
    void SetUp() override {
        d3d9_testing::resetFaults();
        ASSERT_EQ(g_graphics.Create(scene.hwnd()), S_OK);
    }

    uint32_t Pixel(int x, int y) {
        const PresentSurface& surface = scene.surface();
        return surface.frame[(size_t)y * surface.frameWidth + x] & 0xFFFFFF;
    }

    HeadlessWindow scene{160, 120};
};

// Near enough for a blend rounded either way.
void ExpectColourNear(uint32_t actual, uint32_t expected) {
    for (int shift : {0, 8, 16}) {
        const int a = (actual >> shift) & 0xFF;
        const int e = (expected >> shift) & 0xFF;
        EXPECT_NEAR(a, e, 2) << std::hex << "actual " << actual << " expected " << expected;
    }
}

TEST_F(SceneTest, SpritesBlendInDrawingOrder) {
    ScratchFolder folder;
    folder.AddImage("back.png", 2, 2, 0xFF203080);
    folder.AddImage("red.png", 3, 3, 0xFFD02020);
    folder.AddImage("clear.png", 3, 3, 0x0000FF00);
    folder.AddImage("half.png", 3, 3, 0x80FFFFFF);
    folder.AddImage("highlight.png", 3, 3, 0xFFFFD000);
    folder.AddImage("magenta.png", 3, 3, 0xFFFF00FF);
    // Four quarters, to see the whole image stretched over the quad.
    ASSERT_TRUE(WritePng(folder.ImagePath("quarters.png"), 2, 2,
                         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}));
    for (int d = 0; d < 10; ++d)
        folder.AddImage(std::to_string(d) + ".png", 2, 2, 0xFF000000 | (0x1A1A1A * (d + 1)));

    Sprite background, red, clear, half, quarters, magenta;
    BlinkSprite hiddenPrompt, highlight;
    DigitSprite tens, units;
    background.Load("Grafik\\back.png", 0, 0, 160, 120);
    red.Load("Grafik//red.png", 10, 10, 30, 30);
    clear.Load("Grafik//clear.png", 50, 10, 30, 30);
    half.Load("Grafik//half.png", 50, 50, 30, 30);
    quarters.Load("Grafik//quarters.png", 100, 10, 40, 40);
    magenta.Load("Grafik//magenta.png", 10, 50, 30, 30);
    hiddenPrompt.Load("Grafik//red.png", 0, 90, 160, 30);
    hiddenPrompt.SetBlinking(true);
    hiddenPrompt.Blink(0.75f);
    highlight.LoadHighlight();
    highlight.SetPosition(100, 80);
    tens.Load(100, 80, 3);
    units.Load(115, 80, 0);

    g_graphics.Clear(0xFF000000);
    g_graphics.BeginScene();
    for (Sprite* sprite : {&background, &red, &clear, &half, &quarters, &magenta})
        sprite->Draw(0);
    hiddenPrompt.Draw();
    highlight.Sprite::Draw(0);
    tens.DrawDigit(4);
    units.DrawDigit(2);
    g_graphics.EndScene();
    ASSERT_EQ(g_graphics.Present(), S_OK);

    EXPECT_TRUE(WriteSurfacePng(scene.surface(), "scene.png")); // into the scratch folder

    EXPECT_EQ(Pixel(2, 2), 0x203080u);         // background
    EXPECT_EQ(Pixel(25, 25), 0xD02020u);       // opaque replaces
    EXPECT_EQ(Pixel(39, 39), 0xD02020u);       // last pixel inside the quad
    EXPECT_EQ(Pixel(40, 40), 0x203080u);       // first pixel outside it
    EXPECT_EQ(Pixel(65, 25), 0x203080u);       // alpha 0 leaves the target
    EXPECT_EQ(Pixel(25, 65), 0xFF00FFu);       // no colour key: magenta is opaque
    ExpectColourNear(Pixel(65, 65), 0x9097BF); // half alpha blends
    EXPECT_EQ(Pixel(105, 15), 0xFF0000u);      // quarters, top left
    EXPECT_EQ(Pixel(135, 15), 0x00FF00u);      // top right
    EXPECT_EQ(Pixel(105, 45), 0x0000FFu);      // bottom left
    EXPECT_EQ(Pixel(135, 45), 0xFFFFFFu);      // bottom right
    EXPECT_EQ(Pixel(5, 100), 0x203080u);       // prompt in its hidden half second
    EXPECT_EQ(Pixel(105, 85), 0x828282u);      // digit 4 over the highlight
    EXPECT_EQ(Pixel(120, 85), 0x4E4E4Eu);      // digit 2 over digit 4
    EXPECT_EQ(Pixel(140, 85), 0x4E4E4Eu);
    EXPECT_EQ(Pixel(145, 85), 0x203080u);

    for (Sprite* sprite : {&background, &red, &clear, &half, &quarters, &magenta})
        sprite->Release();
    hiddenPrompt.Release();
    highlight.ReleaseHighlight();
    tens.Release();
    units.Release();
}

} // namespace
