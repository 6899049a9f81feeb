// The menu as a player uses it: new game, quit, the close box, Action mode, credits, and the
// entries that are grey while a game runs.
#include "Application.h"
#include "WndProc.h"
#include "tests/shell/shell_fixture.h"

namespace shell_test {
namespace {

using MenuTest = ShellTest;

TEST_F(MenuTest, NewGameAnsweredYesMidGameAbandonsItWithoutReport) {
    Jump(4, 16);
    headless::ChooseMenu(40001);
    headless::AnswerBox(IDYES);
    headless::Idle(3);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 1u);
    const headless::BoxRecord& box = headless::Boxes()[0];
    EXPECT_EQ(box.caption, "Neues Spiel");
    EXPECT_EQ(box.text, "Neues Spiel starten?");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(headless::Dialogs().empty());
    EXPECT_EQ(g_game.GetScore(), 0);
    EXPECT_EQ(g_game.GetPegsLeft(), 32);
    EXPECT_FALSE(g_game.IsInProgress());
    EXPECT_TRUE(g_game.titleShown);
    EXPECT_EQ(Scores(ReadTable(kActionFile)), std::vector<int>({0, 0, 0, 0, 0}));
}

TEST_F(MenuTest, NewGameAndQuitAnsweredNoChangeNothing) {
    Jump(4, 16);
    headless::ChooseMenu(40001);
    headless::AnswerBox(IDNO);
    headless::ChooseMenu(40002);
    headless::AnswerBox(IDNO);
    headless::Click(HoleCentre(28).first, HoleCentre(28).second); // the game goes on
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 2u);
    EXPECT_EQ(headless::Boxes()[1].caption, "Spiel Beenden");
    EXPECT_EQ(headless::Boxes()[1].text, "Spiel wirklich beenden?");
    EXPECT_EQ(headless::Boxes()[1].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(g_game.GetScore(), 50);
    EXPECT_EQ(g_game.GetMoves(), 1);
    EXPECT_TRUE(g_game.IsInProgress());
    EXPECT_TRUE(g_game.board.holes[28].selected);
}

// The pass that takes the quit message still updates and draws; then the program ends.
TEST_F(MenuTest, QuitAnsweredYesEndsAfterOneMoreFrame) {
    headless::ChooseMenu(40002);
    headless::AnswerBox(IDYES);
    headless::Idle(5);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::PendingActions(), 1u);
    // The backend stops counting at the window's destruction; the device counts on.
    EXPECT_EQ(g_window.GetHwnd()->surface.presentCount, headless::FramesPresented() + 1);
    EXPECT_FALSE(headless::IsWindowAlive(g_window.GetHwnd()));
    EXPECT_TRUE(fs::exists(kActionFile));
    EXPECT_TRUE(fs::exists(kNormalFile));
}

TEST_F(MenuTest, CloseBoxQuitsWithoutQuestionAndStillSavesTheTables) {
    WriteTable(kNormalFile, {1, 2, 3, 4, 5});
    Jump(4, 16);
    headless::AdvanceTime(31000);
    headless::Idle();
    headless::AnswerBox(IDOK);
    headless::TypeText(1000, u8"Jürgen");
    headless::PressEnter();
    headless::PressEnter();
    headless::PressCloseBox();
    headless::Idle(4);
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    EXPECT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::PendingActions(), 1u);
    HighscoreTable action = ReadTable(kActionFile);
    EXPECT_STREQ(action.entry[4].name, "Jürgen");
    EXPECT_EQ(action.entry[4].score, 50);
    EXPECT_EQ(Scores(ReadTable(kNormalFile)), std::vector<int>({1, 2, 3, 4, 5}));
    ExpectEverythingGivenBack();
}

