#include "tests/win32/message_log.h"

#include <gtest/gtest.h>

using namespace win32_test;

TEST(Win32Menu, TemplateAndInitialState) {
    HWND hwnd = MakeMainWindow();
    HMENU menu = GetMenu(hwnd);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(win32_headless::MenuOutline(menu),
              (std::vector<std::string>{"Spiel: Neu | - | Action Modus | - | Spiel beenden",
                                        "Info: Highscoreliste | - | Credits..."}));
    EXPECT_TRUE(win32_headless::MenuItem(menu, 40005).checked);
    for (UINT id : {40001u, 40002u, 40003u, 40004u}) {
        EXPECT_FALSE(win32_headless::MenuItem(menu, id).checked) << id;
        EXPECT_FALSE(win32_headless::MenuItem(menu, id).grayed) << id;
    }
    EXPECT_FALSE(win32_headless::MenuItem(menu, 40006).exists);
    // Each LoadMenuA is a copy of its own.
    HMENU copy = LoadMenuA(nullptr, MAKEINTRESOURCEA(101));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, menu);
    CheckMenuItem(copy, 40005, MF_BYCOMMAND | MF_UNCHECKED);
    EXPECT_TRUE(win32_headless::MenuItem(menu, 40005).checked);
    EXPECT_EQ(LoadMenuA(nullptr, MAKEINTRESOURCEA(102)), nullptr);
}

TEST(Win32Menu, GreyedItemIsRefusedAndEnabledAgainWorks) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    HMENU menu = GetMenu(hwnd);
    EXPECT_EQ(EnableMenuItem(menu, 40003, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, 40003, MF_BYCOMMAND | MF_GRAYED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 49999, MF_BYCOMMAND | MF_GRAYED), -1);
    win32_headless::ChooseMenu(40003);
    win32_headless::ChooseMenu(49999);
    RunFrameLoop();
    EXPECT_EQ(win32_headless::Refused(),
              (std::vector<std::string>{"menu 40003: greyed", "menu 49999: no such item"}));
    for (const Logged& entry : Log()) {
        EXPECT_NE(entry.message, (UINT)WM_COMMAND);
    }

    hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    menu = GetMenu(hwnd);
    EnableMenuItem(menu, 40003, MF_BYCOMMAND | MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 40003, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    win32_headless::ChooseMenu(40003);
    RunFrameLoop();
    EXPECT_TRUE(win32_headless::Refused().empty());
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log()[1].message, (UINT)WM_COMMAND);
    EXPECT_EQ(LOWORD(Log()[1].wParam), 40003);
}

TEST(Win32Menu, OnlyCheckMenuItemTicks) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    HMENU menu = GetMenu(hwnd);
    // Choosing the ticked item twice leaves the tick alone: the program decides.
    win32_headless::ChooseMenu(40005);
    win32_headless::ChooseMenu(40005);
    win32_headless::ChooseMenu(40001);
    RunFrameLoop();
    EXPECT_TRUE(win32_headless::MenuItem(menu, 40005).checked);
    EXPECT_FALSE(win32_headless::MenuItem(menu, 40001).checked);

    EXPECT_EQ(CheckMenuItem(menu, 40005, MF_BYCOMMAND | MF_UNCHECKED), (DWORD)MF_CHECKED);
    EXPECT_FALSE(win32_headless::MenuItem(menu, 40005).checked);
    EXPECT_EQ(CheckMenuItem(menu, 40005, MF_BYCOMMAND | MF_CHECKED), (DWORD)MF_UNCHECKED);
    EXPECT_TRUE(win32_headless::MenuItem(menu, 40005).checked);
    EXPECT_EQ(CheckMenuItem(menu, 12345, MF_CHECKED), (DWORD)-1);
    EXPECT_EQ(CheckMenuItem(nullptr, 40005, MF_CHECKED), (DWORD)-1);
}
