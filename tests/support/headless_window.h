// A window with no screen behind it, for tests: a device made on it draws
// into a back buffer of its client size, and presented frames stay in its
// surface to be read or saved.
#pragma once

#include "platform/surface.h"

class HeadlessWindow {
public:
    // The default is the game's client area: a 600 x 600 window less its
    // frame, caption and menu.
    explicit HeadlessWindow(int clientWidth = 594, int clientHeight = 551) {
        window.surface.clientWidth = clientWidth;
        window.surface.clientHeight = clientHeight;
    }
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    HWND hwnd() { return &window; }
    PresentSurface& surface() { return window.surface; }

private:
    HWND__ window;
};
