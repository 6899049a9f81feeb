#include "BlinkSprite.h"
#include "tests/render/render_test_support.h"

namespace {

// A blinking sprite whose timer has run from zero by the given time.
void StartBlinkingAt(BlinkSprite& sprite, float seconds) {
    sprite.SetBlinking(true);
    sprite.SetVisible(0);
    sprite.Blink(seconds);
}

TEST(BlinkSprite, SlotBoundsOfTheHalfSecond) {
    BlinkSprite early, half, whole, skipped;
    StartBlinkingAt(early, 0.4999f);
    EXPECT_EQ(early.IsVisible(), 1);
    StartBlinkingAt(half, 0.5f);
    EXPECT_EQ(half.IsVisible(), 0);
    StartBlinkingAt(whole, 1.0f);
    EXPECT_EQ(whole.IsVisible(), 1);
    // One long step can skip the hidden half second altogether.
    StartBlinkingAt(skipped, 1.2f);
    EXPECT_EQ(skipped.IsVisible(), 1);
    EXPECT_FLOAT_EQ(skipped.GetTimer(), 1.2f);
}

TEST(BlinkSprite, TimerAddsUpStepByStep) {
    BlinkSprite sprite;
    sprite.SetBlinking(true);
    std::vector<int> seen;
    for (int step = 0; step < 12; ++step) {
        sprite.Blink(0.25f);
        seen.push_back(sprite.IsVisible());
    }
    // 0.25 .. 3.0 s: visible, hidden, hidden, visible, visible, hidden, ...
    EXPECT_EQ(seen, (std::vector<int>{1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1}));
    EXPECT_FLOAT_EQ(sprite.GetTimer(), 3.0f);
    EXPECT_EQ(sprite.Update(0.5f), S_OK);
    EXPECT_EQ(sprite.IsVisible(), 0);
}

TEST(BlinkSprite, SwitchingOffResetsOnlyAtTheNextBlink) {
    BlinkSprite sprite;
    StartBlinkingAt(sprite, 0.7f);
    ASSERT_EQ(sprite.IsVisible(), 0);
    // Off and on again with no Blink between: the old phase goes on.
    sprite.SetBlinking(false);
    sprite.SetBlinking(true);
    sprite.Blink(0.4f);
    EXPECT_EQ(sprite.IsVisible(), 1);
    EXPECT_FLOAT_EQ(sprite.GetTimer(), 1.1f);

    sprite.SetBlinking(false);
    EXPECT_EQ(sprite.IsVisible(), 1); // the flag alone changes nothing yet
    EXPECT_EQ(sprite.Blink(0.7f), S_OK);
    EXPECT_EQ(sprite.IsVisible(), 0);
    EXPECT_EQ(sprite.GetTimer(), 0.0f);

    // The next run starts with its visible half second, and Blink(0)
    // re-derives the flag from the unchanged timer.
    sprite.SetBlinking(true);
    sprite.Blink(0.1f);
    EXPECT_EQ(sprite.IsVisible(), 1);
    sprite.SetVisible(0);
    sprite.Blink(0.0f);
    EXPECT_EQ(sprite.IsVisible(), 1);
    EXPECT_FLOAT_EQ(sprite.GetTimer(), 0.1f);
}

TEST(BlinkSprite, TimerBeyondAnyIntegerSlotStaysDefined) {
    BlinkSprite sprite;
    StartBlinkingAt(sprite, 1e10f);
    EXPECT_EQ(sprite.IsVisible(), 1);
    sprite.Blink(1e38f);
    EXPECT_EQ(sprite.IsVisible(), 1);
}

using LoadedBlinkSprite = DeviceTest;

TEST_F(LoadedBlinkSprite, LoadsVisibleAndDrawsOnlyWhileShown) {
    ScratchFolder folder;
    folder.AddImage("prompt.png", 6);
    BlinkSprite sprite;
    d3d9_testing::startRecording(Device());
    EXPECT_EQ(sprite.Draw(), E_FAIL);
    EXPECT_TRUE(Draws().empty());

    ASSERT_EQ(sprite.Load("Grafik//prompt.png", 100, 200, 300, 40), S_OK);
    EXPECT_EQ(sprite.Load("Grafik//prompt.png", 0, 0, 1, 1), E_FAIL);
    EXPECT_EQ(sprite.IsVisible(), 1);
    sprite.SetBlinking(true);
    EXPECT_EQ(sprite.IsVisible(), 1);
    ExpectQuad(BufferVertices(sprite), 100, 200, 300, 40);

    EXPECT_EQ(sprite.Draw(), S_OK);
    sprite.Blink(0.6f);
    EXPECT_EQ(sprite.Draw(), S_OK);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_EQ(Draws()[0].texture, sprite.GetTexture());
    EXPECT_EQ(Draws()[0].stream, sprite.GetVertexBuffer());

    EXPECT_EQ(sprite.Release(), S_OK);
    EXPECT_EQ(sprite.IsBlinking(), 1);
    EXPECT_FLOAT_EQ(sprite.GetTimer(), 0.6f);
}

TEST_F(LoadedBlinkSprite, HighlightIsThirtyPixelsAtTheOrigin) {
    ScratchFolder folder;
    folder.AddImage("highlight.png", 7);
    BlinkSprite highlight;
    ASSERT_EQ(highlight.LoadHighlight(), S_OK);
    ASSERT_NE(highlight.GetTexture(), nullptr);
    EXPECT_EQ(highlight.GetTexture()->Width(), 7u);
    ExpectQuad(BufferVertices(highlight), 0, 0, 30, 30);
    EXPECT_EQ(highlight.LoadHighlight(), E_FAIL);
    EXPECT_EQ(highlight.ReleaseHighlight(), S_OK);
    EXPECT_EQ(highlight.IsLoaded(), 0);
    EXPECT_EQ(highlight.GetTexture(), nullptr);
}

} // namespace
