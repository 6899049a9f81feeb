// End requests from outside the program: `kill`, a closed terminal, Ctrl-C.
// Each backend hands them to CloseForEndRequest from its own loop, never from
// the signal handler, so the program ends through its own shutdown and keeps
// what it saves there, as when its window's close box is clicked. Only a
// program that asks for this watches them; any other ends on them at once.
#pragma once

#include <csignal>

namespace win32 {

// The signals that ask a program to end politely.
constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// True when the signal is ignored, as `nohup` starts a program for a closed
// terminal and a shell a background job for Ctrl-C: such a signal stays so.
bool IsIgnored(int signal);

// Posts WM_CLOSE to every top-level window, as their close boxes do; a program
// with no window left is asked to quit instead.
void CloseForEndRequest();

} // namespace win32
