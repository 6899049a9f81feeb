// The Action clock runs out: the frame loop reports the end against the Action table.
#include "tests/shell/shell_fixture.h"

namespace shell_test {
namespace {

using TimeOutTest = ShellTest;

// One jump (50 points), then the 30 seconds pass in one step; the pass after it finds the
// clock run out.
void ScriptOneJumpThenTimeOut() {
    Jump(4, 16);
    headless::AdvanceTime(31000);
    headless::Idle();
}

TEST_F(TimeOutTest, QualifyingScoreBringsBoxThenNameDialogThenList) {
    ScriptOneJumpThenTimeOut();
    headless::AnswerBox(IDOK);
    headless::PressEnter(); // the name dialog: the default name
    headless::PressEnter(); // the list: "OK"
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 1u);
    const headless::BoxRecord& box = headless::Boxes()[0];
    EXPECT_EQ(box.caption, "GameOver");
    EXPECT_EQ(box.text, "Die Zeit ist abgelaufen! Das Spiel ist vorbei!");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(box.owner, g_window.GetHwnd());
    EXPECT_TRUE(box.answered);

    ASSERT_EQ(headless::Dialogs().size(), 2u);
    const headless::DialogRecord& name = headless::Dialogs()[0];
    EXPECT_EQ(name.templateId, 103);
    EXPECT_EQ(name.owner, g_window.GetHwnd());
    EXPECT_EQ(name.views[0].caption, "Glückwunsch Highscore! (Action Mode)");
    EXPECT_EQ(name.views[0].Text(1000), "Action Player");
    EXPECT_EQ(name.views[0].Text(1001), "50");
    EXPECT_GE(name.framesAtOpen, box.framesAtClose);
    const headless::DialogRecord& list = headless::Dialogs()[1];
    EXPECT_EQ(list.templateId, 104);
    EXPECT_GE(list.framesAtOpen, name.framesAtClose);
    EXPECT_EQ(list.views[0].caption, "Die Top 5 Quorvel Player (Action Mode)");
    EXPECT_EQ(list.views[0].Text(1002), "1. Action Player  mit 50 Punkten");
    EXPECT_EQ(list.views[0].Text(1003), "2. Player mit 0 Punkten");
    EXPECT_FALSE(list.abandoned);

    // The new entry reaches the file at shutdown; the Normal table is saved untouched.
    HighscoreTable action = ReadTable(kActionFile);
    EXPECT_STREQ(action.entry[4].name, "Action Player");
    EXPECT_EQ(action.entry[4].score, 50);
    EXPECT_EQ(Scores(ReadTable(kNormalFile)), std::vector<int>({0, 0, 0, 0, 0}));
    EXPECT_TRUE(fs::exists(kNormalFile));
}

TEST_F(TimeOutTest, ScoreEqualToFifthPlaceBringsTheBoxOnly) {
    WriteTable(kActionFile, {50, 60, 70, 80, 90});
    ScriptOneJumpThenTimeOut();
    headless::AnswerBox(IDOK);
    headless::Idle(3);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].caption, "GameOver");
    EXPECT_TRUE(headless::Dialogs().empty());
    EXPECT_EQ(Scores(ReadTable(kActionFile)), std::vector<int>({50, 60, 70, 80, 90}));
}

// The report follows the Action table even when the Normal table would let the score in.
TEST_F(TimeOutTest, ReportIsMadeOnceAndAgainstTheActionTable) {
    WriteTable(kActionFile, {100, 200, 300, 400, 500});
    ScriptOneJumpThenTimeOut();
    headless::AnswerBox(IDOK);
    headless::Click(300, 300); // on a finished game: nothing
    headless::Idle(5);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    EXPECT_EQ(headless::Boxes().size(), 1u);
    EXPECT_TRUE(headless::Dialogs().empty());
    EXPECT_TRUE(g_game.IsGameOver());
    EXPECT_EQ(g_game.GetMoves(), 1);
    EXPECT_EQ(gameOverShown, 1);
}

// The close box in the very pass in which the clock runs out: the window is gone before the
// loop's update finds the end, so no box or dialog pops up after it; the tables are saved.
TEST_F(TimeOutTest, ClockRunningOutAsTheWindowClosesBringsNoReport) {
    Jump(4, 16);
    headless::AdvanceTime(31000);
    headless::PressCloseBox();
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    EXPECT_TRUE(g_game.IsGameOver());
    EXPECT_TRUE(headless::Boxes().empty());
    EXPECT_TRUE(headless::Dialogs().empty());
    EXPECT_EQ(Scores(ReadTable(kActionFile)), std::vector<int>({0, 0, 0, 0, 0}));
    EXPECT_TRUE(fs::exists(kNormalFile));
}

} // namespace
} // namespace shell_test
