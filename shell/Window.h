// The program's one top-level window and the two flags the shell keeps beside it.
#pragma once

#include <windows.h>

class Window {
public:
    HRESULT Create(HINSTANCE instance, int width, int height, int x, int y, const char* title,
                   int menuId, int iconId, int cursorId, DWORD style, WNDPROC windowProc,
                   const char* className);
    HRESULT Unregister();
    HRESULT Show(BOOL visible);

    HWND GetHwnd() { return hwnd; }
    HINSTANCE GetInstance() { return instance; }
    int IsCreated() { return created; }
    HMENU GetMenuHandle() { return menuHandle; }

    HWND hwnd = nullptr;
    HINSTANCE instance = nullptr;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    const char* title = nullptr;
    int menuId = 0;
    int iconId = 0;
    int cursorId = 0;
    const char* className = nullptr;
    // Handed out only; the window takes its menu from the class registration.
    HMENU menuHandle = nullptr;
    WNDCLASSEXA windowClass = {};
    WNDPROC windowProc = nullptr;
    int created = 0;
    DWORD style = 0;
};

extern Window g_window;

// Nonzero once the end of the current game has been reported to the player.
extern int gameOverShown;
// Mirrors the tick on "Action Modus" and the game's mode.
extern int actionChecked;

// The 600 x 600 main window centred on the primary screen; also resets the shell flags.
HRESULT CreateMainWindow(HINSTANCE instance);
void DestroyMainWindow();
