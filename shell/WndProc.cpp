#include "WndProc.h"

#include "Game.h"
#include "HighscoreDialogs.h"
#include "resource.h"
#include "Window.h"

namespace {

void AskForNewGame(HWND hwnd) {
    if (MessageBoxA(hwnd, "Neues Spiel starten?", "Neues Spiel", MB_YESNO | MB_ICONQUESTION) ==
        IDYES) {
        gameOverShown = 0;
        g_game.Reset();
    }
}

void AskToQuit(HWND hwnd) {
    if (MessageBoxA(hwnd, "Spiel wirklich beenden?", "Spiel Beenden", MB_YESNO | MB_ICONQUESTION) ==
        IDYES) {
        DestroyWindow(hwnd);
    }
}

void ToggleActionMode(HWND hwnd) {
    int on = actionChecked ? 0 : 1;
    CheckMenuItem(GetMenu(hwnd), ID_GAME_ACTION_MODE,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    g_game.SetActionMode(on);
    actionChecked = on;
}

void OnCommand(HWND hwnd, int command) {
    switch (command) {
    case ID_GAME_NEW:
        AskForNewGame(hwnd);
        break;
    case ID_GAME_QUIT:
        AskToQuit(hwnd);
        break;
    case ID_INFO_HIGHSCORES:
        DialogBoxParamA(g_window.GetInstance(), MAKEINTRESOURCEA(IDD_TOP_FIVE), g_window.GetHwnd(),
                        HighscoreDlgProc, 0);
        break;
    case ID_INFO_CREDITS:
        g_game.SetAbout(TRUE);
        break;
    case ID_GAME_ACTION_MODE:
        ToggleActionMode(hwnd);
        break;
    default:
        break;
    }
}

// The final board is on screen before the box opens.
void ReportNoMovesLeft(HWND hwnd) {
    g_game.Update(0.0f);
    g_game.Render(0.0f);
    MessageBoxA(hwnd, "Game Over: Es sind keine Züge mehr möglich!!", "Game Over",
                MB_OK | MB_ICONEXCLAMATION);
    OfferHighscoreEntry(CurrentModeTable());
    gameOverShown = 1;
}

void OnLeftButtonDown(HWND hwnd, LPARAM lParam) {
    if (g_game.IsAboutShown()) {
        // A click on the credits only closes them.
        g_game.SetAbout(FALSE);
        return;
    }
    if (!g_game.IsGameOver()) {
        int x = LOWORD(lParam);
        int y = HIWORD(lParam);
        g_game.OnClick(x, y);
    }
    if (g_game.IsGameOver() && !gameOverShown) {
        ReportNoMovesLeft(hwnd);
    }
}

} // namespace

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
    case WM_MOVE:
        // Keeps the window drawn while a modal loop holds the frame loop.
        g_game.Render(0.0f);
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        break;
    case WM_COMMAND:
        OnCommand(hwnd, LOWORD(wParam));
        break;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(hwnd, lParam);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
