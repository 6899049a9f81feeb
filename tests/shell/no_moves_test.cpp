// A game that ends because no jump is left: the window procedure reports it inside the click,
// against the table of the current mode.
#include "tests/shell/shell_fixture.h"

#include <cstdlib>

namespace shell_test {
namespace {

using NoMovesTest = ShellTest;

// The banner's dark brown, as "Grafik/GameOver.png" shows it near its top-left corner.
bool ShowsGameOverBanner(const headless::Frame& frame) {
    uint32_t pixel = frame.pixels[210 * frame.width + 100];
    int red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    return std::abs(red - 71) < 16 && std::abs(green - 40) < 16 && std::abs(blue - 21) < 16;
}

TEST_F(NoMovesTest, NormalGameToItsEndIsReportedOnceAgainstTheNormalTable) {
    headless::KeepFrames(true);
    headless::ChooseMenu(40005); // Normal mode
    PlayWinningGame();
    headless::AnswerBox(IDOK);
    headless::PressEnter();
    headless::PressEnter();
    headless::Click(HoleCentre(16).first, HoleCentre(16).second); // on the finished game
    headless::Idle(3);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    EXPECT_EQ(g_game.GetPegsLeft(), 1);
    ASSERT_EQ(headless::Boxes().size(), 1u);
    const headless::BoxRecord& box = headless::Boxes()[0];
    EXPECT_EQ(box.caption, "Game Over");
    EXPECT_EQ(box.text, "Game Over: Es sind keine Züge mehr möglich!!");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));

    // The final board with the banner is on screen before the box opens.
    const std::vector<headless::Frame>& frames = headless::Frames();
    ASSERT_GE(box.framesAtOpen, 2u);
    EXPECT_TRUE(ShowsGameOverBanner(frames[box.framesAtOpen - 1]));
    EXPECT_FALSE(frames[box.framesAtOpen - 1].duringModal);
    EXPECT_FALSE(ShowsGameOverBanner(frames[box.framesAtOpen - 2]));

    std::string score = std::to_string(g_game.GetScore());
    ASSERT_EQ(headless::Dialogs().size(), 2u);
    const headless::DialogView& name = headless::Dialogs()[0].views[0];
    EXPECT_EQ(name.caption, "Glückwunsch Highscore! (Normal Mode)");
    EXPECT_EQ(name.Text(1000), "Normal Player");
    EXPECT_EQ(name.Text(1001), score);
    const headless::DialogView& list = headless::Dialogs()[1].views[0];
    EXPECT_EQ(list.caption, "Die Top 5 Quorvel Player (Normal Mode)");
    EXPECT_EQ(list.Text(1002), "1. Normal Player  mit " + score + " Punkten");

    HighscoreTable normal = ReadTable(kNormalFile);
    EXPECT_STREQ(normal.entry[4].name, "Normal Player");
    EXPECT_EQ(normal.entry[4].score, g_game.GetScore());
    EXPECT_EQ(Scores(ReadTable(kActionFile)), std::vector<int>({0, 0, 0, 0, 0}));
}

TEST_F(NoMovesTest, ScoreEqualToTheModesFifthPlaceBringsTheBoxOnly) {
    // The same winning game scores 6300 every time.
    WriteTable(kActionFile, {6300, 7000, 8000, 9000, 10000});
    PlayWinningGame();
    headless::AnswerBox(IDOK);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(g_game.GetScore(), 6300);
    EXPECT_EQ(headless::Boxes().size(), 1u);
    EXPECT_TRUE(headless::Dialogs().empty());
}

// A quick double click on the last jump's hole: the second press was already queued when the
// report's box disabled the window, so it is lost instead of reporting the game a second time.
TEST_F(NoMovesTest, DoubleClickOnTheLastJumpIsReportedOnce) {
    for (size_t i = 0; i + 1 < kWinningGame.size(); ++i) {
        Jump(kWinningGame[i].first, kWinningGame[i].second);
    }
    ClickHole(kWinningGame.back().first);
    std::pair<int, int> target = HoleCentre(kWinningGame.back().second);
    headless::DoubleClick(target.first, target.second);
    headless::AnswerBox(IDOK);
    headless::PressEnter();
    headless::PressEnter();
    headless::Idle(3);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(g_game.GetPegsLeft(), 1);
    EXPECT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Dialogs().size(), 2u);
    HighscoreTable action = ReadTable(kActionFile);
    EXPECT_EQ(Scores(action), std::vector<int>({0, 0, 0, 0, g_game.GetScore()}));
    EXPECT_EQ(gameOverShown, 1);
}

TEST_F(NoMovesTest, NewGameAfterTheEndIsReportedAgain) {
    PlayWinningGame();
    headless::AnswerBox(IDOK);
    headless::PressEnter();
    headless::PressEnter();
    headless::ChooseMenu(40001);
    headless::AnswerBox(IDYES);
    PlayWinningGame();
    headless::AnswerBox(IDOK);
    headless::TypeText(1000, u8"Zweite Runde");
    headless::PressEnter();
    headless::PressEnter();
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 3u);
    EXPECT_EQ(headless::Boxes()[2].caption, "Game Over");
    EXPECT_EQ(headless::Dialogs().size(), 4u);
    HighscoreTable action = ReadTable(kActionFile);
    EXPECT_STREQ(action.entry[4].name, "Zweite Runde");
    EXPECT_STREQ(action.entry[3].name, "Action Player");
}

} // namespace
} // namespace shell_test
