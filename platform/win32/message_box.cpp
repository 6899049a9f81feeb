#include "platform/win32/messages.h"

using namespace win32;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    ModalContext modal;
    modal.kind = ModalContext::Kind::Box;
    modal.owner = LiveWindow(owner) ? owner : nullptr;
    modal.text = text ? text : "";
    // A box without a caption is titled as the German system titles it.
    modal.caption = caption ? caption : "Fehler";
    modal.type = type;
    {
        OwnerDisabled disabled(modal.owner);
        backend().BoxOpened(modal);
        RunModal(modal);
        backend().ModalClosed(modal);
    }
    return modal.result;
}
