// The program's three stages, in the order WinMain runs them; tests drive them one by one.
#pragma once

#include <windows.h>

// The main window, the Direct3D device and the game, in that order; the window is then shown
// and its first paint draws the first frame. E_FAIL, without a message, when one cannot be made.
HRESULT StartUp(HINSTANCE instance);

// Passes of message handling, menu greying, update, time-out report and drawing until the
// quit message.
void RunFrameLoop();

// Releases the game (which saves both highscore tables), the window class and the device.
void ShutDown();
