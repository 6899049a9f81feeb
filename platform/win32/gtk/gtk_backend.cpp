#include "platform/win32/gtk/gtk_backend.h"

#include "platform/win32/cp1252.h"
#include "platform/win32/end_requests.h"
#include "platform/win32/gtk/box_view.h"
#include "platform/win32/gtk/dialog_view.h"
#include "platform/win32/gtk/main_window_view.h"
#include "platform/win32/gtk/menu_bar.h"
#include "platform/win32_gtk.h"

#include <glib-unix.h>

using namespace win32;

namespace win32_gtk {

namespace {

// Dialog controls are laid out by dialog units: GTK's roomy paddings would
// not fit the templates' small boxes, and their font is the small one that
// the templates were drawn for. Menu items show a plain tick when
// ticked and nothing otherwise.
const char* kCss = ".win32-dialog { font-family: sans-serif; font-size: 8pt; }"
                   ".win32-dialog entry { min-height: 0; padding-top: 0; padding-bottom: 0; }"
                   ".win32-dialog button { min-height: 0; padding: 0 4px; }"
                   "menu menuitem check { border-color: transparent; background-color: transparent;"
                   " background-image: none; box-shadow: none; color: inherit; }"
                   "menu menuitem check:not(:checked) { -gtk-icon-source: none; }";

MainWindowView* ViewOf(Window& window) {
    return static_cast<MainWindowView*>(window.widget);
}

GdkRectangle PrimaryScreen() {
    GdkRectangle area = {0, 0, 1024, 768};
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = display ? gdk_display_get_primary_monitor(display) : nullptr;
    if (!monitor && display && gdk_display_get_n_monitors(display) > 0) {
        monitor = gdk_display_get_monitor(display, 0);
    }
    if (monitor) {
        gdk_monitor_get_geometry(monitor, &area);
    }
    return area;
}

// Runs from the main loop, where posting is safe. The source stays: a second
// request (a closed terminal may send two) must not end the program mid-save.
gboolean OnEndRequest(gpointer) {
    CloseForEndRequest();
    return G_SOURCE_CONTINUE;
}

} // namespace

void WatchEndRequests() {
    // A second watch would close twice for every request.
    static bool watching = false;
    if (watching) {
        return;
    }
    watching = true;
    for (int signal : kEndSignals) {
        if (!IsIgnored(signal)) {
            g_unix_signal_add(signal, OnEndRequest, nullptr);
        }
    }
}

void DrainEvents() {
    while (gtk_events_pending()) {
        gtk_main_iteration_do(FALSE);
    }
}

GtkWindow* ToplevelOf(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    if (!window || !window->widget) {
        return nullptr;
    }
    if (window->kind == WindowKind::TopLevel) {
        return GTK_WINDOW(ViewOf(*window)->toplevel);
    }
    return window->kind == WindowKind::Dialog ? GTK_WINDOW(window->widget) : nullptr;
}

int GtkBackend::ScreenWidth() {
    return PrimaryScreen().width;
}
int GtkBackend::ScreenHeight() {
    return PrimaryScreen().height;
}

DWORD GtkBackend::Milliseconds() {
    return (DWORD)(g_get_monotonic_time() / 1000);
}

void GtkBackend::WindowCreated(Window& window) {
    window.widget = CreateMainWindowView(window);
}

void GtkBackend::WindowShown(Window& window) {
    if (window.visible) {
        gtk_widget_show(ViewOf(window)->toplevel);
    } else {
        gtk_widget_hide(ViewOf(window)->toplevel);
    }
}

void GtkBackend::WindowTextChanged(Window& window) {
    if (!window.widget) {
        return;
    }
    const std::string text = Cp1252ToUtf8(window.text);
    switch (window.kind) {
    case WindowKind::TopLevel:
        gtk_window_set_title(GTK_WINDOW(ViewOf(window)->toplevel), text.c_str());
        break;
    case WindowKind::Dialog:
        gtk_window_set_title(GTK_WINDOW(window.widget), text.c_str());
        break;
    case WindowKind::Control:
        ShowControlText(window);
        break;
    }
}

void GtkBackend::MenuItemChanged(Window& window, const MenuItem& item) {
    ShowMenuItem(*ViewOf(window), item);
}

void GtkBackend::WindowDestroyed(Window& window) {
    if (!window.widget) {
        return;
    }
    if (window.kind == WindowKind::TopLevel) {
        DestroyMainWindowView(ViewOf(window));
    } else if (window.kind == WindowKind::Dialog) {
        gtk_widget_destroy(static_cast<GtkWidget*>(window.widget));
        for (Window* control : window.controls) {
            control->widget = nullptr;
        }
    }
    window.widget = nullptr;
    DrainEvents();
}

void GtkBackend::DialogCreated(Window& dialog) {
    int x = 0;
    int y = 0;
    if (dialog.owner && dialog.owner->kind == WindowKind::TopLevel) {
        ClientOrigin(*ViewOf(*dialog.owner), &x, &y);
    }
    BuildDialog(dialog, dialog.owner ? ToplevelOf(dialog.owner) : nullptr, x, y);
}

void GtkBackend::DialogShown(ModalContext& modal) {
    gtk_widget_show(static_cast<GtkWidget*>(modal.dialog->widget));
}

void GtkBackend::ControlFocused(Window& control) {
    if (control.widget) {
        gtk_widget_grab_focus(static_cast<GtkWidget*>(control.widget));
    }
}

void GtkBackend::BoxOpened(ModalContext& modal) {
    modal.widget = ShowBox(modal, ToplevelOf(modal.owner));
}

void GtkBackend::MenuOpened(ModalContext& modal) {
    HoldMenuLoop(*ViewOf(*LiveWindow(modal.owner)), modal);
}

void GtkBackend::ModalClosed(ModalContext& modal) {
    if (modal.kind == ModalContext::Kind::Box && modal.widget) {
        gtk_widget_destroy(static_cast<GtkWidget*>(modal.widget));
        modal.widget = nullptr;
    }
    // A quit ends the menu loop with the drop-down still open.
    Window* menuOwner = modal.kind == ModalContext::Kind::Menu ? LiveWindow(modal.owner) : nullptr;
    if (menuOwner) {
        CloseDropDown(*ViewOf(*menuOwner));
    }
    DrainEvents();
}

void GtkBackend::Poll(bool) {
    DrainEvents();
}

void GtkBackend::WaitModal(ModalContext&) {
    gtk_main_iteration_do(TRUE);
}

bool Install(int* argc, char*** argv) {
    if (!gtk_init_check(argc, argv)) {
        return false;
    }
    GtkCssProvider* css = gtk_css_provider_new();
    gtk_css_provider_load_from_data(css, kCss, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(css);
    UseBackend(std::make_unique<GtkBackend>());
    return true;
}

} // namespace win32_gtk
