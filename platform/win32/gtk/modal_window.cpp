#include "platform/win32/gtk/modal_window.h"

#include "platform/win32/cp1252.h"

namespace win32_gtk {

GtkWidget* NewModalWindow(const std::string& caption, GtkWindow* owner) {
    GtkWidget* toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(toplevel);
    // A title bar of its own, so the caption and the close box are there
    // even without a window manager.
    GtkWidget* titleBar = gtk_header_bar_new();
    gtk_header_bar_set_show_close_button(GTK_HEADER_BAR(titleBar), TRUE);
    gtk_header_bar_set_decoration_layout(GTK_HEADER_BAR(titleBar), ":close");
    gtk_widget_show(titleBar);
    gtk_window_set_titlebar(window, titleBar);
    gtk_window_set_title(window, win32::Cp1252ToUtf8(caption).c_str());
    gtk_window_set_resizable(window, FALSE);
    gtk_window_set_modal(window, TRUE);
    gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_skip_taskbar_hint(window, TRUE);
    if (owner) {
        gtk_window_set_transient_for(window, owner);
    }
    return toplevel;
}

} // namespace win32_gtk
