// The GTK 3 backend of the Win32 layer: real windows on a display.
#pragma once

namespace win32_gtk {

// Opens the display and selects the GTK backend; false (and nothing changed)
// when no display can be opened.
bool Install(int* argc, char*** argv);

} // namespace win32_gtk
