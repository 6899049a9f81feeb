#include "Stats.h"
#include "tests/game/game_test_device.h"

#include <string>

namespace {

class StatsTest : public GameDeviceTest {
protected:
    void SetUp() override {
        GameDeviceTest::SetUp();
        // The panel is drawn piece by piece inside one scene, as Direct3D 9 asks.
        ASSERT_EQ(g_graphics.BeginScene(), S_OK);
        ASSERT_EQ(stats.Init(), S_OK);
    }
    void TearDown() override {
        stats.Release();
        GameDeviceTest::TearDown();
    }

    // Draws the panel and reads back what the digit sprites showed, from
    // the left; sprites that drew nothing are left out.
    template <int N> std::string Number(DigitSprite (&digits)[N]) {
        std::string text;
        for (DigitSprite& digit : digits) {
            int shown = DigitShown(digit);
            if (shown >= 0)
                text += std::to_string(shown);
        }
        return text;
    }

    void Render(int score, int moves, int pegsLeft, int combo) {
        StartRecording();
        EXPECT_EQ(stats.Render(0.0f, score, moves, pegsLeft, combo), S_OK);
    }

    Stats stats;
};

TEST_F(StatsTest, NewGameShowsItsNumbersAndAFullClock) {
    Render(0, 0, 32, 0);
    EXPECT_EQ(Number(stats.pegsDigits), "32");
    EXPECT_EQ(Number(stats.movesDigits), "0");
    EXPECT_EQ(Number(stats.scoreDigits), "0");
    EXPECT_EQ(DigitShown(stats.comboDigit), 0);
    EXPECT_EQ(DrawsOf(stats.comboHighlight), 0);
    EXPECT_EQ(DigitShown(stats.timePanel.digits[1]), 3);
    EXPECT_EQ(DigitShown(stats.timePanel.digits[0]), 0);
    // Panel image and label under everything, the countdown last.
    EXPECT_EQ(DrawIndexOf(stats), 0);
    EXPECT_EQ(DrawIndexOf(stats.comboLabel), 1);
    EXPECT_EQ(Draws().back().stream, stats.timePanel.digits[1].GetVertexBuffer());
}

TEST_F(StatsTest, RowsStartAtXFiveHundredFromTheTop) {
    ExpectPlace(stats, 400.0f, 0.0f, 75, 90);
    ExpectPlace(stats.comboLabel, 400.0f, 80.0f, 75, 30);
    EXPECT_NE(stats.GetTexture(), nullptr);
    EXPECT_NE(stats.comboLabel.GetTexture(), nullptr);
    for (int i = 0; i < 4; i++)
        ExpectPlace(stats.scoreDigits[i], 500.0f + 15 * i, 55.0f, 30, 30);
    for (int i = 0; i < 2; i++) {
        ExpectPlace(stats.movesDigits[i], 500.0f + 15 * i, 30.0f, 30, 30);
        ExpectPlace(stats.pegsDigits[i], 500.0f + 15 * i, 5.0f, 30, 30);
    }
    ExpectPlace(stats.comboDigit, 500.0f, 80.0f, 30, 30);
    ExpectPlace(stats.comboHighlight, 500.0f, 80.0f, 30, 30);
    EXPECT_EQ(stats.timePanel.IsLoaded(), 1);
}

TEST_F(StatsTest, NumbersStartAtTheirFirstDigit) {
    Render(50, 9, 9, 1);
    EXPECT_EQ(Number(stats.pegsDigits), "9");
    EXPECT_EQ(DrawsOf(stats.pegsDigits[1]), 0);
    EXPECT_EQ(Number(stats.movesDigits), "9");
    EXPECT_EQ(Number(stats.scoreDigits), "50");

    Render(950, 10, 10, 1);
    EXPECT_EQ(Number(stats.pegsDigits), "10");
    EXPECT_EQ(Number(stats.movesDigits), "10");
    EXPECT_EQ(Number(stats.scoreDigits), "950");
    EXPECT_EQ(DrawsOf(stats.scoreDigits[3]), 0);

    Render(1000, 31, 1, 0);
    EXPECT_EQ(Number(stats.scoreDigits), "1000");
    EXPECT_EQ(Number(stats.pegsDigits), "1");

    Render(12550, 31, 1, 0);
    EXPECT_EQ(Number(stats.scoreDigits), "1255");
}

TEST_F(StatsTest, ComboHighlightBlinksFromThreeJumps) {
    Render(0, 2, 30, 2);
    stats.Update(0.02f);
    Render(0, 2, 30, 2);
    EXPECT_EQ(DigitShown(stats.comboDigit), 2);
    EXPECT_EQ(DrawsOf(stats.comboHighlight), 0);

    Render(0, 3, 29, 3); // starts the blinking while still hidden
    EXPECT_EQ(DrawsOf(stats.comboHighlight), 0);
    stats.Update(0.02f);
    Render(0, 3, 29, 3);
    EXPECT_EQ(DrawsOf(stats.comboHighlight), 1);
    EXPECT_LT(DrawIndexOf(stats.comboHighlight), DrawIndexOf(stats.comboDigit));
    stats.Update(0.5f);
    Render(0, 3, 29, 3);
    EXPECT_EQ(DrawsOf(stats.comboHighlight), 0);

    Render(0, 3, 29, 0); // the chain ended
    EXPECT_EQ(DrawsOf(stats.comboHighlight), 0);
    stats.Update(0.5f);
    EXPECT_EQ(stats.comboHighlight.IsVisible(), 0);
}

TEST_F(StatsTest, LongChainShowsNineAndNeverLooksPastTheDigitImages) {
    Render(0, 12, 20, 12);
    EXPECT_EQ(DigitShown(stats.comboDigit), 9);
    Render(0, 12, 20, 10);
    EXPECT_EQ(DigitShown(stats.comboDigit), 9);
}

TEST_F(StatsTest, NormalModeFreezesTheClockButBlinksTheCombo) {
    stats.SetTimed(0);
    Render(0, 3, 29, 3);
    stats.Update(5.0f);
    stats.Update(0.7f); // timer 5.7: hidden
    EXPECT_EQ(stats.timePanel.GetTimeLeft(), 30.0f);
    EXPECT_EQ(stats.comboHighlight.IsVisible(), 0);
    stats.Update(0.5f);
    EXPECT_EQ(stats.comboHighlight.IsVisible(), 1);

    stats.SetTimed(1);
    stats.Update(5.0f);
    EXPECT_EQ(stats.timePanel.GetTimeLeft(), 25.0f);
}

TEST_F(StatsTest, ClockRunsOutUntilTheNextReset) {
    stats.Update(29.0f);
    EXPECT_EQ(stats.IsTimeUp(), 0);
    stats.Update(1.0f);
    stats.Update(1.0f);
    EXPECT_EQ(stats.IsTimeUp(), 1);
    stats.ResetTime();
    EXPECT_EQ(stats.IsTimeUp(), 0);
    EXPECT_EQ(stats.timePanel.GetTimeLeft(), 30.0f);

    // Setting the flag by hand reaches the countdown's own.
    EXPECT_EQ(stats.SetTimeUp(1), S_OK);
    EXPECT_EQ(stats.IsTimeUp(), 1);
    EXPECT_EQ(stats.timePanel.GetTimeLeft(), 30.0f);
    stats.SetTimeUp(0);
    EXPECT_EQ(stats.IsTimeUp(), 0);
}

TEST_F(StatsTest, ReleasedPanelRefusesToDrawAndKeepsItsMode) {
    stats.SetTimed(0);
    stats.Release();
    EXPECT_EQ(stats.IsLoaded(), 0);
    StartRecording();
    EXPECT_EQ(stats.Render(0.0f, 1, 2, 3, 4), E_FAIL);
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(stats.timed, 0);
}

} // namespace
