#include "platform/win32/resource/menu_template.h"

namespace win32 {

namespace {

// Nesting is bounded so that a crafted template cannot exhaust the stack.
const int kDeepestPopup = 8;

bool ReadItems(ByteReader& in, int depth, std::vector<MenuTemplateItem>& items) {
    if (depth > kDeepestPopup) {
        return false;
    }
    for (;;) {
        MenuTemplateItem item;
        if (!in.Word(item.flags) || (!item.IsPopup() && !in.Word(item.id)) || !in.Text(item.text) ||
            (item.IsPopup() && !ReadItems(in, depth + 1, item.items))) {
            return false;
        }
        const bool last = (item.flags & kMenuEndFlag) != 0;
        items.push_back(std::move(item));
        if (last) {
            return true;
        }
    }
}

} // namespace

bool ReadMenuTemplate(ByteSpan bytes, std::vector<MenuTemplateItem>& bar) {
    ByteReader in(bytes);
    WORD version = 0;
    WORD headerSize = 0;
    std::vector<MenuTemplateItem> items;
    // Version 0 is the plain template; its header may be followed by extra bytes.
    if (!in.Word(version) || version != 0 || !in.Word(headerSize) || !in.Skip(headerSize) ||
        !ReadItems(in, 0, items)) {
        return false;
    }
    bar = std::move(items);
    return true;
}

} // namespace win32
