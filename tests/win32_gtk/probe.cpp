// A small program on the GTK backend for the Xvfb scripts (tests/scripts/win32_*.sh):
// the game's window, menu, boxes and dialogs, reporting on stdout, one line
// each, what reaches its window and dialog procedures.
#include "platform/surface.h"
#include "platform/win32_gtk.h"
#include <windows.h>
#include <mmsystem.h>
#include "tests/support/game_window_class.h"

#include <cstdarg>
#include <cstdio>

namespace {

HWND g_window = nullptr;
uint64_t g_frames = 0;

void Report(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Report(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::putchar('\n');
    std::fflush(stdout);
}

// Presents a frame as the device does: a blue-to-red ramp with a white square
// at client (100, 50)-(109, 59), so a screenshot shows the 1:1 mapping.
void PresentFrame() {
    PresentSurface& surface = g_window->surface;
    surface.frameWidth = surface.clientWidth;
    surface.frameHeight = surface.clientHeight;
    surface.frame.assign((size_t)surface.frameWidth * surface.frameHeight, 0);
    for (int y = 0; y < surface.frameHeight; ++y) {
        for (int x = 0; x < surface.frameWidth; ++x) {
            const bool marker = x >= 100 && x < 110 && y >= 50 && y < 60;
            const uint32_t red = (uint32_t)(x * 255 / surface.frameWidth);
            surface.frame[(size_t)y * surface.frameWidth + x] =
                marker ? 0xFFFFFFFFu : 0xFF000080u | (red << 16);
        }
    }
    surface.damage = {RECT{0, 0, surface.frameWidth, surface.frameHeight}};
    ++surface.presentCount;
    ++g_frames;
    if (surface.onPresent) {
        surface.onPresent(surface);
    }
}

INT_PTR CALLBACK NameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog, "Glückwunsch Highscore! (Action Mode)");
        SetDlgItemTextA(dialog, 1001, "1234");
        SetDlgItemTextA(dialog, 1000, "Action Player");
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    if (LOWORD(wParam) == IDOK) {
        char name[20];
        const UINT length = GetDlgItemTextA(dialog, 1000, name, 20);
        char hex[64] = "";
        for (UINT i = 0; i < length; ++i) {
            std::snprintf(hex + 3 * i, sizeof(hex) - 3 * i, " %02x", (unsigned char)name[i]);
        }
        Report("NAME%s", hex);
        EndDialog(dialog, 0);
    } else {
        Report("NAME-COMMAND %d", LOWORD(wParam));
    }
    return TRUE;
}

INT_PTR CALLBACK ListProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog, "Die Top 5 Quorvel Player (Action Mode)");
        const char* lines[5] = {"1. Jürgen  mit 2147483647 Punkten", "2. Player mit 3 Punkten",
                                "3. Player mit 2 Punkten", "4. Player mit 1 Punkten",
                                "5. Abcdefghijklmnopqrs mit -2147483648 Punkten"};
        for (int place = 1; place <= 5; ++place) {
            SetDlgItemTextA(dialog, 1001 + place, lines[place - 1]);
        }
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    Report("LIST-COMMAND %d", LOWORD(wParam));
    if (LOWORD(wParam) == 1008) {
        Report("LIST-BOX %d", MessageBoxA(dialog, "Highscoreliste wirklich löschen!?", "Reset",
                                          MB_YESNO | MB_ICONQUESTION));
    } else if (LOWORD(wParam) == 1007) {
        EndDialog(dialog, 0);
    }
    return TRUE;
}

void OnCommand(HWND hwnd, int id) {
    Report("COMMAND %d", id);
    switch (id) {
    case 40001:
        Report("BOX %d", MessageBoxA(hwnd, "Neues Spiel starten?", "Neues Spiel",
                                     MB_YESNO | MB_ICONQUESTION));
        break;
    case 40002:
        DestroyWindow(hwnd);
        break;
    case 40003:
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(104), hwnd, ListProc, 0);
        Report("LIST-CLOSED");
        break;
    case 40004:
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(103), hwnd, NameProc, 0);
        Report("NAME-CLOSED");
        break;
    case 40005: {
        // Ticks and greys as the game does: the tick flips, "Highscoreliste" greys.
        HMENU menu = GetMenu(hwnd);
        const DWORD was = CheckMenuItem(menu, 40005, MF_BYCOMMAND | MF_UNCHECKED);
        if (was != MF_CHECKED) {
            CheckMenuItem(menu, 40005, MF_BYCOMMAND | MF_CHECKED);
        }
        EnableMenuItem(menu, 40003, MF_BYCOMMAND | (was == MF_CHECKED ? MF_GRAYED : MF_ENABLED));
        Report("TICK %d", was == MF_CHECKED ? 0 : 1);
        break;
    }
    default:
        break;
    }
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Report("PAINT");
        PresentFrame();
        break;
    case WM_MOVE:
        Report("MOVE %d %d", (int)LOWORD(lParam), (int)HIWORD(lParam));
        break;
    case WM_LBUTTONDOWN:
        Report("CLICK %d %d", (int)LOWORD(lParam), (int)HIWORD(lParam));
        break;
    case WM_COMMAND:
        OnCommand(hwnd, LOWORD(wParam));
        break;
    case WM_CLOSE:
        Report("CLOSE");
        break;
    case WM_DESTROY:
        Report("DESTROY");
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv) {
    if (!win32_gtk::Install(&argc, &argv)) {
        std::fprintf(stderr, "win32_gtk_probe: no display\n");
        return 1;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterGameWindowClass(instance, ProbeProc);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2 - 300;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2 - 300;
    g_window = CreateWindowExA(0, "GameWindow", "Quorvel 2.0", WS_SYSMENU, x, y, 600, 600, nullptr,
                               nullptr, instance, nullptr);
    Report("WINDOW %d %d CLIENT %d %d", x, y, g_window->surface.clientWidth,
           g_window->surface.clientHeight);
    ShowWindow(g_window, SW_SHOW);
    UpdateWindow(g_window);

    // The game's never-sleeping loop: presentation alone paces it.
    MSG msg = {};
    const DWORD start = timeGetTime();
    while (msg.message != WM_QUIT) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (msg.message != WM_QUIT) {
            PresentFrame();
        }
    }
    const DWORD elapsed = timeGetTime() - start;
    Report("FRAMES %llu MILLISECONDS %u", (unsigned long long)g_frames, (unsigned)elapsed);
    UnregisterClassA("GameWindow", instance);
    return 0;
}
