#include "platform/win32/messages.h"
#include "tests/win32/message_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

using namespace win32_test;

namespace {

// A dialog procedure that ends only through a chosen command, like the game's.
int g_closingId = IDOK;
std::vector<int> g_commands;
bool g_focusFirst = true;

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog, "Glückwunsch Highscore! (Action Mode)");
        SetDlgItemTextA(dialog, 1001, "1234");
        SetDlgItemTextA(dialog, 1000, "Action Player");
        return g_focusFirst ? TRUE : FALSE;
    }
    if (message == WM_COMMAND) {
        g_commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == g_closingId) {
            EndDialog(dialog, 42);
        }
        return TRUE;
    }
    return FALSE;
}

INT_PTR RunNameDialog(HWND owner, int closingId = IDOK) {
    g_closingId = closingId;
    g_commands.clear();
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(103), owner, TestDialogProc,
                           0);
}

} // namespace

TEST(Win32Modal, MessageBoxAnswersAndRecords) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    win32_headless::AnswerBox(IDYES);
    win32_headless::AnswerBox(IDNO);
    win32_headless::AnswerBox(IDYES); // no Yes on an OK box: counts as its close box
    EXPECT_EQ(MessageBoxA(hwnd, "Neues Spiel starten?", "Neues Spiel", MB_YESNO | MB_ICONQUESTION),
              IDYES);
    EXPECT_EQ(MessageBoxA(hwnd, "Spiel wirklich beenden?", "Spiel Beenden", 0x24), IDNO);
    EXPECT_EQ(MessageBoxA(hwnd, "Game Over", "Game Over", MB_OK | MB_ICONEXCLAMATION), IDOK);
    // Unscripted: a yes/no box closed counts as No, an OK box as OK.
    EXPECT_EQ(MessageBoxA(hwnd, "?", "?", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "x", nullptr, MB_OK), IDOK);

    const auto& boxes = win32_headless::Boxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].owner, hwnd);
    EXPECT_EQ(boxes[0].text, "Neues Spiel starten?");
    EXPECT_EQ(boxes[0].caption, "Neues Spiel");
    EXPECT_EQ(boxes[0].type, 0x24u);
    EXPECT_TRUE(boxes[0].answered);
    EXPECT_EQ(boxes[1].result, IDNO);
    EXPECT_FALSE(boxes[2].answered);
    EXPECT_FALSE(boxes[3].answered);
    EXPECT_EQ(boxes[4].owner, nullptr);
    EXPECT_EQ(boxes[4].caption, "Fehler");
    EXPECT_TRUE(win32_headless::IsWindowEnabled(hwnd));
}

TEST(Win32Modal, OwnerPaintsAndIsDisabledWhileABoxIsUp) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    bool enabledDuringPaint = true;
    int paints = 0;
    OnMessage() = [&](HWND window, UINT message, WPARAM, LPARAM) {
        if (message == WM_PAINT) {
            ++paints;
            enabledDuringPaint = win32_headless::IsWindowEnabled(window);
            // A paint that presents a frame, as the game's does.
            window->surface.frame.assign(1, 0xFF000000u);
            ++window->surface.presentCount;
            window->surface.onPresent(window->surface);
        }
    };
    win32_headless::Expose();
    win32_headless::Click(1, 1); // not for the box: it is closed, and the click waits
    MessageBoxA(hwnd, "Game Over: Es sind keine Züge mehr möglich!!", "Game Over", 0x30);
    EXPECT_EQ(paints, 2) << "uncovered when the box opened, and exposed once more";
    EXPECT_FALSE(enabledDuringPaint);
    const auto& box = win32_headless::Boxes().at(0);
    EXPECT_EQ(box.framesAtOpen, 0u);
    EXPECT_EQ(box.framesAtClose, 2u);
    EXPECT_EQ(box.text, "Game Over: Es sind keine Züge mehr möglich!!");
    EXPECT_TRUE(win32_headless::IsWindowEnabled(hwnd));
    // The click is still in the script, for the frame loop.
    EXPECT_EQ(win32_headless::PendingActions(), 1u);
}

