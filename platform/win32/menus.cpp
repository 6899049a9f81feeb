#include "platform/win32/menus.h"

#include "platform/win32/messages.h"

namespace win32 {

namespace {

bool Contains(HMENU menu, HMENU wanted) {
    if (menu == wanted) {
        return true;
    }
    for (const MenuItem& item : menu->items) {
        if (item.popup && Contains(item.popup.get(), wanted)) {
            return true;
        }
    }
    return false;
}

void Changed(HMENU menu, const MenuItem& item) {
    if (menu->window && !menu->window->destroyed) {
        backend().MenuItemChanged(*menu->window, item);
    }
}

} // namespace

bool IsKnownMenu(HMENU menu) {
    for (const auto& root : state().menus) {
        if (menu && Contains(root.get(), menu)) {
            return true;
        }
    }
    return false;
}

MenuItem* FindMenuItem(HMENU menu, UINT id) {
    if (!IsKnownMenu(menu)) {
        return nullptr;
    }
    for (MenuItem& item : menu->items) {
        if (item.popup) {
            if (MenuItem* found = FindMenuItem(item.popup.get(), id)) {
                return found;
            }
        } else if (!item.separator && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

void RunMenuLoop(Window& window) {
    ModalContext modal;
    modal.kind = ModalContext::Kind::Menu;
    modal.owner = &window;
    backend().MenuOpened(modal);
    RunModal(modal);
    backend().ModalClosed(modal);
}

} // namespace win32

using namespace win32;

HMENU WINAPI GetMenu(HWND hwnd) {
    Window* window = LiveWindow(hwnd, WindowKind::TopLevel);
    return window ? window->menu : nullptr;
}

BOOL WINAPI EnableMenuItem(HMENU menu, UINT id, UINT flags) {
    MenuItem* item = (flags & MF_BYPOSITION) ? nullptr : FindMenuItem(menu, id);
    if (!item) {
        return -1;
    }
    const BOOL previous = item->grayed ? MF_GRAYED : MF_ENABLED;
    const bool grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
    if (grayed != item->grayed) {
        item->grayed = grayed;
        Changed(menu, *item);
    }
    return previous;
}

DWORD WINAPI CheckMenuItem(HMENU menu, UINT id, UINT flags) {
    MenuItem* item = (flags & MF_BYPOSITION) ? nullptr : FindMenuItem(menu, id);
    if (!item) {
        return (DWORD)-1;
    }
    const DWORD previous = item->checked ? MF_CHECKED : MF_UNCHECKED;
    const bool checked = (flags & MF_CHECKED) != 0;
    if (checked != item->checked) {
        item->checked = checked;
        Changed(menu, *item);
    }
    return previous;
}
