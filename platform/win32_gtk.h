// The GTK 3 backend of the Win32 layer: real windows on a display.
#pragma once

namespace win32_gtk {

// Opens the display and selects the GTK backend; false (and nothing changed)
// when no display can be opened.
bool Install(int* argc, char*** argv);

// For the game: SIGTERM, SIGHUP and SIGINT close its windows as their close
// boxes do, so it ends through its own shutdown; one that is ignored stays so.
// A program that does not ask ends on them at once.
void WatchEndRequests();

} // namespace win32_gtk
