// The GtkWindow under a message box or dialog: modal over its owner.
#pragma once

#include <gtk/gtk.h>

#include <string>

namespace win32_gtk {

// A new hidden, fixed-size dialog window titled with a Windows-1252 caption.
GtkWidget* NewModalWindow(const std::string& caption, GtkWindow* owner);

} // namespace win32_gtk
