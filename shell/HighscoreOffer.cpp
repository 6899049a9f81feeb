#include "HighscoreDialogs.h"

#include "Game.h"
#include "ResourceIds.h"
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
    DialogBoxParamA(instance, MAKEINTRESOURCE(kDialogName), owner, NameDlgProc, 0);
    DialogBoxParamA(instance, MAKEINTRESOURCE(kDialogHighscores), owner, HighscoreDlgProc, 0);
}
