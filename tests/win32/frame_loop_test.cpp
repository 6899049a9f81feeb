#include "tests/win32/message_log.h"
#include <mmsystem.h>

#include <gtest/gtest.h>

using namespace win32_test;

namespace {

INT_PTR CALLBACK EndOnOk(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, 5);
    }
    return message == WM_INITDIALOG || message == WM_COMMAND;
}

void Present(HWND hwnd) {
    hwnd->surface.frameWidth = 1;
    hwnd->surface.frameHeight = 1;
    hwnd->surface.frame.assign(1, 0xFF102030u);
    // Empty once the window is gone, as the device expects.
    if (hwnd->surface.onPresent) {
        hwnd->surface.onPresent(hwnd->surface);
    }
}

} // namespace

// A loop shaped like the game's: every pass pumps, then draws; the window
// procedure draws on paint and opens a box and a dialog on a command.
TEST(Win32FrameLoop, ModalCallsInsideTheLoopTakeTheirOwnScript) {
    HWND hwnd = MakeMainWindow();
    win32_headless::KeepFrames(true);
    std::vector<int> answers;
    std::vector<DWORD> passTimes;
    OnMessage() = [&](HWND window, UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_PAINT) {
            Present(window);
        } else if (message == WM_COMMAND && LOWORD(wParam) == 40001) {
            answers.push_back(MessageBoxA(window, "Neues Spiel starten?", "Neues Spiel", 0x24));
            answers.push_back(
                (int)DialogBoxParamA(nullptr, MAKEINTRESOURCEA(103), window, EndOnOk, 0));
        } else if (message == WM_DESTROY) {
            PostQuitMessage(0);
        }
    };
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);

    win32_headless::ChooseMenu(40001);
    win32_headless::AdvanceTime(250); // the player thinks while the box is up
    win32_headless::AnswerBox(IDYES);
    win32_headless::PressEnter();
    win32_headless::Click(3, 4);
    MSG msg = {};
    while (msg.message != WM_QUIT) {
        const DWORD start = timeGetTime();
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        }
        Present(hwnd);
        passTimes.push_back(timeGetTime() - start);
    }

    EXPECT_EQ(answers, (std::vector<int>{IDYES, 5}));
    EXPECT_EQ(win32_headless::PendingActions(), 0u);
    EXPECT_TRUE(win32_headless::Refused().empty());
    // First pass: the command with its box and dialog (and the player's 250 ms);
    // second: the click; third: the script is out and the window closes.
    ASSERT_EQ(passTimes.size(), 3u);
    EXPECT_EQ(passTimes[0], 250u);
    EXPECT_EQ(passTimes[1], 0u);
    int clicks = 0;
    for (const Logged& entry : Log()) {
        clicks += entry.message == WM_LBUTTONDOWN;
    }
    EXPECT_EQ(clicks, 1);

    // Frames: the first paint, paints while the box and the dialog were up,
    // then one per pass.
    const auto& frames = win32_headless::Frames();
    ASSERT_EQ(frames.size(), win32_headless::FramesPresented());
    int duringModal = 0;
    for (const auto& frame : frames) {
        duringModal += frame.duringModal;
        EXPECT_EQ(frame.window, hwnd);
        EXPECT_EQ(frame.pixels, std::vector<uint32_t>{0xFF102030u});
    }
    EXPECT_GE(duringModal, 2);
    const auto& box = win32_headless::Boxes().at(0);
    const auto& dialog = win32_headless::Dialogs().at(0);
    EXPECT_LT(box.framesAtOpen, box.framesAtClose);
    EXPECT_LE(box.framesAtClose, dialog.framesAtOpen);
    EXPECT_LT(dialog.framesAtOpen, dialog.framesAtClose);
}
