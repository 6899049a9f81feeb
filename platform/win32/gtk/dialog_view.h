// A dialog on screen: its controls placed by dialog units on a GtkFixed.
#pragma once

#include "platform/win32/objects.h"

#include <gtk/gtk.h>

namespace win32_gtk {

// Builds the dialog (hidden) and its controls; each control's `widget` is its
// GTK widget, the dialog's is its GtkWindow.
void BuildDialog(win32::Window& dialog, GtkWindow* owner, int ownerClientX, int ownerClientY);
void ShowControlText(win32::Window& control);

} // namespace win32_gtk
