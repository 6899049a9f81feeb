// Icon and cursor images for GTK.
#pragma once

#include <windows.h>

#include <gtk/gtk.h>

namespace win32_gtk {

// A new reference to the icon's image, or null.
GdkPixbuf* PixbufOf(HICON icon);
// A new cursor from a cursor resource, or null.
GdkCursor* CursorOf(GdkDisplay* display, HCURSOR cursor);

} // namespace win32_gtk
