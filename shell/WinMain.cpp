#include <windows.h>

#include "Application.h"

// Returns 0 after a failed start-up and after a normal end alike.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (StartUp(instance) == E_FAIL) {
        return 0;
    }
    RunFrameLoop();
    ShutDown();
    return 0;
}
