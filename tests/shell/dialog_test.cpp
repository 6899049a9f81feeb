// The name dialog and the top-five list, opened as the program opens them, on a started game.
#include "Application.h"
#include "HighscoreDialogs.h"
#include "WndProc.h"
#include "tests/shell/shell_fixture.h"

namespace shell_test {
namespace {

class DialogTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WriteTable(kActionFile, {10, 20, 30, 40, 50});
        WriteTable(kNormalFile, {100, 200, 300, 400, 500});
        ASSERT_EQ(StartUp(nullptr), S_OK);
    }
    void TearDown() override {
        ShutDown();
        ShellTest::TearDown();
    }
    // A finished game's score, and the dialogs that follow it.
    void EndGameWith(int score) {
        g_game.score = score;
        OfferHighscoreEntry(CurrentModeTable());
    }
    void ChooseNormalMode() { WndProc(g_window.GetHwnd(), WM_COMMAND, 40005, 0); }
    void OpenListFromMenu() { WndProc(g_window.GetHwnd(), WM_COMMAND, 40003, 0); }
};

TEST_F(DialogTest, EnterAtOnceEntersTheDefaultNameWithTheScore) {
    headless::PressEnter();
    headless::PressEnter();
    EndGameWith(35);

    ASSERT_EQ(headless::Dialogs().size(), 2u);
    const headless::DialogRecord& name = headless::Dialogs()[0];
    EXPECT_EQ(name.views[0].FocusedId(), IDOK);
    EXPECT_EQ(name.result, 0);
    EXPECT_EQ(Scores(g_game.actionTable), std::vector<int>({20, 30, 35, 40, 50}));
    EXPECT_STREQ(g_game.actionTable.entry[2].name, "Action Player");
    EXPECT_EQ(g_game.actionTable.GetLowest(), 20);
    // The list shows the new entry in third place at once.
    const headless::DialogView& list = headless::Dialogs()[1].views[0];
    EXPECT_EQ(list.Text(1002), "1. Old  mit 50 Punkten");
    EXPECT_EQ(list.Text(1004), "3. Action Player mit 35 Punkten");
    EXPECT_EQ(list.Text(1006), "5. Old mit 20 Punkten");
    // In memory only: the file changes at shutdown.
    EXPECT_EQ(Scores(ReadTable(kActionFile)), std::vector<int>({10, 20, 30, 40, 50}));
}

TEST_F(DialogTest, LongNameIsCutTo19CharactersAndAnEmptyNameEntersEmpty) {
    headless::TypeText(1000, "ABCDEFGHIJKLMNOPQRSTUVWXY");
    headless::PressButton(IDOK);
    headless::PressEnter();
    EndGameWith(60);
    headless::TypeText(1000, "");
    headless::PressEnter();
    headless::PressEnter();
    EndGameWith(70);

    EXPECT_STREQ(g_game.actionTable.entry[3].name, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(g_game.actionTable.entry[3].score, 60);
    EXPECT_STREQ(g_game.actionTable.entry[4].name, "");
    EXPECT_EQ(g_game.actionTable.entry[4].score, 70);
}

TEST_F(DialogTest, EscapeAndTheCloseBoxLeaveBothDialogsOpen) {
    headless::PressEscape();
    headless::PressDialogCloseBox();
    headless::PressEnter();
    headless::PressEscape();
    headless::PressDialogCloseBox();
    headless::PressButton(1007);
    EndGameWith(45);

    ASSERT_EQ(headless::Dialogs().size(), 2u);
    for (const headless::DialogRecord& dialog : headless::Dialogs()) {
        EXPECT_FALSE(dialog.abandoned);
        EXPECT_EQ(dialog.result, 0);
        EXPECT_EQ(dialog.views.size(), 4u);
    }
    EXPECT_EQ(g_game.actionTable.entry[3].score, 45);
    EXPECT_EQ(g_game.actionTable.entry[2].score, 40);
}

TEST_F(DialogTest, ScoreEqualToTheFifthPlaceOpensNoDialog) {
    EndGameWith(10);
    EXPECT_TRUE(headless::Dialogs().empty());
    EXPECT_EQ(Scores(g_game.actionTable), std::vector<int>({10, 20, 30, 40, 50}));
}

TEST_F(DialogTest, NormalModeEntersIntoTheNormalTable) {
    ChooseNormalMode();
    headless::TypeText(1000, u8"Jürgen");
    headless::PressEnter();
    headless::PressEnter();
    EndGameWith(250);

    const headless::DialogView& name = headless::Dialogs()[0].views[0];
    EXPECT_EQ(name.caption, "Glückwunsch Highscore! (Normal Mode)");
    EXPECT_EQ(name.Text(1000), "Normal Player");
    EXPECT_EQ(name.Text(1001), "250");
    EXPECT_STREQ(g_game.normalTable.entry[1].name, "Jürgen");
    EXPECT_EQ(Scores(g_game.normalTable), std::vector<int>({200, 250, 300, 400, 500}));
    EXPECT_EQ(Scores(g_game.actionTable), std::vector<int>({10, 20, 30, 40, 50}));
}

TEST_F(DialogTest, ResetAnsweredYesResetsOnlyTheCurrentTableAndShowsItAtOnce) {
    ChooseNormalMode();
    headless::PressButton(1008);
    headless::AnswerBox(IDNO);
    headless::PressButton(1008);
    headless::AnswerBox(IDYES);
    // Enter now would press the focused "Liste löschen" again.
    headless::PressButton(1007);
    OpenListFromMenu();

    ASSERT_EQ(headless::Boxes().size(), 2u);
    const headless::BoxRecord& question = headless::Boxes()[0];
    EXPECT_EQ(question.caption, "Reset");
    EXPECT_EQ(question.text, "Highscoreliste wirklich löschen!?");
    EXPECT_EQ(question.type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_NE(question.owner, g_window.GetHwnd()); // the list owns it

    ASSERT_EQ(headless::Dialogs().size(), 1u);
    const headless::DialogRecord& list = headless::Dialogs()[0];
    EXPECT_EQ(list.views[0].caption, "Die Top 5 Quorvel Player (Normal Mode)");
    EXPECT_EQ(list.views[0].Text(1002), "1. Old  mit 500 Punkten");
    EXPECT_EQ(list.views[0].Text(1006), "5. Old mit 100 Punkten");
    // After "No" the list is as it was; after "Yes" it shows the new lines while still open.
    EXPECT_EQ(list.views[1].Text(1002), "1. Old  mit 500 Punkten");
    const headless::DialogView& reset = list.views.back();
    EXPECT_EQ(reset.Text(1002), "1. Player  mit 4 Punkten");
    EXPECT_EQ(reset.Text(1003), "2. Player mit 3 Punkten");
    EXPECT_EQ(reset.Text(1004), "3. Player mit 2 Punkten");
    EXPECT_EQ(reset.Text(1005), "4. Player mit 1 Punkten");
    EXPECT_EQ(reset.Text(1006), "5. Player mit 0 Punkten");

    // The reset table's file is written at once; the other table and its file stay.
    EXPECT_EQ(Scores(ReadTable(kNormalFile)), std::vector<int>({0, 1, 2, 3, 4}));
    EXPECT_EQ(Scores(g_game.actionTable), std::vector<int>({10, 20, 30, 40, 50}));
    EXPECT_EQ(Scores(ReadTable(kActionFile)), std::vector<int>({10, 20, 30, 40, 50}));
}

} // namespace
} // namespace shell_test
