// Dialog controls as the layer and its backends look them up.
#pragma once

#include "platform/win32/objects.h"

namespace win32 {

// The first control with this id, or null.
Window* FindControl(const Window& dialog, int id);
bool IsPushButton(const Window& control);
bool IsDefaultButton(const Window& control);
// Gives a control the keyboard focus of its dialog.
void FocusControl(Window& control);

} // namespace win32
