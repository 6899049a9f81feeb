// The GTK backend: each top-level window is a GtkWindow with a menu bar and a
// drawing area of the client size; boxes and dialogs are GtkWindows of their
// own, modal over their owner. GTK signal handlers only post messages or set
// a box's answer: window procedures run from the message loops alone.
#pragma once

#include "platform/win32/backend.h"

#include <gtk/gtk.h>

namespace win32_gtk {

class GtkBackend : public win32::Backend {
public:
    int ScreenWidth() override;
    int ScreenHeight() override;
    DWORD Milliseconds() override;

    void WindowCreated(win32::Window& window) override;
    void WindowShown(win32::Window& window) override;
    void WindowTextChanged(win32::Window& window) override;
    void MenuItemChanged(win32::Window& window, const win32::MenuItem& item) override;
    void WindowDestroyed(win32::Window& window) override;

    void DialogCreated(win32::Window& dialog) override;
    void DialogShown(win32::ModalContext& modal) override;
    void ControlFocused(win32::Window& control) override;

    void BoxOpened(win32::ModalContext& modal) override;
    void MenuOpened(win32::ModalContext& modal) override;
    void ModalClosed(win32::ModalContext& modal) override;

    void Poll(bool idle) override;
    void WaitModal(win32::ModalContext& modal) override;
};

// Handles every pending GTK event without waiting.
void DrainEvents();
// The GtkWindow showing a top-level window or dialog, or null.
GtkWindow* ToplevelOf(HWND hwnd);

} // namespace win32_gtk
