// What the Win32 layer asks of whatever shows its windows: the GTK backend on
// a display, or the headless one in tests. The layer keeps all state (windows,
// menus, queue) itself; a backend mirrors it on screen and turns the user's
// input into posted messages, never calling window procedures itself.
#pragma once

#include "platform/win32/objects.h"

#include <memory>

namespace win32 {

// A message box, dialog or drop-down menu running its modal loop.
struct ModalContext {
    enum class Kind { Box, Dialog, Menu } kind = Kind::Box;
    // A box: what it shows, and its answer once `done`. A menu: `owner` is the
    // window whose menu bar it drops from, `done` set once it has closed.
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    UINT type = 0;
    int result = 0;
    bool done = false;
    // A dialog: it ends when its `ended` flag is set by EndDialog.
    Window* dialog = nullptr;
    void* widget = nullptr; // the backend's own object for a box
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    virtual DWORD Milliseconds() = 0;

    // A top-level window was made (hidden) or changed.
    virtual void WindowCreated(Window& window) = 0;
    virtual void WindowShown(Window& window) = 0;
    virtual void WindowTextChanged(Window& window) = 0;
    virtual void MenuItemChanged(Window& window, const MenuItem& item) = 0;
    // A top-level window, dialog or control is going away.
    virtual void WindowDestroyed(Window& window) = 0;

    // A dialog with its controls was made (hidden); it is shown by DialogShown
    // after WM_INITDIALOG, unless it ended there.
    virtual void DialogCreated(Window& dialog) = 0;
    virtual void DialogShown(ModalContext& modal) = 0;
    virtual void ControlFocused(Window& control) = 0;

    virtual void BoxOpened(ModalContext& modal) = 0;
    // A drop-down of the owner's menu bar is open and now holds the program
    // until the backend marks it closed.
    virtual void MenuOpened(ModalContext& modal) = 0;
    virtual void ModalClosed(ModalContext& modal) = 0;

    // Turns the user's input into messages without waiting. `idle` says that
    // the previous poll found nothing to hand out.
    virtual void Poll(bool idle) = 0;
    // Inside a modal loop: waits for (or plays) the next input, which may
    // finish the box, dialog or menu.
    virtual void WaitModal(ModalContext& modal) = 0;
};

Backend& backend();
// Installs a backend and starts from a clean state.
void UseBackend(std::unique_ptr<Backend> chosen);

} // namespace win32
