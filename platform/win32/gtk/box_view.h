// A message box on screen.
#pragma once

#include "platform/win32/backend.h"

#include <gtk/gtk.h>

namespace win32_gtk {

// Builds and shows the box; its buttons and close box answer `modal`.
GtkWidget* ShowBox(win32::ModalContext& modal, GtkWindow* owner);

} // namespace win32_gtk
