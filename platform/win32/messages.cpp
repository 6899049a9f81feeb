#include "platform/win32/messages.h"

#include "platform/win32/menus.h"
#include "platform/win_out_of_memory.h"

#include <algorithm>

namespace win32 {

namespace {

bool Matches(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (hwnd && msg.hwnd != hwnd) {
        return false;
    }
    return (filterMin == 0 && filterMax == 0) ||
           (msg.message >= filterMin && msg.message <= filterMax);
}

void Queue(Window& window, UINT message, WPARAM wParam, LPARAM lParam, bool input) {
    PostedMessage waiting;
    waiting.msg.hwnd = &window;
    waiting.msg.message = message;
    waiting.msg.wParam = wParam;
    waiting.msg.lParam = lParam;
    waiting.input = input;
    // The backend posts from inside its toolkit's event handlers, where no
    // exception may go: a message with no room is lost, as on a full queue.
    ResultWithinMemory(false, [&] {
        state().posted.push_back(waiting);
        return true;
    });
}

void DropInputForDisabledWindows() {
    auto& posted = state().posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                                [](const PostedMessage& waiting) {
                                    const Window* window = LiveWindow(waiting.msg.hwnd);
                                    return waiting.input && window && !window->enabled;
                                }),
                 posted.end());
}

// Hands out what is waiting in the queue's own order: posted messages, then
// WM_QUIT (only when asked for), then a paint.
bool TakeMessage(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove,
                 bool includeQuit) {
    State& s = state();
    DropInputForDisabledWindows();
    const auto posted =
        std::find_if(s.posted.begin(), s.posted.end(), [&](const PostedMessage& waiting) {
            return Matches(waiting.msg, hwnd, filterMin, filterMax);
        });
    if (posted != s.posted.end()) {
        *out = posted->msg;
        if (remove) {
            s.posted.erase(posted);
        }
        return true;
    }
    MSG candidate = {};
    if (includeQuit && s.quitPosted && !hwnd) {
        candidate.message = WM_QUIT;
        candidate.wParam = (WPARAM)s.quitCode;
        if (Matches(candidate, hwnd, filterMin, filterMax)) {
            *out = candidate;
            s.quitPosted = !remove;
            return true;
        }
    }
    for (const auto& window : s.windows) {
        if (window->kind != WindowKind::TopLevel || window->destroyed || !window->visible ||
            !window->invalid) {
            continue;
        }
        candidate = {};
        candidate.hwnd = window.get();
        candidate.message = WM_PAINT;
        if (Matches(candidate, hwnd, filterMin, filterMax)) {
            *out = candidate;
            // Validated as it is handed out: a paint that exposes the window
            // again asks for a new paint instead of being lost.
            window->invalid = !remove;
            return true;
        }
    }
    return false;
}

// A quit ends every modal loop, as on Windows, and stays queued: the loops
// around this one, any box or dialog the program opens on its way out and the
// frame loop all end on it in turn.
bool Finished(const ModalContext& modal) {
    if (state().quitPosted) {
        return true;
    }
    switch (modal.kind) {
    case ModalContext::Kind::Box:
        return modal.done;
    case ModalContext::Kind::Dialog:
        return modal.dialog->ended;
    case ModalContext::Kind::Menu:
        return modal.done || !LiveWindow(modal.owner);
    }
    return true;
}

} // namespace

LRESULT SendTo(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (window.kind) {
    case WindowKind::TopLevel:
        return window.proc ? window.proc(&window, message, wParam, lParam) : 0;
    case WindowKind::Dialog:
        return window.dialogProc ? window.dialogProc(&window, message, wParam, lParam) : 0;
    case WindowKind::Control:
        break;
    }
    return 0;
}

void Post(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Queue(window, message, wParam, lParam, false);
}

void PostInput(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    Queue(window, message, wParam, lParam, true);
}

void Invalidate(Window& window) {
    window.invalid = true;
}

void InvalidateTopLevelWindows() {
    for (const auto& window : state().windows) {
        if (window->kind == WindowKind::TopLevel && !window->destroyed && window->visible) {
            Invalidate(*window);
        }
    }
}

void RunModal(ModalContext& modal) {
    ++state().modalDepth;
    while (!Finished(modal)) {
        MSG msg;
        while (!Finished(modal) && TakeMessage(&msg, nullptr, 0, 0, true, false)) {
            DispatchMessageA(&msg);
        }
        if (!Finished(modal)) {
            backend().WaitModal(modal);
        }
    }
    --state().modalDepth;
}

OwnerDisabled::OwnerDisabled(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    if (window) {
        owner = hwnd;
        wasEnabled = window->enabled;
        window->enabled = false;
    }
}

OwnerDisabled::~OwnerDisabled() {
    if (Window* window = LiveWindow(owner)) {
        window->enabled = wasEnabled;
    }
}

} // namespace win32

using namespace win32;

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg) {
        return FALSE;
    }
    const bool remove = (removeFlags & PM_REMOVE) != 0;
    State& s = state();
    if (!TakeMessage(msg, hwnd, filterMin, filterMax, remove, true)) {
        backend().Poll(s.lastPollEmpty);
        if (!TakeMessage(msg, hwnd, filterMin, filterMax, remove, true)) {
            s.lastPollEmpty = true;
            return FALSE;
        }
    }
    s.lastPollEmpty = false;
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG*) {
    // No keyboard messages are generated, so there is nothing to translate.
    return FALSE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    Window* window = msg ? LiveWindow(msg->hwnd) : nullptr;
    return window ? SendTo(*window, msg->message, msg->wParam, msg->lParam) : 0;
}

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow(hwnd);
    } else if (message == WM_NCLBUTTONDOWN && wParam == HTMENU) {
        Window* window = LiveWindow(hwnd, WindowKind::TopLevel);
        if (window && window->menu) {
            RunMenuLoop(*window);
        }
    }
    return 0;
}

void WINAPI PostQuitMessage(int exitCode) {
    state().quitPosted = true;
    state().quitCode = exitCode;
}
