// Start-up, the frame loop's timing and shutdown, through the real WinMain.
#include "FrameTime.h"
#include "tests/shell/shell_fixture.h"

#include <csignal>

namespace shell_test {
namespace {

using FrameLoopTest = ShellTest;

TEST(PassSecondsTest, MillisecondsBecomeFloatSecondsAcrossTheWrap) {
    EXPECT_EQ(PassSeconds(1000, 1000), 0.0f);
    EXPECT_EQ(PassSeconds(5000, 5016), 0.016f);
    EXPECT_EQ(PassSeconds(0xFFFFFFF8u, 8), 0.016f);
    EXPECT_EQ(PassSeconds(0, 0xFFFFFFFFu), static_cast<float>(4294967295.0 / 1000.0));
}

// The countdown shows what the loop measured: one pass of 5 seconds in which the
// millisecond counter wraps takes 5 seconds off the clock, no more.
TEST_F(FrameLoopTest, PassAcrossTheCounterWrapCountsItsTrueDuration) {
    headless::SetTime(0xFFFFF000u);
    ClickHole(4);
    headless::AdvanceTime(5000);
    headless::Idle();
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    EXPECT_FALSE(g_game.IsGameOver());
    EXPECT_FLOAT_EQ(g_game.stats.timePanel.GetTimeLeft(), 25.0f);
}

// Each pass reads the clock twice; a clock that moves 8 ms per reading makes every pass 8 ms.
TEST_F(FrameLoopTest, EveryPassAdvancesTheClockByItsOwnDuration) {
    headless::SetTimeStep(8);
    ClickHole(4);
    headless::Idle(100);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    float left = g_game.stats.timePanel.GetTimeLeft();
    EXPECT_LT(left, 30.0f - 100 * 0.008f + 0.001f);
    EXPECT_GT(left, 30.0f - 110 * 0.008f);
}

// Four seconds spent in the "Neu" question are part of the next pass and leave the clock.
TEST_F(FrameLoopTest, TimeInAModalBoxCountsInTheNextPass) {
    ClickHole(4);
    headless::ChooseMenu(40001);
    headless::AdvanceTime(4000); // taken while the box is up
    headless::AnswerBox(IDNO);
    headless::Idle(2);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_TRUE(headless::Boxes()[0].answered);
    EXPECT_FLOAT_EQ(g_game.stats.timePanel.GetTimeLeft(), 26.0f);
}

// So do four seconds with the drop-down open, and the label of the jump stands still in every
// frame painted meanwhile; the command chosen from it follows once it has closed.
TEST_F(FrameLoopTest, AnOpenMenuHoldsTheGameAndCountsInTheNextPass) {
    headless::KeepFrames(true);
    Jump(4, 16);
    headless::OpenMenu();
    headless::Expose();
    headless::AdvanceTime(4000);
    headless::Expose();
    headless::ChooseMenu(40001);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    const std::vector<headless::Frame>& frames = headless::Frames();
    size_t held = 0;
    while (held < frames.size() && !frames[held].duringModal) {
        ++held;
    }
    ASSERT_LT(held + 1, frames.size());
    EXPECT_TRUE(frames[held + 1].duringModal);
    EXPECT_EQ(frames[held].pixels, frames[held - 1].pixels);
    EXPECT_EQ(frames[held + 1].pixels, frames[held - 1].pixels);
    EXPECT_EQ(headless::Boxes().at(0).caption, "Neues Spiel");
    EXPECT_FLOAT_EQ(g_game.stats.timePanel.GetTimeLeft(), 26.0f);
}

// Ended by the close box once the script is used up, or by SIGTERM in the frame loop before the
// click is played: the same shutdown.
TEST_F(FrameLoopTest, NormalRunShowsTheWindowAndGivesEverythingBack) {
    for (const bool terminated : {false, true}) {
        SCOPED_TRACE(terminated ? "ended by SIGTERM" : "ended by the close box");
        headless::Click(10, 10);
        if (terminated) {
            headless::WatchEndRequests();
            std::raise(SIGTERM);
        }
        WinMain(nullptr, nullptr, nullptr, SW_SHOW);

        EXPECT_EQ(headless::PendingActions(), terminated ? 1u : 0u);
        EXPECT_GT(headless::FramesPresented(), 0u);
        EXPECT_FALSE(g_game.IsInitialized());
        EXPECT_EQ(g_graphics.GetDevice(), nullptr);
        ExpectEverythingGivenBack();
        EXPECT_TRUE(fs::exists(kActionFile));
        EXPECT_TRUE(fs::exists(kNormalFile));
        TearDown();
        SetUp();
    }
}

// Start-up that cannot make the device or the game ends at once: no message, no frame, the
// window stays hidden and no highscore file is written.
TEST_F(FrameLoopTest, FailedStartUpReturnsZeroWithoutAMessage) {
    for (int failure = 0; failure < 2; ++failure) {
        d3d9_testing::resetFaults();
        if (failure == 0) {
            d3d9_testing::faults().failCreateDevice = true;
        } else {
            d3d9_testing::faults().failCreateVertexBuffer = 1;
        }
        headless::Click(10, 10);

        EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, SW_SHOW), 0);
        EXPECT_TRUE(headless::Boxes().empty());
        EXPECT_EQ(headless::FramesPresented(), 0u);
        EXPECT_FALSE(headless::IsWindowVisible(g_window.GetHwnd()));
        EXPECT_EQ(headless::PendingActions(), 1u);
        EXPECT_FALSE(fs::exists(kActionFile));

        // What the failed start-up kept would end with the process; give it back here.
        d3d9_testing::resetFaults();
        g_game.initialized = 1;
        g_game.Release();
        if (g_graphics.IsReady()) {
            g_graphics.Destroy();
        } else {
            g_graphics.GetD3D()->Release(); // the device was refused
        }
        ExpectEverythingGivenBack();
        TearDown();
        SetUp();
    }
}

} // namespace
} // namespace shell_test
