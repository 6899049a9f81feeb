// The game's window class as the Win32 tests register it: menu 101, icon 107,
// cursor 105 and a dark grey background, with the test's own procedure.
#pragma once

#include <windows.h>

inline ATOM RegisterGameWindowClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(107));
    windowClass.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(105));
    windowClass.hbrBackground = (HBRUSH)GetStockObject(DKGRAY_BRUSH);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(101);
    windowClass.lpszClassName = "GameWindow";
    return RegisterClassExA(&windowClass);
}
