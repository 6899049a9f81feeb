#include "platform/win32/backend.h"

#include <cstdio>
#include <cstdlib>

namespace win32 {

namespace {

State& Storage() {
    static State instance;
    return instance;
}

std::unique_ptr<Backend>& Current() {
    static std::unique_ptr<Backend> instance;
    return instance;
}

} // namespace

State& state() {
    return Storage();
}

void ResetState() {
    Storage() = State();
}

Window* LiveWindow(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    for (const auto& window : Storage().windows) {
        if (window.get() == hwnd) {
            return window->destroyed ? nullptr : window.get();
        }
    }
    return nullptr;
}

Window* LiveWindow(HWND hwnd, WindowKind kind) {
    Window* window = LiveWindow(hwnd);
    return window && window->kind == kind ? window : nullptr;
}

// A program chooses its backend before it calls anything that shows or waits;
// without one there is nothing to fall back on.
Backend& backend() {
    if (!Current()) {
        std::fprintf(stderr, "win32: no backend installed\n");
        std::abort();
    }
    return *Current();
}

void UseBackend(std::unique_ptr<Backend> chosen) {
    ResetState();
    Current() = std::move(chosen);
}

} // namespace win32

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    static HINSTANCE__ program;
    return moduleName ? nullptr : &program;
}