TEST(Win32Modal, DialogShowsTemplateAndInitTexts) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    win32_headless::PressEnter();
    EXPECT_EQ(RunNameDialog(hwnd), 42);
    const auto& record = win32_headless::Dialogs().at(0);
    EXPECT_EQ(record.templateId, 103);
    EXPECT_EQ(record.owner, hwnd);
    EXPECT_FALSE(record.abandoned);
    const auto& shown = record.views.at(0);
    EXPECT_EQ(shown.caption, "Glückwunsch Highscore! (Action Mode)");
    EXPECT_EQ(shown.Text(1), "Highscore eintragen");
    EXPECT_EQ(shown.Text(1000), "Action Player");
    EXPECT_EQ(shown.Text(1001), "1234");
    ASSERT_EQ(shown.controls.size(), 6u);
    EXPECT_EQ(shown.controls[1].text, "Du hast es in die Highscoreliste geschafft! Gib unten "
                                      "deinen Namen ein, um dich einzutragen!");
    EXPECT_EQ(shown.controls[3].className, "edit");
    // WM_INITDIALOG returned TRUE: the first tab stop, the button, has the focus.
    EXPECT_EQ(shown.FocusedId(), 1);
    EXPECT_EQ(g_commands, std::vector<int>{IDOK});
    EXPECT_TRUE(win32_headless::IsWindowEnabled(hwnd));

    g_focusFirst = false;
    win32_headless::PressEnter();
    RunNameDialog(hwnd);
    g_focusFirst = true;
    EXPECT_EQ(win32_headless::Dialogs().at(1).views.at(0).FocusedId(), 0);
}

TEST(Win32Modal, DialogKeyboard) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    // Escape and the close box give IDCANCEL, which the procedure ignores;
    // Enter in the edit box presses the default button.
    win32_headless::PressEscape();
    win32_headless::PressDialogCloseBox();
    win32_headless::FocusControl(1000);
    win32_headless::PressEnter();
    EXPECT_EQ(RunNameDialog(hwnd), 42);
    EXPECT_EQ(g_commands, (std::vector<int>{IDCANCEL, IDCANCEL, IDOK}));
    const auto& views = win32_headless::Dialogs().at(0).views;
    ASSERT_EQ(views.size(), 5u);
    EXPECT_EQ(views[3].FocusedId(), 1000);

    // Dialog 104: Enter on a focused push button presses that one; the
    // default button is 1007.
    win32_headless::FocusControl(1008);
    win32_headless::PressEnter();
    win32_headless::PressEnter();
    g_closingId = 1007;
    g_commands.clear();
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(104), hwnd, TestDialogProc, 0);
    EXPECT_EQ(g_commands, (std::vector<int>{1008, 1008, IDCANCEL}));
    EXPECT_TRUE(win32_headless::Dialogs().at(1).abandoned)
        << "the script ran out before 1007 was pressed";

    win32_headless::PressButton(1008);
    win32_headless::FocusControl(1007);
    win32_headless::PressEnter();
    g_commands.clear();
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(104), hwnd, TestDialogProc, 0), 42);
    EXPECT_EQ(g_commands, (std::vector<int>{1008, 1007}));
    const auto& shown = win32_headless::Dialogs().at(2).views.at(0);
    EXPECT_EQ(shown.caption, "Glückwunsch Highscore! (Action Mode)");
    EXPECT_EQ(shown.Text(1008), "Liste löschen");
    EXPECT_EQ(shown.Text(1002), "Static");
}

TEST(Win32Modal, UnscriptedDialogIsCancelledThenAbandoned) {
    HWND hwnd = MakeMainWindow();
    EXPECT_EQ(RunNameDialog(hwnd), -1);
    EXPECT_EQ(g_commands, std::vector<int>{IDCANCEL});
    EXPECT_TRUE(win32_headless::Dialogs().at(0).abandoned);
    // A procedure that closes on IDCANCEL ends normally.
    EXPECT_EQ(RunNameDialog(hwnd, IDCANCEL), 42);
    EXPECT_FALSE(win32_headless::Dialogs().at(1).abandoned);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(105), hwnd, TestDialogProc, 0), -1);
}

