#include "TimePanel.h"
#include "tests/game/game_test_device.h"

#include <string>

namespace {

class TimePanelTest : public GameDeviceTest {
protected:
    void SetUp() override {
        GameDeviceTest::SetUp();
        // The panel is drawn piece by piece inside one scene, as Direct3D 9 asks.
        ASSERT_EQ(g_graphics.BeginScene(), S_OK);
        ASSERT_EQ(panel.Init(), S_OK);
    }
    void TearDown() override {
        panel.Release();
        GameDeviceTest::TearDown();
    }

    // Draws the panel once and reads back the two digits, tens first, and
    // how many highlights were drawn.
    std::string Shown() {
        StartRecording();
        EXPECT_EQ(panel.Draw(0.0f), S_OK);
        std::string text = std::to_string(DigitShown(panel.digits[1])) +
                           std::to_string(DigitShown(panel.digits[0]));
        highlightsDrawn = DrawsOf(panel.highlights[0]) + DrawsOf(panel.highlights[1]);
        return text;
    }

    TimePanel panel;
    int highlightsDrawn = 0;
};

TEST_F(TimePanelTest, FreshClockShowsThirtyWithoutHighlights) {
    EXPECT_EQ(panel.GetTimeLeft(), 30.0f);
    EXPECT_EQ(panel.IsExpired(), 0);
    EXPECT_EQ(panel.IsLoaded(), 1);
    EXPECT_EQ(Shown(), "30");
    EXPECT_EQ(highlightsDrawn, 0);
    EXPECT_EQ(panel.warn, 0);
    // Label first, then ones, then tens over them.
    ASSERT_EQ(Draws().size(), 3u);
    EXPECT_EQ(Draws()[0].stream, panel.GetVertexBuffer());
    EXPECT_EQ(Draws()[1].stream, panel.digits[0].GetVertexBuffer());
    EXPECT_EQ(Draws()[2].stream, panel.digits[1].GetVertexBuffer());
}

TEST_F(TimePanelTest, LabelDigitsAndHighlightsSitInTheTopLeftCorner) {
    ExpectPlace(panel, 20.0f, 5.0f, 75, 30);
    ExpectPlace(panel.highlights[0], 90.0f, 5.0f, 30, 30);
    ExpectPlace(panel.highlights[1], 105.0f, 5.0f, 30, 30);
    ExpectPlace(panel.digits[0], 105.0f, 5.0f, 30, 30);
    ExpectPlace(panel.digits[1], 90.0f, 5.0f, 30, 30);
    EXPECT_NE(panel.GetTexture(), nullptr);
    EXPECT_NE(panel.highlights[0].GetTexture(), nullptr);
}

TEST_F(TimePanelTest, HighlightsStartBlinkingBelowTenSeconds) {
    panel.Update(20.0f);
    EXPECT_EQ(panel.GetTimeLeft(), 10.0f);
    EXPECT_EQ(Shown(), "10");
    EXPECT_EQ(highlightsDrawn, 0);

    panel.Update(0.01f); // not yet blinking: hides them
    EXPECT_EQ(Shown(), "09");
    EXPECT_EQ(panel.warn, 1);
    EXPECT_EQ(highlightsDrawn, 0);

    panel.Update(0.0f); // the drawing started the blinking: shown from now on
    EXPECT_EQ(Shown(), "09");
    EXPECT_EQ(highlightsDrawn, 2);
    // Highlights lie beneath the digits.
    EXPECT_LT(DrawIndexOf(panel.highlights[1]), DrawIndexOf(panel.digits[0]));

    panel.Update(0.5f);
    EXPECT_EQ(Shown(), "09");
    EXPECT_EQ(highlightsDrawn, 0);
    panel.Update(0.5f);
    EXPECT_EQ(Shown(), "08");
    EXPECT_EQ(highlightsDrawn, 2);
}

TEST_F(TimePanelTest, LastSecondShowsZeroBeforeTheClockRunsOut) {
    panel.timeLeft = 0.4f;
    EXPECT_EQ(Shown(), "00");
    EXPECT_EQ(panel.IsExpired(), 0);

    panel.timeLeft = 0.25f;
    panel.Update(1.5f);
    EXPECT_EQ(panel.GetTimeLeft(), -1.25f);
    EXPECT_EQ(panel.IsExpired(), 1);
    EXPECT_EQ(Shown(), "00");
    panel.Update(0.5f); // the clock stands, the highlights go on blinking
    EXPECT_EQ(panel.GetTimeLeft(), -1.25f);
    EXPECT_EQ(Shown(), "00");
    int hiddenOrShown = highlightsDrawn;
    panel.Update(0.5f);
    EXPECT_EQ(Shown(), "00");
    EXPECT_NE(highlightsDrawn, hiddenOrShown);
}

TEST_F(TimePanelTest, RunOutAtExactlyZeroAndAfterALongFrame) {
    panel.timeLeft = 0.5f;
    panel.Update(0.5f);
    EXPECT_EQ(panel.GetTimeLeft(), 0.0f);
    EXPECT_EQ(panel.IsExpired(), 1);

    panel.Reset();
    panel.timeLeft = 5.0f;
    panel.Update(12.0f);
    EXPECT_EQ(panel.GetTimeLeft(), -7.0f);
    EXPECT_EQ(panel.IsExpired(), 1);
    EXPECT_EQ(Shown(), "00"); // not "-7"

    // A frame of absurd length still shows a run-out clock.
    panel.Reset();
    panel.Update(1e30f);
    EXPECT_EQ(Shown(), "00");

    // dt 0 changes no time but still tests for the run-out.
    panel.Reset();
    panel.timeLeft = 0.0f;
    panel.Update(0.0f);
    EXPECT_EQ(panel.IsExpired(), 1);
}

TEST_F(TimePanelTest, ResetAfterRunOutStartsAFreshClock) {
    panel.Update(31.0f);
    EXPECT_EQ(Shown(), "00");
    panel.Update(0.0f);
    EXPECT_EQ(Shown(), "00");
    EXPECT_EQ(highlightsDrawn, 2);

    panel.Reset();
    EXPECT_EQ(panel.GetTimeLeft(), 30.0f);
    EXPECT_EQ(panel.IsExpired(), 0);
    EXPECT_EQ(panel.warn, 0);
    EXPECT_EQ(Shown(), "30");
    EXPECT_EQ(highlightsDrawn, 0);
    panel.Update(0.25f); // told to stop: hidden, timers back to zero
    EXPECT_EQ(panel.highlights[0].IsVisible(), 0);

    panel.Update(20.0f);
    EXPECT_EQ(Shown(), "09");
    EXPECT_EQ(highlightsDrawn, 0);
    panel.Update(0.1f);
    EXPECT_EQ(Shown(), "09");
    EXPECT_EQ(highlightsDrawn, 2);
}

TEST_F(TimePanelTest, ReleasedPanelDrawsNothingAndKeepsItsClock) {
    panel.Update(12.5f);
    panel.Release();
    EXPECT_EQ(panel.IsLoaded(), 0);
    StartRecording();
    EXPECT_EQ(panel.Draw(0.0f), S_OK);
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(panel.GetTimeLeft(), 17.5f);
}

} // namespace
