// The message queue as the layer itself uses it: sending, posting, and the
// modal loops of message boxes, dialogs and drop-down menus.
#pragma once

#include "platform/win32/backend.h"

namespace win32 {

// Calls the window's procedure (a dialog's: its dialog procedure) at once.
LRESULT SendTo(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
void Post(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
// Posts what the user did (a click, a menu choice, a close box, a dialog's
// button). The window gets it only if it is enabled when the message is taken
// from the queue: input that was already waiting when a box or dialog
// disabled its owner is dropped, as the system drops it.
void PostInput(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
// Marks a window as needing a WM_PAINT, which the queue hands out when
// nothing is posted.
void Invalidate(Window& window);
// Every visible top-level window gets a WM_PAINT, as after something that
// covered it went away.
void InvalidateTopLevelWindows();
// Runs until the box is answered, the dialog ended, the menu closed (or its
// window gone) or the program asked to quit, dispatching posted and paint
// messages meanwhile; WM_QUIT stays queued for the frame loop.
void RunModal(ModalContext& modal);
// Disables a box's or dialog's owner for as long as the object lives.
class OwnerDisabled {
public:
    explicit OwnerDisabled(HWND owner);
    ~OwnerDisabled();
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;

private:
    HWND owner = nullptr;
    bool wasEnabled = false;
};

} // namespace win32
