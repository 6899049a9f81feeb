#include "platform/win32/backend.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/resource/compiled_resources.h"
#include "platform/win32/resource/menu_template.h"
#include "platform/win_out_of_memory.h"

namespace win32 {

namespace {

// Loading the same icon again gives the same handle, as on Windows.
HICON SharedIcon(bool cursor, LPCSTR name) {
    if (!IS_INTRESOURCE(name)) {
        return nullptr;
    }
    const WORD id = LOWORD(name);
    auto& icons = state().icons;
    for (const auto& icon : icons) {
        if (icon->cursor == cursor && icon->id == id) {
            return icon.get();
        }
    }
    std::vector<IconImage> images;
    if (!ReadIconGroup(ProgramResources(), cursor, id, images)) {
        return nullptr;
    }
    icons.push_back(std::make_unique<HICON__>());
    icons.back()->cursor = cursor;
    icons.back()->id = id;
    icons.back()->image = BestImage(images);
    return icons.back().get();
}

std::unique_ptr<HMENU__> BuildMenu(const std::vector<MenuTemplateItem>& entries) {
    auto menu = std::make_unique<HMENU__>();
    for (const MenuTemplateItem& entry : entries) {
        MenuItem item;
        item.separator = entry.IsSeparator();
        item.text = Utf16ToCp1252(entry.text);
        item.id = entry.IsPopup() ? 0 : entry.id;
        item.grayed = (entry.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        item.checked = (entry.flags & MF_CHECKED) != 0;
        if (entry.IsPopup()) {
            item.popup = BuildMenu(entry.items);
        }
        menu->items.push_back(std::move(item));
    }
    return menu;
}

} // namespace

} // namespace win32

using namespace win32;

HICON WINAPI LoadIconA(HINSTANCE, LPCSTR name) {
    return ResultWithinMemory<HICON>(nullptr, [&] { return SharedIcon(false, name); });
}

HCURSOR WINAPI LoadCursorA(HINSTANCE, LPCSTR name) {
    return ResultWithinMemory<HCURSOR>(nullptr, [&] { return SharedIcon(true, name); });
}

HMENU WINAPI LoadMenuA(HINSTANCE, LPCSTR name) {
    return ResultWithinMemory<HMENU>(nullptr, [&]() -> HMENU {
        FoundResource found;
        std::vector<MenuTemplateItem> bar;
        if (!IS_INTRESOURCE(name) ||
            !FindResourceIn(ProgramResources(), ResourceType::Menu, LOWORD(name), found) ||
            !ReadMenuTemplate(found.data, bar)) {
            return nullptr;
        }
        state().menus.push_back(BuildMenu(bar));
        return state().menus.back().get();
    });
}

HGDIOBJ WINAPI GetStockObject(int object) {
    static HBRUSH__ brushes[] = {
        {0xFFFFFF, false}, {0xC0C0C0, false}, {0x808080, false},
        {0x404040, false}, {0x000000, false}, {0x000000, true},
    };
    const int count = (int)(sizeof(brushes) / sizeof(brushes[0]));
    return object >= 0 && object < count ? &brushes[object] : nullptr;
}
