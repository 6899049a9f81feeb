#include "platform/win32/backend.h"
#include "platform/win32_headless.h"

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

Backend& backend() {
    // Tests that never chose a backend get the headless one.
    if (!Current()) {
        win32_headless::Install();
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
