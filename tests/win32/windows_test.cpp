#include "tests/win32/message_log.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

using namespace win32_test;

namespace {

// While set, every allocation of the program fails, as when memory runs out.
bool allocationsFail = false;

struct NoMemory {
    NoMemory() { allocationsFail = true; }
    ~NoMemory() { allocationsFail = false; }
};

} // namespace

void* operator new(std::size_t size) {
    void* block = allocationsFail ? nullptr : std::malloc(size ? size : 1);
    return block ? block : throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

TEST(Win32Windows, MainWindowGeometryAndVisibility) {
    HWND hwnd = MakeMainWindow();
    ASSERT_NE(hwnd, nullptr);
    POINT client = win32_headless::ClientSize(hwnd);
    EXPECT_EQ(client.x, 594);
    EXPECT_EQ(client.y, 551);
    EXPECT_EQ(hwnd->surface.clientWidth, 594);
    EXPECT_EQ(hwnd->surface.clientHeight, 551);
    RECT rect = win32_headless::WindowRect(hwnd);
    EXPECT_EQ(rect.left, 212);
    EXPECT_EQ(rect.bottom, 684);
    EXPECT_EQ(win32_headless::WindowText(hwnd), "Quorvel 2.0");

    // Created hidden: no paint until shown; showing paints at once through UpdateWindow.
    EXPECT_FALSE(win32_headless::IsWindowVisible(hwnd));
    EXPECT_TRUE(UpdateWindow(hwnd));
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_TRUE(UpdateWindow(hwnd));
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_PAINT});
    // Already painted: neither UpdateWindow nor the queue paints again.
    UpdateWindow(hwnd);
    win32_headless::Idle();
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(Log().size(), 1u);

    EXPECT_TRUE(ShowWindow(hwnd, SW_HIDE));
    EXPECT_FALSE(win32_headless::IsWindowVisible(hwnd));
}

TEST(Win32Windows, ClassRegistrationAndScreen) {
    HWND hwnd = MakeMainWindow();
    ASSERT_NE(hwnd, nullptr);
    WNDCLASSEXA again = {};
    again.lpfnWndProc = LoggingProc;
    again.lpszClassName = "GameWindow";
    EXPECT_EQ(RegisterClassExA(&again), 0) << "a class name is registered once";
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_SYSMENU, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_FALSE(UnregisterClassA("GameWindow", nullptr)) << "a window of the class still exists";
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_TRUE(UnregisterClassA("GameWindow", nullptr));
    EXPECT_FALSE(UnregisterClassA("GameWindow", nullptr));

    win32_headless::SetScreenSize(1920, 1080);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    EXPECT_NE(LoadIconA(nullptr, MAKEINTRESOURCEA(107)), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, MAKEINTRESOURCEA(105)), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(999)), nullptr);
    EXPECT_EQ(GetStockObject(DKGRAY_BRUSH), GetStockObject(3));
    EXPECT_NE(GetStockObject(DKGRAY_BRUSH), nullptr);
}

TEST(Win32Windows, StaleHandlesAreHarmless) {
    HWND hwnd = MakeMainWindow();
    ShowWindow(hwnd, SW_SHOW);
    DestroyWindow(hwnd);
    // The device may still present into the destroyed window's surface.
    hwnd->surface.frame.assign(4, 0xFF000000u);
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    EXPECT_FALSE(DestroyWindow(hwnd));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_FALSE(SetWindowTextA(hwnd, "x"));
    EXPECT_EQ(EnableMenuItem(GetMenu(hwnd), 40003, MF_GRAYED), -1);
    MSG msg = {};
    msg.hwnd = hwnd;
    msg.message = WM_PAINT;
    EXPECT_EQ(DispatchMessageA(&msg), 0);
}

TEST(Win32Windows, NoMemoryFailsACallByItsResult) {
    HWND hwnd = MakeMainWindow();
    const auto toldNoMemory = [](bool failed) {
        const bool told = failed && GetLastError() == ERROR_NOT_ENOUGH_MEMORY;
        SetLastError(ERROR_SUCCESS);
        return told;
    };
    bool told[4] = {};
    {
        NoMemory noMemory;
        told[0] = toldNoMemory(!CreateWindowExA(0, "GameWindow", "", 0, 0, 0, 10, 10, nullptr,
                                                nullptr, nullptr, nullptr));
        told[1] = toldNoMemory(!MessageBoxA(hwnd, "A text longer than a short string", "", 0));
        told[2] =
            toldNoMemory(DialogBoxParamA(
                             nullptr, MAKEINTRESOURCEA(103), hwnd,
                             [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0) == -1);
        told[3] =
            toldNoMemory(CreateFileA("/a/name/longer/than/a/short/string", GENERIC_READ, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr) == INVALID_HANDLE_VALUE);
    }
    EXPECT_THAT(told, ::testing::Each(true));

    // The procedure's own lack of memory, under a box, is the program's to see.
    ShowWindow(hwnd, SW_SHOW);
    OnMessage() = [](HWND, UINT, WPARAM, LPARAM) { throw std::bad_alloc(); };
    EXPECT_THROW(MessageBoxA(hwnd, "", "", 0), std::bad_alloc);
}
