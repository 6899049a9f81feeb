// A compiled dialog template (the plain kind, not the extended one): the
// dialog's style, place and size in dialog units, caption and font, then its
// controls, each starting on a multiple of four bytes.
#pragma once

#include "platform/win32/resource/byte_reader.h"

#include <vector>

namespace win32 {

// What a dialog and each of its controls have alike: the window's styles, and
// its place and size in dialog units.
struct DialogWindowTemplate {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short width = 0;
    short height = 0;
};

struct DialogControlTemplate : DialogWindowTemplate {
    WORD id = 0; // -1 in the script is 0xFFFF here
    // A predefined class by its name: "button", "edit" or "static".
    std::u16string className;
    std::u16string text; // empty when the template gives a number instead
};

struct DialogTemplate : DialogWindowTemplate {
    std::u16string caption;
    WORD fontPoints = 0; // with DS_SETFONT only
    std::u16string fontName;
    std::vector<DialogControlTemplate> controls; // template order is tab order
};

// False for a malformed or extended template, or one that breaks off.
bool ReadDialogTemplate(ByteSpan bytes, DialogTemplate& dialog);

} // namespace win32
