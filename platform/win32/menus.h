// Menus loaded from the menu template: a bar of pop-ups holding items.
#pragma once

#include "platform/win32/objects.h"

namespace win32 {

// Whether the handle is a loaded menu or one of its pop-ups.
bool IsKnownMenu(HMENU menu);
// The command item with this id anywhere in the menu, or null (also for a
// handle that is no menu).
MenuItem* FindMenuItem(HMENU menu, UINT id);
// Holds the program while a drop-down of the window's menu bar is open, as
// Windows does inside the dispatch of the click that opened it; a command
// chosen from it is posted and handled after it closes.
void RunMenuLoop(Window& window);

} // namespace win32