TEST_F(MenuTest, EntriesAreGreyWithinOnePassOfTheFirstClickAndEnabledAfterTheEnd) {
    ClickHole(4);
    headless::ChooseMenu(40003);
    headless::ChooseMenu(40004);
    headless::ChooseMenu(40005);
    ClickHole(16);
    headless::AdvanceTime(31000);
    headless::Idle();
    headless::AnswerBox(IDOK);
    headless::PressEnter();
    headless::PressEnter();
    headless::ChooseMenu(40003); // enabled again: the list opens
    headless::PressEnter();
    headless::ChooseMenu(40001);
    headless::AnswerBox(IDYES);
    headless::ChooseMenu(40004); // and after "Neu": the credits show
    WinMain(nullptr, nullptr, nullptr, SW_SHOW);

    expectedRefusals = {"menu 40003: greyed", "menu 40004: greyed", "menu 40005: greyed"};
    EXPECT_TRUE(g_game.IsAboutShown());
    ASSERT_EQ(headless::Dialogs().size(), 3u);
    EXPECT_EQ(headless::Dialogs()[2].templateId, 104);
    EXPECT_EQ(headless::Dialogs()[2].owner, g_window.GetHwnd());
}

// The next tests drive the window procedure directly on a started program, to look at the
// menu and the game between two messages.
class StartedShellTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(StartUp(nullptr), S_OK);
        hwnd = g_window.GetHwnd();
    }
    void TearDown() override {
        ShutDown();
        ShellTest::TearDown();
    }
    void Command(int id) { WndProc(hwnd, WM_COMMAND, id, 0); }
    void LeftClick(int x, int y) { WndProc(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
    bool ActionTicked() { return headless::MenuItem(GetMenu(hwnd), 40005).checked; }

    HWND hwnd = nullptr;
};

TEST_F(StartedShellTest, ActionModeChosenTwiceReturnsTickFlagAndMode) {
    EXPECT_TRUE(ActionTicked());
    EXPECT_EQ(actionChecked, 1);
    EXPECT_TRUE(g_game.IsActionMode());

    Command(40005);
    EXPECT_FALSE(ActionTicked());
    EXPECT_EQ(actionChecked, 0);
    EXPECT_FALSE(g_game.IsActionMode());
    EXPECT_FALSE(g_game.stats.timed);

    Command(40005);
    EXPECT_TRUE(ActionTicked());
    EXPECT_EQ(actionChecked, 1);
    EXPECT_TRUE(g_game.IsActionMode());
    EXPECT_TRUE(g_game.stats.timed);
}

TEST_F(StartedShellTest, ClickOnTheCreditsOnlyClosesThem) {
    Command(40004);
    ASSERT_TRUE(g_game.IsAboutShown());
    std::pair<int, int> peg = HoleCentre(4);
    LeftClick(peg.first, peg.second);
    EXPECT_FALSE(g_game.IsAboutShown());
    EXPECT_TRUE(g_game.titleShown);
    EXPECT_FALSE(g_game.board.holes[4].selected);

    LeftClick(peg.first, peg.second);
    EXPECT_TRUE(g_game.board.holes[4].selected);
    EXPECT_TRUE(g_game.IsInProgress());
}

TEST_F(StartedShellTest, PaintAndMoveDrawAFrameUnknownCommandsDoNothing) {
    // Showing the window painted the first frame.
    uint64_t frames = headless::FramesPresented();
    EXPECT_EQ(frames, 1u);
    WndProc(hwnd, WM_PAINT, 0, 0);
    WndProc(hwnd, WM_MOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(headless::FramesPresented(), frames + 2);

    Command(40099);
    Command(MAKEWPARAM(40001, 1) & 0xFFFF0000); // id 0
    EXPECT_TRUE(headless::Boxes().empty());
    EXPECT_TRUE(headless::Dialogs().empty());
}

TEST_F(StartedShellTest, ClickOutsideTheBoardStartsTheGameButMovesNothing) {
    LeftClick(10, 10);
    EXPECT_TRUE(g_game.IsInProgress());
    EXPECT_EQ(g_game.GetMoves(), 0);
    // A click far out, as the platform packs it: both words taken unsigned.
    LeftClick(0xFFFF, 0xFFFF);
    EXPECT_EQ(g_game.GetMoves(), 0);
    EXPECT_TRUE(headless::Boxes().empty());
}

} // namespace
} // namespace shell_test
