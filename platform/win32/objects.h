// The records behind the Win32 handles: window classes, windows (top-level
// windows, dialogs and their controls), menus, icons and brushes, and the one
// process-wide state that holds them and the message queue.
#pragma once

#include "platform/surface.h"
#include "platform/win32/resource/icon_image.h"
#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct HINSTANCE__ {
    int unused = 0;
};

struct HBRUSH__ {
    uint32_t color = 0; // 0xRRGGBB
    bool hollow = false;
};

// An icon or a cursor: the image of its resource that is shown.
struct HICON__ {
    bool cursor = false;
    WORD id = 0;
    win32::IconImage image;
};

namespace win32 {

struct Window;

struct MenuItem {
    UINT id = 0;
    std::string text; // Windows-1252
    bool separator = false;
    bool grayed = false;
    bool checked = false;
    std::unique_ptr<HMENU__> popup;
};

} // namespace win32

struct HMENU__ {
    std::vector<win32::MenuItem> items;
    win32::Window* window = nullptr; // the window whose menu bar this is
};

namespace win32 {

struct WindowClass {
    std::string name;
    WNDCLASSEXA record = {};
    bool registered = false;
};

enum class WindowKind { TopLevel, Dialog, Control };

struct Window : HWND__ {
    WindowKind kind = WindowKind::TopLevel;
    const WindowClass* windowClass = nullptr; // top-level windows only
    std::string className;
    std::string text; // Windows-1252
    DWORD style = 0;
    HINSTANCE instance = nullptr;
    WNDPROC proc = nullptr;
    HMENU menu = nullptr;
    Window* owner = nullptr; // the owner of a dialog, the dialog of a control
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool enabled = true;
    bool destroyed = false;
    bool invalid = false; // needs a WM_PAINT

    // Dialogs.
    DLGPROC dialogProc = nullptr;
    int templateId = 0;
    std::vector<Window*> controls;
    Window* focus = nullptr;
    bool ended = false;
    INT_PTR result = 0;

    // Controls: id, and position and size in dialog units.
    int controlId = 0;
    int unitsX = 0;
    int unitsY = 0;
    int unitsWidth = 0;
    int unitsHeight = 0;

    void* widget = nullptr; // the backend's own object for it
};

// A message waiting in the queue; `input` marks what the user did to the
// window, which a disabled window never gets.
struct PostedMessage {
    MSG msg = {};
    bool input = false;
};

struct State {
    std::vector<std::unique_ptr<WindowClass>> classes;
    // Every window ever made; destroyed ones stay (marked) so that stale
    // handles never point at freed memory.
    std::vector<std::unique_ptr<Window>> windows;
    std::vector<std::unique_ptr<HMENU__>> menus;
    std::vector<std::unique_ptr<HICON__>> icons;
    std::deque<PostedMessage> posted;
    bool quitPosted = false;
    int quitCode = 0;
    int modalDepth = 0;
    bool lastPollEmpty = true;
};

State& state();
// Forgets every window, class, menu and message.
void ResetState();

// The live window behind a handle, or null for null, unknown or destroyed ones.
Window* LiveWindow(HWND hwnd);
// A live window of the kind, or null.
Window* LiveWindow(HWND hwnd, WindowKind kind);

} // namespace win32
