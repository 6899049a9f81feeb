#include "platform/win32/backend.h"
#include "resources/templates.h"

namespace win32 {

namespace {

HICON HandleFor(const resources::Image* image) {
    if (!image) {
        return nullptr;
    }
    auto& icons = state().icons;
    for (const auto& icon : icons) {
        if (icon->image == image) {
            return icon.get();
        }
    }
    icons.push_back(std::make_unique<HICON__>());
    icons.back()->image = image;
    return icons.back().get();
}

std::unique_ptr<HMENU__> BuildPopup(const resources::PopupTemplate& popup) {
    auto menu = std::make_unique<HMENU__>();
    for (const resources::MenuItemTemplate& entry : popup.items) {
        MenuItem item;
        item.separator = entry.text == nullptr;
        item.text = entry.text ? entry.text : "";
        item.id = entry.id;
        item.checked = entry.checked;
        menu->items.push_back(std::move(item));
    }
    return menu;
}

} // namespace

} // namespace win32

using namespace win32;

HICON WINAPI LoadIconA(HINSTANCE, LPCSTR name) {
    return IS_INTRESOURCE(name) ? HandleFor(resources::FindIcon(LOWORD(name))) : nullptr;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR name) {
    return IS_INTRESOURCE(name) ? HandleFor(resources::FindCursor(LOWORD(name))) : nullptr;
}

HMENU WINAPI LoadMenuA(HINSTANCE, LPCSTR name) {
    const resources::MenuTemplate* found =
        IS_INTRESOURCE(name) ? resources::FindMenu(LOWORD(name)) : nullptr;
    if (!found) {
        return nullptr;
    }
    auto bar = std::make_unique<HMENU__>();
    for (const resources::PopupTemplate& popup : found->popups) {
        MenuItem item;
        item.text = popup.text;
        item.popup = BuildPopup(popup);
        bar->items.push_back(std::move(item));
    }
    state().menus.push_back(std::move(bar));
    return state().menus.back().get();
}

HGDIOBJ WINAPI GetStockObject(int object) {
    static HBRUSH__ brushes[] = {
        {0xFFFFFF, false}, {0xC0C0C0, false}, {0x808080, false},
        {0x404040, false}, {0x000000, false}, {0x000000, true},
    };
    const int count = (int)(sizeof(brushes) / sizeof(brushes[0]));
    return object >= 0 && object < count ? &brushes[object] : nullptr;
}
