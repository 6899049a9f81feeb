#include "platform/win32/backend.h"
#include "platform/win32/classes.h"
#include "platform/win32/messages.h"
#include "platform/win_out_of_memory.h"

#include <mmsystem.h>

#include <algorithm>

namespace win32 {

namespace {

// The frame of an overlapped window as the system draws it: a fixed border on
// every side, the caption and the menu bar.
constexpr int kBorder = 3;
constexpr int kCaption = 23;
constexpr int kMenuBar = 20;

bool HasCaption(DWORD style) {
    return (style & WS_POPUP) == 0 || (style & WS_CAPTION) == WS_CAPTION;
}

void AttachMenu(HMENU menu, Window* window) {
    menu->window = window;
    for (MenuItem& item : menu->items) {
        if (item.popup) {
            AttachMenu(item.popup.get(), window);
        }
    }
}

void DropPostedMessages(HWND hwnd) {
    auto& posted = state().posted;
    posted.erase(
        std::remove_if(posted.begin(), posted.end(),
                       [hwnd](const PostedMessage& waiting) { return waiting.msg.hwnd == hwnd; }),
        posted.end());
}

} // namespace

} // namespace win32

using namespace win32;

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND, HMENU menu, HINSTANCE instance, void*) {
    const WindowClass* windowClass = FindClass(className);
    // Only top-level windows: the program's controls all live in dialogs.
    if (!windowClass || (style & WS_CHILD) || width < 0 || height < 0) {
        return nullptr;
    }
    return ResultWithinMemory<HWND>(nullptr, [&] {
        // Room first, so that a window the backend has made is never lost.
        state().windows.reserve(state().windows.size() + 1);
        auto window = std::make_unique<Window>();
        window->windowClass = windowClass;
        window->className = windowClass->name;
        window->text = windowName ? windowName : "";
        window->style = style;
        window->instance = instance;
        window->proc = windowClass->record.lpfnWndProc;
        window->x = x;
        window->y = y;
        window->width = width;
        window->height = height;
        if (!menu && windowClass->record.lpszMenuName) {
            menu = LoadMenuA(windowClass->record.hInstance, windowClass->record.lpszMenuName);
        }
        window->menu = menu;
        int frameX = 0;
        int frameY = 0;
        if (HasCaption(style)) {
            frameX = 2 * kBorder;
            frameY = 2 * kBorder + kCaption;
        }
        if (menu) {
            frameY += kMenuBar;
        }
        window->surface.clientWidth = std::max(0, width - frameX);
        window->surface.clientHeight = std::max(0, height - frameY);

        Window* created = window.get();
        backend().WindowCreated(*created);
        state().windows.push_back(std::move(window));
        if (menu) {
            AttachMenu(menu, created);
        }
        if (style & WS_VISIBLE) {
            ShowWindow(created, SW_SHOW);
        }
        return created;
    });
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window* window = LiveWindow(hwnd, WindowKind::TopLevel);
    if (!window) {
        return FALSE;
    }
    // Marked first, so that a WM_DESTROY handler cannot destroy it twice.
    window->destroyed = true;
    window->visible = false;
    SendTo(*window, WM_DESTROY, 0, 0);
    DropPostedMessages(hwnd);
    window->surface.onPresent = nullptr;
    if (window->menu) {
        AttachMenu(window->menu, nullptr);
    }
    backend().WindowDestroyed(*window);
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND hwnd, int command) {
    Window* window = LiveWindow(hwnd, WindowKind::TopLevel);
    if (!window) {
        return FALSE;
    }
    const bool wasVisible = window->visible;
    window->visible = command != SW_HIDE;
    if (window->visible != wasVisible) {
        if (window->visible) {
            Invalidate(*window);
        }
        backend().WindowShown(*window);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    Window* window = LiveWindow(hwnd, WindowKind::TopLevel);
    if (!window) {
        return FALSE;
    }
    if (window->visible && window->invalid) {
        window->invalid = false;
        SendTo(*window, WM_PAINT, 0, 0);
    }
    return TRUE;
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
    Window* window = LiveWindow(hwnd);
    if (!window) {
        return FALSE;
    }
    return ResultWithinMemory<BOOL>(FALSE, [&] {
        window->text = text ? text : "";
        backend().WindowTextChanged(*window);
        return TRUE;
    });
}

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return backend().ScreenWidth();
    case SM_CYSCREEN:
        return backend().ScreenHeight();
    default:
        return 0;
    }
}

DWORD WINAPI timeGetTime() {
    return backend().Milliseconds();
}