TEST(Win32Modal, BoxOverDialogTakesItsOwnAnswer) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    static int answer = 0;
    auto proc = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_COMMAND && LOWORD(wParam) == 1008) {
            answer = MessageBoxA(dialog, "Highscoreliste wirklich löschen!?", "Reset", 0x24);
            SetDlgItemTextA(dialog, 1002, answer == IDYES ? "1. Player  mit 4 Punkten" : "kept");
        } else if (message == WM_COMMAND && LOWORD(wParam) == 1007) {
            EndDialog(dialog, 0);
        }
        return message == WM_INITDIALOG || message == WM_COMMAND;
    };
    win32_headless::PressButton(1008);
    win32_headless::AnswerBox(IDYES);
    win32_headless::PressButton(1007);
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(104), hwnd, proc, 0);
    EXPECT_EQ(answer, IDYES);
    const auto& record = win32_headless::Dialogs().at(0);
    EXPECT_NE(win32_headless::Boxes().at(0).owner, nullptr);
    EXPECT_NE(win32_headless::Boxes().at(0).owner, hwnd) << "owned by the dialog";
    ASSERT_EQ(record.views.size(), 3u);
    EXPECT_EQ(record.views[1].Text(1002), "1. Player  mit 4 Punkten");
}

// A double click whose first press opens a box: the second press, queued before the box
// disabled the window, never reaches it; a move still does. A box for a window that is
// gone fails instead of showing.
TEST(Win32Modal, InputWaitingForADisabledOwnerIsDroppedAndAGoneOwnerFailsTheBox) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    int boxResult = -1;
    OnMessage() = [&](HWND window, UINT message, WPARAM, LPARAM) {
        if (message == WM_LBUTTONDOWN) {
            win32::Post(*static_cast<win32::Window*>(window), WM_MOVE, 0, MAKELPARAM(3, 4));
            boxResult = MessageBoxA(window, "Game Over", "Game Over", MB_OK);
        }
    };
    win32_headless::DoubleClick(5, 6);
    win32_headless::AnswerBox(IDOK);
    Log().clear();
    MSG msg = {};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(boxResult, IDOK);
    ASSERT_EQ(win32_headless::Boxes().size(), 1u);
    std::vector<UINT> messages = Messages();
    EXPECT_EQ(std::count(messages.begin(), messages.end(), (UINT)WM_LBUTTONDOWN), 1);
    EXPECT_EQ(std::count(messages.begin(), messages.end(), (UINT)WM_MOVE), 1);
    EXPECT_TRUE(win32_headless::IsWindowEnabled(hwnd));

    OnMessage() = nullptr;
    DestroyWindow(hwnd);
    EXPECT_EQ(MessageBoxA(hwnd, "Die Zeit ist abgelaufen!", "GameOver", MB_OK), 0);
    EXPECT_EQ(win32_headless::Boxes().size(), 1u);
}

// SIGTERM while a box is up over a dialog, as over the list with its "Reset" box: the disabled
// main window still gets the close its close box sends, both loops end at once unanswered (the
// scripted Yes never resets), and the quit is left for the frame loop. Once the next backend is
// installed, which does not watch, the signal ends the program (a test program too).
TEST(Win32Modal, EndRequestEndsEveryModalLoopAndLeavesTheQuit) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    QuitOnDestroy();
    win32_headless::WatchEndRequests();
    static int answer = -1;
    auto proc = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_COMMAND && LOWORD(wParam) == 1008) {
            std::raise(SIGTERM);
            answer = MessageBoxA(dialog, "Highscoreliste wirklich löschen!?", "Reset", 0x24);
        }
        return message == WM_INITDIALOG || message == WM_COMMAND;
    };
    win32_headless::PressButton(1008);
    win32_headless::AnswerBox(IDYES);
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(104), hwnd, proc, 0);
    EXPECT_EQ(answer, 0);
    EXPECT_FALSE(win32_headless::Dialogs().at(0).abandoned);
    const std::vector<UINT> messages = Messages();
    EXPECT_NE(std::find(messages.begin(), messages.end(), (UINT)WM_CLOSE), messages.end());
    EXPECT_EQ(RunFrameLoop(), 1);

    ShowWindow(MakeMainWindow(), SW_SHOW);
    EXPECT_EXIT((std::raise(SIGTERM), RunFrameLoop()), testing::KilledBySignal(SIGTERM), "");
}
