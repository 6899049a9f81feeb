#include "platform/win32/gtk/modal_window.h"

#include "platform/win32/cp1252.h"

namespace win32_gtk {

GtkWidget* NewModalWindow(const std::string& caption, GtkWindow* owner) {
    GtkWidget* toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* window = GTK_WINDOW(toplevel);
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
