// The process entry: the game's WinMain on the GTK backend.
#include "platform/win32_gtk.h"
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (!win32_gtk::Install(&argc, &argv)) {
        std::fprintf(stderr, "quorvel: no display to open a window on (is DISPLAY set?)\n");
        return 1;
    }
    win32_gtk::WatchEndRequests();
    char commandLine[] = "";
    return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL);
}
