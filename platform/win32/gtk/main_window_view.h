// A top-level window on screen: GtkWindow, menu bar, and a drawing area of
// the client size that shows the presented frames.
#pragma once

#include "platform/win32/backend.h"

#include <gtk/gtk.h>

#include <memory>
#include <vector>

namespace win32_gtk {

struct MainWindowView;

struct MenuBinding {
    MainWindowView* view = nullptr;
    const win32::MenuItem* item = nullptr;
    GtkWidget* widget = nullptr;
};

struct MainWindowView {
    win32::Window* window = nullptr;
    GtkWidget* toplevel = nullptr;
    GtkWidget* area = nullptr;
    GdkCursor* cursor = nullptr;
    GtkWidget* menuBar = nullptr;
    std::vector<std::unique_ptr<MenuBinding>> menuItems;
    // A drop-down is open; the menu loop it holds, once that runs.
    bool dropDownOpen = false;
    win32::ModalContext* menuLoop = nullptr;
    // The class brush's colour (0xRRGGBB) shows until the first frame; no
    // brush or a hollow one leaves GTK's own background.
    bool erases = false;
    uint32_t background = 0;
    bool presentPending = false;
    gint64 nextFrameSlot = 0; // microseconds, monotonic clock
    int lastX = 0;
    int lastY = 0;
};

MainWindowView* CreateMainWindowView(win32::Window& window);
void DestroyMainWindowView(MainWindowView* view);
// The client area's top-left corner on the screen.
void ClientOrigin(MainWindowView& view, int* x, int* y);

} // namespace win32_gtk
