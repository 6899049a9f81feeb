// The multimedia timer of the Windows platform, as the game uses it.
#pragma once

#include "win_types.h"

// Milliseconds since some fixed moment, wrapping at 2^32.
DWORD WINAPI timeGetTime();
