#include "Application.h"

#include "Game.h"
#include "Graphics.h"
#include "Window.h"

// What was made before a failure stays until the process ends.
HRESULT StartUp(HINSTANCE instance) {
    if (CreateMainWindow(instance) == E_FAIL) {
        return E_FAIL;
    }
    if (g_graphics.Create(g_window.GetHwnd()) == E_FAIL) {
        return E_FAIL;
    }
    if (g_game.Init() == E_FAIL) {
        return E_FAIL;
    }
    g_window.Show(TRUE);
    return S_OK;
}

void ShutDown() {
    g_game.Release();
    DestroyMainWindow();
    g_graphics.Destroy();
}
