#include "DigitSprite.h"
#include "tests/render/render_test_support.h"

#include <string>

namespace {

class DigitSpriteTest : public DeviceTest {
protected:
    // Digit d's image is d + 1 pixels wide, so a bound texture tells its digit.
    void AddDigits(int missing = -1) {
        for (int d = 0; d < 10; ++d)
            if (d != missing)
                folder.AddImage(std::to_string(d) + ".png", d + 1);
    }

    // The digit whose image was bound by the last draw, -1 for none.
    int LastDrawnDigit() {
        if (Draws().empty() || !Draws().back().texture)
            return -1;
        return (int)static_cast<IDirect3DTexture9*>(Draws().back().texture)->Width() - 1;
    }

    ScratchFolder folder;
};

TEST_F(DigitSpriteTest, EachDigitBindsItsOwnImageOnTheSpritesQuad) {
    AddDigits();
    DigitSprite digit;
    d3d9_testing::startRecording(Device());
    EXPECT_EQ(digit.DrawDigit(1), E_FAIL);
    EXPECT_TRUE(Draws().empty());
    ASSERT_EQ(digit.Load(500, 80, 0), S_OK);
    EXPECT_EQ(digit.IsLoaded(), 1);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 10);
    ExpectQuad(BufferVertices(digit), 500, 80, 30, 30);

    for (int d : {0, 9, 3, 3, 7, 1}) {
        EXPECT_EQ(digit.DrawDigit(d), S_OK);
        EXPECT_EQ(LastDrawnDigit(), d);
        EXPECT_EQ(Draws().back().stream, digit.GetVertexBuffer());
        EXPECT_EQ(Draws().back().startVertex, 0u);
        EXPECT_EQ(Draws().back().primitiveCount, 2u);
    }

    // A hidden digit is drawn all the same.
    digit.SetVisible(0);
    EXPECT_EQ(digit.DrawDigit(5), S_OK);
    EXPECT_EQ(LastDrawnDigit(), 5);

    // Values beyond the ten images are capped.
    digit.DrawDigit(10);
    EXPECT_EQ(LastDrawnDigit(), 9);
    digit.DrawDigit(-4);
    EXPECT_EQ(LastDrawnDigit(), 0);

    const size_t draws = Draws().size();
    EXPECT_EQ(digit.Release(), S_OK);
    EXPECT_EQ(digit.Release(), S_OK);
    EXPECT_EQ(digit.DrawDigit(1), E_FAIL);
    EXPECT_EQ(Draws().size(), draws);
    Device()->SetTexture(0, nullptr); // the device holds the last one bound
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 0);
}

TEST_F(DigitSpriteTest, MissingDigitImageDrawsWithoutTexture) {
    AddDigits(7);
    DigitSprite digit;
    EXPECT_EQ(digit.Load(0, 0, 0), S_OK);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 9);
    d3d9_testing::startRecording(Device());
    EXPECT_EQ(digit.DrawDigit(7), S_OK);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_EQ(Draws()[0].texture, nullptr);
    EXPECT_EQ(digit.DrawDigit(8), S_OK);
    EXPECT_EQ(LastDrawnDigit(), 8);
    digit.Release();
}

TEST_F(DigitSpriteTest, DigitImagesKeepTheirMagenta) {
    AddDigits(3);
    folder.AddImage("3.png", 2, 2, 0xFFFF00FF);
    DigitSprite digit;
    digit.Load(0, 0, 0);
    d3d9_testing::startRecording(Device());
    digit.DrawDigit(3);
    const auto* image = static_cast<IDirect3DTexture9*>(Draws().back().texture);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Texels()[0], 0xFFFF00FFu); // no colour key: magenta stays opaque
    digit.Release();
    Device()->SetTexture(0, nullptr);
}

TEST_F(DigitSpriteTest, QuadsOwnImageIsNeverBound) {
    AddDigits();
    // An image that happens to be called "empty" in the working folder.
    ASSERT_TRUE(WriteSolidPng("empty", 20, 2, 0xFFFF0000));
    DigitSprite digit;
    digit.Load(0, 0, 0);
    ASSERT_NE(digit.GetTexture(), nullptr);
    d3d9_testing::startRecording(Device());
    for (int d = 0; d < 10; ++d) {
        digit.DrawDigit(d);
        EXPECT_NE(Draws().back().texture, digit.GetTexture());
    }
    digit.Release();
}

TEST_F(DigitSpriteTest, ExtraArgumentAndSecondLoadChangeNothing) {
    AddDigits();
    DigitSprite tens, units;
    EXPECT_EQ(tens.Load(90, 5, 3), S_OK);
    EXPECT_EQ(units.Load(90, 5, 0), S_OK);
    ExpectQuad(BufferVertices(tens), 90, 5, 30, 30);
    ExpectQuad(BufferVertices(units), 90, 5, 30, 30);

    // Loading again keeps one set of images and the quad where it was.
    EXPECT_EQ(units.Load(60, 0, 0), S_OK);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 20);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, 2);
    EXPECT_EQ(units.GetX(), 90.0f);
    tens.Release();
    units.Release();
}

} // namespace
