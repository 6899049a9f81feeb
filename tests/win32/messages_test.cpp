#include "tests/win32/message_log.h"

#include <gtest/gtest.h>

using namespace win32_test;

TEST(Win32Messages, ScriptedInputArrivesInOrderOnePassEach) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    Log().clear();
    win32_headless::Click(10, 20);
    win32_headless::Click(593, 550);
    win32_headless::ChooseMenu(40004);

    MSG msg = {};
    // Pass 1 takes the first click; the pump then ends its pass with an empty poll.
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.message, (UINT)WM_LBUTTONDOWN);
    EXPECT_EQ(msg.wParam, (WPARAM)MK_LBUTTON);
    EXPECT_EQ(LOWORD(msg.lParam), 10);
    EXPECT_EQ(HIWORD(msg.lParam), 20);
    EXPECT_EQ(DispatchMessageA(&msg), 0);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // Pass 2: the second click, the last pixel of the client area.
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.lParam), 593);
    EXPECT_EQ(HIWORD(msg.lParam), 550);
    DispatchMessageA(&msg);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // PM_NOREMOVE looks without taking.
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_COMMAND);
    EXPECT_EQ(LOWORD(msg.wParam), 40004);
    EXPECT_EQ(HIWORD(msg.wParam), 0);
    DispatchMessageA(&msg);
    ASSERT_EQ(Log().size(), 3u);
    EXPECT_EQ(Log()[2].message, (UINT)WM_COMMAND);
}

TEST(Win32Messages, PostedBeforeQuitBeforePaint) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW); // leaves a paint pending
    win32_headless::ChooseMenu(40001);
    MSG msg = {};
    // The pending paint comes first, as nothing is posted yet.
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_PAINT);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // The next pass takes the menu command; a paint asked for meanwhile waits behind it.
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_COMMAND);
    PostQuitMessage(3);
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(hwnd, SW_SHOW);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.wParam, 3u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_PAINT);
    EXPECT_EQ(DispatchMessageA(&msg), 0);
}

TEST(Win32Messages, CloseBoxDestroysAndQuits) {
    HWND hwnd = MakeMainWindow();
    QuitOnDestroy();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    Log().clear();
    win32_headless::PressCloseBox();
    std::vector<UINT> taken;
    MSG msg = {};
    for (int i = 0; i < 4 && msg.message != WM_QUIT; ++i) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            taken.push_back(msg.message);
            DispatchMessageA(&msg);
        }
    }
    EXPECT_EQ(taken, (std::vector<UINT>{WM_CLOSE, WM_QUIT}));
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY}));
    EXPECT_FALSE(win32_headless::IsWindowAlive(hwnd));
    EXPECT_EQ(win32_headless::MainWindow(), nullptr);
}

TEST(Win32Messages, InputToAGoneWindowIsRefused) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    DestroyWindow(hwnd);
    win32_headless::Click(5, 5);
    RunFrameLoop(); // ends through the backend's own WM_QUIT
    ASSERT_EQ(win32_headless::Refused().size(), 1u);
    EXPECT_EQ(win32_headless::Refused()[0], "click (5, 5): no visible enabled main window");
}

TEST(Win32Messages, ExhaustedScriptClosesTheWindowSoTheLoopEnds) {
    HWND hwnd = MakeMainWindow();
    QuitOnDestroy();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    win32_headless::Idle(3);
    win32_headless::Click(700, 10); // outside the client area
    const int passes = RunFrameLoop();
    EXPECT_LT(passes, 20);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_PAINT, WM_CLOSE, WM_DESTROY}));
    ASSERT_EQ(win32_headless::Refused().size(), 1u);
    EXPECT_EQ(win32_headless::PendingActions(), 0u);
}
