#include "platform/win32/end_requests.h"

#include "platform/win32/messages.h"

namespace win32 {

void CloseForEndRequest() {
    bool closing = false;
    for (const auto& window : state().windows) {
        if (window->kind == WindowKind::TopLevel && !window->destroyed) {
            // Posted, not input: it reaches a window that a box or dialog
            // disabled, whose modal loop then ends with the program.
            Post(*window, WM_CLOSE, 0, 0);
            closing = true;
        }
    }
    if (!closing) {
        PostQuitMessage(0);
    }
}

bool IsIgnored(int signal) {
    struct sigaction current = {};
    return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace win32
