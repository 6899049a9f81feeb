#include "platform/win32/messages.h"
#include "platform/win_out_of_memory.h"

using namespace win32;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    // An owner that is no window (one already destroyed) fails the box, as it
    // fails a dialog: nothing pops up after the window has gone.
    if (owner && !LiveWindow(owner)) {
        return 0;
    }
    ModalContext modal;
    modal.kind = ModalContext::Kind::Box;
    modal.owner = owner;
    modal.type = type;
    {
        OwnerDisabled disabled(modal.owner);
        // Only the opening: the loop runs the program's own procedures, whose
        // exceptions are theirs.
        const bool opened = ResultWithinMemory(false, [&] {
            modal.text = text ? text : "";
            // A box without a caption is titled as the German system titles it.
            modal.caption = caption ? caption : "Fehler";
            backend().BoxOpened(modal);
            return true;
        });
        if (!opened) {
            return 0;
        }
        RunModal(modal);
        backend().ModalClosed(modal);
    }
    return modal.result;
}
