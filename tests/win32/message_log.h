// A window procedure that logs what it receives, for the Win32 layer's tests.
#pragma once

#include "platform/win32_headless.h"
#include "tests/support/game_window_class.h"

#include <functional>
#include <string>
#include <vector>

namespace win32_test {

struct Logged {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Logged>& Log() {
    static std::vector<Logged> log;
    return log;
}

// Runs inside the procedure for every message before it is logged.
inline std::function<void(HWND, UINT, WPARAM, LPARAM)>& OnMessage() {
    static std::function<void(HWND, UINT, WPARAM, LPARAM)> hook;
    return hook;
}

// Makes the procedure end the program on WM_DESTROY, as the game's does.
inline void QuitOnDestroy() {
    OnMessage() = [](HWND, UINT message, WPARAM, LPARAM) {
        if (message == WM_DESTROY) {
            PostQuitMessage(0);
        }
    };
}

inline LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back({hwnd, message, wParam, lParam});
    if (OnMessage()) {
        OnMessage()(hwnd, message, wParam, lParam);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline std::vector<UINT> Messages() {
    std::vector<UINT> messages;
    for (const Logged& entry : Log()) {
        messages.push_back(entry.message);
    }
    return messages;
}

// The game's class and a hidden 600 x 600 main window using menu 101, on the
// backend in use.
inline HWND MakeMainWindowHere() {
    Log().clear();
    OnMessage() = nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterGameWindowClass(instance, LoggingProc)) {
        return nullptr;
    }
    return CreateWindowExA(0, "GameWindow", "Quorvel 2.0", WS_SYSMENU, 212, 84, 600, 600, nullptr,
                           nullptr, instance, nullptr);
}

// The same on a fresh headless platform.
inline HWND MakeMainWindow() {
    win32_headless::Install();
    return MakeMainWindowHere();
}

// Pumps like the game's frame loop until WM_QUIT; returns the number of passes.
inline int RunFrameLoop(int maxPasses = 10000) {
    MSG msg = {};
    int passes = 0;
    while (msg.message != WM_QUIT && passes < maxPasses) {
        ++passes;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return passes;
}

} // namespace win32_test
