#include "tests/win32/message_log.h"
#include <mmsystem.h>

#include <gtest/gtest.h>

TEST(Win32Timer, ScriptedClockWraps) {
    win32_headless::Install();
    win32_headless::SetTime(0xFFFFFFF0u);
    win32_headless::SetTimeStep(16);
    const DWORD start = timeGetTime();
    const DWORD end = timeGetTime();
    EXPECT_EQ(start, 0xFFFFFFF0u);
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(end - start, 16u) << "unsigned difference across the wrap";

    // A scripted jump lands inside the pass that plays it.
    win32_headless::SetTimeStep(0);
    win32_headless::AdvanceTime(40);
    const DWORD before = timeGetTime();
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(timeGetTime() - before, 40u);
    EXPECT_EQ(win32_headless::Time(), 56u);
}
