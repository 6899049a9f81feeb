// The duration of one pass of the frame loop, from two readings of the millisecond counter.
#pragma once

#include <windows.h>

// The unsigned difference survives a wrap of the counter between the readings; the
// milliseconds convert exactly to double before the division, then round to float.
inline float PassSeconds(DWORD passStart, DWORD passEnd) {
    DWORD elapsed = passEnd - passStart;
    return static_cast<float>(static_cast<double>(elapsed) / 1000.0);
}
