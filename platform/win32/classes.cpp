#include "platform/win32/backend.h"
#include "platform/win32/classes.h"
#include "platform/win_out_of_memory.h"

#include <cstring>

namespace win32 {

namespace {

// Atoms of registered classes count up from here, as the system's do.
constexpr ATOM kFirstAtom = 0xC000;

ATOM AtomOf(size_t index) {
    return (ATOM)(kFirstAtom + index);
}

} // namespace

WindowClass* FindClass(LPCSTR name) {
    const auto& classes = state().classes;
    for (size_t i = 0; i < classes.size(); ++i) {
        WindowClass& windowClass = *classes[i];
        if (!windowClass.registered) {
            continue;
        }
        if (IS_INTRESOURCE(name) ? AtomOf(i) == LOWORD(name) : windowClass.name == name) {
            return &windowClass;
        }
    }
    return nullptr;
}

} // namespace win32

using namespace win32;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* record) {
    if (!record || !record->lpfnWndProc || !record->lpszClassName ||
        IS_INTRESOURCE(record->lpszClassName) || FindClass(record->lpszClassName)) {
        return 0;
    }
    return ResultWithinMemory<ATOM>(0, [&] {
        auto windowClass = std::make_unique<WindowClass>();
        windowClass->name = record->lpszClassName;
        windowClass->record = *record;
        windowClass->record.lpszClassName = windowClass->name.c_str();
        windowClass->registered = true;
        state().classes.push_back(std::move(windowClass));
        return AtomOf(state().classes.size() - 1);
    });
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE) {
    WindowClass* found = FindClass(className);
    if (!found) {
        return FALSE;
    }
    for (const auto& window : state().windows) {
        if (!window->destroyed && window->windowClass == found) {
            return FALSE;
        }
    }
    // The record stays, unregistered, for windows that still point at it.
    found->registered = false;
    return TRUE;
}
