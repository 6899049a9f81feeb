#include "Window.h"

#include "resource.h"
#include "WndProc.h"

Window g_window;
int gameOverShown;
int actionChecked;

HRESULT Window::Create(HINSTANCE instance, int width, int height, int x, int y, const char* title,
                       int menuId, int iconId, int cursorId, DWORD style, WNDPROC windowProc,
                       const char* className) {
    this->instance = instance;
    this->width = width;
    this->height = height;
    this->x = x;
    this->y = y;
    this->title = title;
    this->menuId = menuId;
    this->iconId = iconId;
    this->cursorId = cursorId;
    this->style = style;
    this->windowProc = windowProc;
    this->className = className;

    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_VREDRAW | CS_HREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
    windowClass.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(cursorId));
    windowClass.hbrBackground = (HBRUSH)GetStockObject(DKGRAY_BRUSH);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(menuId);
    windowClass.lpszClassName = className;
    windowClass.hIconSm = nullptr;

    menuHandle = LoadMenuA(instance, MAKEINTRESOURCEA(menuId));

    if (RegisterClassExA(&windowClass) == 0) {
        created = 0;
        return E_FAIL;
    }
    // A null menu lets the window take the class's menu.
    hwnd = CreateWindowExA(0, className, title, style, x, y, width, height, nullptr, nullptr,
                           instance, nullptr);
    if (hwnd == nullptr) {
        created = 0;
        return E_FAIL;
    }
    created = 1;
    return S_OK;
}

HRESULT Window::Unregister() {
    if (created) {
        UnregisterClassA(className, instance);
    }
    return S_OK;
}

HRESULT Window::Show(BOOL visible) {
    ShowWindow(hwnd, visible ? SW_SHOW : SW_HIDE);
    UpdateWindow(hwnd);
    return S_OK;
}

HRESULT CreateMainWindow(HINSTANCE instance) {
    const int size = 600;
    int x = GetSystemMetrics(SM_CXSCREEN) / 2 - size / 2;
    int y = GetSystemMetrics(SM_CYSCREEN) / 2 - size / 2;
    if (g_window.Create(instance, size, size, x, y, "Quorvel 2.0", IDR_MAIN_MENU, IDI_GAME_ICON,
                        IDC_ARROW_CURSOR, WS_SYSMENU, WndProc, "GameWindow") == E_FAIL) {
        return E_FAIL;
    }
    gameOverShown = 0;
    actionChecked = 1;
    return S_OK;
}

void DestroyMainWindow() {
    g_window.Unregister();
}
