#include "HighscoreDialogs.h"

#include "Game.h"
#include "resource.h"

#include <cstdio>

namespace {

void InitNameDialog(HWND dialog) {
    bool action = g_game.IsActionMode();
    SetWindowTextA(dialog, action ? "Glückwunsch Highscore! (Action Mode)"
                                  : "Glückwunsch Highscore! (Normal Mode)");
    char scoreText[20];
    snprintf(scoreText, sizeof scoreText, "%i", g_game.GetScore());
    SetDlgItemTextA(dialog, IDC_SCORE, scoreText);
    SetDlgItemTextA(dialog, IDC_NAME_EDIT, action ? "Action Player" : "Normal Player");
}

// The name field holds 19 characters and its terminator; a longer entry is cut.
void EnterName(HWND dialog) {
    char name[20] = {};
    GetDlgItemTextA(dialog, IDC_NAME_EDIT, name, sizeof name);
    CurrentModeTable().Insert(name, g_game.GetScore());
    EndDialog(dialog, 0);
}

} // namespace

INT_PTR CALLBACK NameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitNameDialog(dialog);
        // The focus goes to the button, so Enter takes the default name.
        return TRUE;
    case WM_COMMAND:
        // The dialog cannot be cancelled: it closes only through its button.
        if (LOWORD(wParam) == IDOK) {
            EnterName(dialog);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
