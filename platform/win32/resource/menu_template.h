// A compiled menu template (the plain kind, not the extended one): a header,
// then the items of the menu bar, each pop-up followed by its own items; the
// last item of every level carries the end flag.
#pragma once

#include "platform/win32/resource/byte_reader.h"

#include <vector>

namespace win32 {

// Item flags in a menu template beside MF_GRAYED, MF_DISABLED and MF_CHECKED.
const WORD kMenuPopupFlag = 0x0010;
const WORD kMenuEndFlag = 0x0080;

struct MenuTemplateItem {
    WORD flags = 0;
    WORD id = 0; // command items only
    std::u16string text;
    std::vector<MenuTemplateItem> items; // a pop-up's own

    bool IsPopup() const { return (flags & kMenuPopupFlag) != 0; }
    // The compiler writes a separator as a command item without id and text.
    bool IsSeparator() const { return !IsPopup() && id == 0 && text.empty(); }
};

// The items of the menu bar; false for a template that is malformed, breaks
// off, or nests pop-ups deeper than any menu needs.
bool ReadMenuTemplate(ByteSpan bytes, std::vector<MenuTemplateItem>& bar);

} // namespace win32
