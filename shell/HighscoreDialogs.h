// The two highscore dialogs: entering a name after a qualifying game, and the top-five list
// of the current mode with its reset.
#pragma once

#include <windows.h>

class HighscoreTable;

INT_PTR CALLBACK NameDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK HighscoreDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The table of the mode the game is in: the dialogs and the no-moves report work on it.
HighscoreTable& CurrentModeTable();

// After a game-over box: a score above the table's fifth place opens the name dialog and then
// the top-five dialog, both owned by the main window.
void OfferHighscoreEntry(HighscoreTable& table);
