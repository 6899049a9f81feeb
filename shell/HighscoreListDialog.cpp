#include "HighscoreDialogs.h"

#include "Game.h"
#include "resource.h"

#include <cstdio>

namespace {

const int kPlaces = 5;

// Place 1 has two blanks before "mit".
const char* const kPlaceFormats[kPlaces] = {
    "1. %s  mit %i Punkten", "2. %s mit %i Punkten", "3. %s mit %i Punkten",
    "4. %s mit %i Punkten",  "5. %s mit %i Punkten",
};

void FillLines(HWND dialog) {
    HighscoreTable& table = CurrentModeTable();
    for (int place = 1; place <= kPlaces; ++place) {
        const HighscoreEntry& entry = table.entry[kPlaces - place];
        char line[60];
        snprintf(line, sizeof line, kPlaceFormats[place - 1], entry.name, entry.score);
        SetDlgItemTextA(dialog, IDC_PLACE_1 + place - 1, line);
    }
}

void AskToResetList(HWND dialog) {
    if (MessageBoxA(dialog, "Highscoreliste wirklich löschen!?", "Reset",
                    MB_YESNO | MB_ICONQUESTION) == IDYES) {
        CurrentModeTable().ResetAndSave();
        FillLines(dialog);
    }
}

} // namespace

INT_PTR CALLBACK HighscoreDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowTextA(dialog, g_game.IsActionMode() ? "Die Top 5 Quorvel Player (Action Mode)"
                                                     : "Die Top 5 Quorvel Player (Normal Mode)");
        FillLines(dialog);
        return TRUE;
    case WM_COMMAND:
        // Escape and the close box are ignored: only "OK" closes the list.
        if (LOWORD(wParam) == IDC_LIST_OK) {
            EndDialog(dialog, 0);
        } else if (LOWORD(wParam) == IDC_LIST_RESET) {
            AskToResetList(dialog);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
