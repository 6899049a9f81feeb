// Where a device's frames go: every window carries a presentation surface.
// The Direct3D layer reads the client size from it when a device is made and
// hands it each presented frame; the window's backend shows the frame (GTK) or
// just keeps it (headless), and tests read or save the last one.
#pragma once

#include "platform/include/win_types.h"

#include <cstdint>
#include <functional>
#include <vector>

struct PresentSurface {
    // Size of the window's client area in pixels; the back buffer takes it.
    int clientWidth = 0;
    int clientHeight = 0;

    // The last presented frame, 0xAARRGGBB, row-major, frameWidth x frameHeight.
    std::vector<uint32_t> frame;
    int frameWidth = 0;
    int frameHeight = 0;
    uint64_t presentCount = 0;
    // The parts of `frame` that the last present changed; the rest is as the
    // present before left it. Empty when the frame shows nothing new.
    std::vector<RECT> damage;

    // Called after each present, once the frame has been stored; the backend
    // shows the damage and paces presentation to the display's refresh, also
    // when there is nothing new to show. May be empty.
    std::function<void(const PresentSurface&)> onPresent;
};

// The window record. The Win32 layer derives its own window type from it.
struct HWND__ {
    PresentSurface surface;
    virtual ~HWND__() = default;
};

// Writes the surface's last presented frame to a PNG file (RGB, opaque).
// Returns false when there is no frame or the file cannot be written.
bool WriteSurfacePng(const PresentSurface& surface, const char* path);
