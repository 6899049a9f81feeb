// The hot peg as a player meets it: a peg that cannot be picked while its badge
// blinks, and a peg like any other once the badge's three seconds are over.
#include "tests/shell/shell_fixture.h"

namespace shell_test {
namespace {

using HotPegTest = ShellTest;

TEST_F(HotPegTest, APegWhoseBadgeRanOutOfTimeCanBeSelectedAndJump) {
    ScriptedDraws::AddBadgeOn(4);
    ClickHole(0); // starts the game; the same pass's update puts the badge on 4
    Jump(4, 16);  // the badge stands: 4 cannot be picked, and 0 cannot reach 16
    headless::AdvanceTime(3000);
    headless::Idle(); // the update of this pass ends the badge's run
    Jump(4, 16);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    EXPECT_EQ(ScriptedDraws::Left(), 0u);
    EXPECT_EQ(g_game.board.hotButton.GetHole(), 4);
    EXPECT_FALSE(g_game.board.hotButton.IsActive());
    EXPECT_EQ(g_game.GetMoves(), 1);
    EXPECT_TRUE(g_game.board.holes[4].empty);
    EXPECT_TRUE(g_game.board.holes[9].empty);
    EXPECT_TRUE(g_game.board.holes[16].selected);
    EXPECT_EQ(g_game.GetScore(), 50);
}

} // namespace
} // namespace shell_test
