// Registered window classes.
#pragma once

#include "platform/win32/objects.h"

namespace win32 {

// A registered class by name or by atom (an integer resource name); null when
// there is none.
WindowClass* FindClass(LPCSTR name);

} // namespace win32
