// The main window: where it stands, what it is made of, and a creation that fails.
#include "WndProc.h"
#include "tests/shell/shell_fixture.h"

namespace shell_test {
namespace {

using WindowTest = ShellTest;

TEST_F(WindowTest, MainWindowIsCentredHiddenAndCarriesClassMenuAndFlags) {
    headless::SetScreenSize(1920, 1080);
    gameOverShown = 1;
    ASSERT_EQ(CreateMainWindow(nullptr), S_OK);
    HWND hwnd = g_window.GetHwnd();

    RECT outer = headless::WindowRect(hwnd);
    EXPECT_EQ(outer.left, 660);
    EXPECT_EQ(outer.top, 240);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 600);
    EXPECT_EQ(headless::WindowText(hwnd), "Quorvel 2.0");
    EXPECT_EQ(headless::WindowClassName(hwnd), "GameWindow");
    EXPECT_FALSE(headless::IsWindowVisible(hwnd));
    EXPECT_EQ(gameOverShown, 0);
    EXPECT_EQ(actionChecked, 1);
    EXPECT_TRUE(g_window.IsCreated());
    EXPECT_EQ(g_window.style, static_cast<DWORD>(WS_SYSMENU));
    EXPECT_EQ(g_window.windowClass.cbSize, sizeof(WNDCLASSEXA));
    EXPECT_EQ(g_window.windowClass.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW));
    EXPECT_EQ(g_window.windowClass.hbrBackground, GetStockObject(DKGRAY_BRUSH));
    EXPECT_NE(g_window.GetMenuHandle(), nullptr);
    EXPECT_NE(g_window.GetMenuHandle(), GetMenu(hwnd)); // a copy, only handed out

    // The window takes its menu from the class.
    std::vector<std::string> outline = headless::MenuOutline(GetMenu(hwnd));
    ASSERT_EQ(outline.size(), 2u);
    EXPECT_EQ(outline[0].rfind("Spiel", 0), 0u);
    EXPECT_TRUE(headless::MenuItem(GetMenu(hwnd), 40005).checked);

    g_window.Show(TRUE);
    EXPECT_TRUE(headless::IsWindowVisible(hwnd));
    g_window.Show(FALSE);
    EXPECT_FALSE(headless::IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
    DestroyMainWindow();
    // The class is gone: it can be registered again.
    EXPECT_NE(RegisterClassExA(&g_window.windowClass), 0);
}

// Before the game is made a paint has nothing to draw, and it is no fault.
TEST_F(WindowTest, PaintBeforeTheGameIsMadeDrawsNothing) {
    ASSERT_EQ(CreateMainWindow(nullptr), S_OK);
    g_window.Show(TRUE);
    WndProc(g_window.GetHwnd(), WM_PAINT, 0, 0);
    EXPECT_EQ(headless::FramesPresented(), 0u);
    EXPECT_TRUE(headless::IsWindowVisible(g_window.GetHwnd()));
}

TEST_F(WindowTest, SmallScreenPlacesTheCornerAt212And84) {
    headless::SetScreenSize(1024, 768);
    ASSERT_EQ(CreateMainWindow(nullptr), S_OK);
    RECT outer = headless::WindowRect(g_window.GetHwnd());
    EXPECT_EQ(outer.left, 212);
    EXPECT_EQ(outer.top, 84);
}

TEST_F(WindowTest, FailedCreationLeavesTheFlagsAndUnregistersNothing) {
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.lpszClassName = "GameWindow";
    ASSERT_NE(RegisterClassExA(&taken), 0);
    gameOverShown = 1;
    actionChecked = 0;

    EXPECT_EQ(CreateMainWindow(nullptr), E_FAIL);
    EXPECT_FALSE(g_window.IsCreated());
    EXPECT_EQ(gameOverShown, 1);
    EXPECT_EQ(actionChecked, 0);
    DestroyMainWindow();
    // The class that someone else registered is still there.
    EXPECT_EQ(RegisterClassExA(&taken), 0);
}

} // namespace
} // namespace shell_test
