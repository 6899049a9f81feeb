// The main window's procedure: paints, clicks on the board, the menu commands and the report
// of a game that ends because no jump is left.
#pragma once

#include <windows.h>

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
