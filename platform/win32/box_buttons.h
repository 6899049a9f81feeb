// The buttons of a message box by its type, labelled as on a German system.
#pragma once

#include <windows.h>

#include <vector>

namespace win32 {

struct BoxButton {
    int result = 0;
    const char* label = nullptr; // Windows-1252
};

std::vector<BoxButton> BoxButtons(UINT type);
// What closing the box (close box or Escape) answers.
int BoxCloseResult(UINT type);
bool BoxHasButton(UINT type, int result);

} // namespace win32
