#include "HighscoreDialogs.h"

#include "Game.h"
#include "resource.h"
#include "Window.h"

HighscoreTable& CurrentModeTable() {
    return g_game.IsActionMode() ? g_game.actionTable : g_game.normalTable;
}

void OfferHighscoreEntry(HighscoreTable& table) {
    // Equal to the fifth place does not qualify, as the table's own insert agrees.
    if (g_game.GetScore() <= table.GetLowest()) {
        return;
    }
    HINSTANCE instance = g_window.GetInstance();
    HWND owner = g_window.GetHwnd();
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_NAME_ENTRY), owner, NameDlgProc, 0);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TOP_FIVE), owner, HighscoreDlgProc, 0);
}
