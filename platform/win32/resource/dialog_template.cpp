#include "platform/win32/resource/dialog_template.h"

namespace win32 {

namespace {

// An extended template starts with version 1 and the signature 0xFFFF.
const DWORD kExtendedStart = 0xFFFF0001;

// The predefined control classes that a template names by number and this
// layer has controls for; a template with any other cannot be shown.
const char16_t* PredefinedClass(WORD atom) {
    switch (atom) {
    case 0x0080:
        return u"button";
    case 0x0081:
        return u"edit";
    case 0x0082:
        return u"static";
    default:
        return nullptr;
    }
}

bool ReadPlace(ByteReader& in, DialogWindowTemplate& window) {
    return in.Short(window.x) && in.Short(window.y) && in.Short(window.width) &&
           in.Short(window.height);
}

bool ReadControl(ByteReader& in, DialogControlTemplate& control) {
    ResourceName className;
    ResourceName text;
    WORD extraSize = 0;
    if (!in.AlignToDword() || !in.Dword(control.style) || !in.Dword(control.exStyle) ||
        !ReadPlace(in, control) || !in.Word(control.id) || !in.Name(className) || !in.Name(text) ||
        !in.Word(extraSize)) {
        return false;
    }
    // Creation data, when there is any, counts its own size word.
    if (extraSize != 0 && (extraSize < 2 || !in.Skip(extraSize - 2))) {
        return false;
    }
    if (className.isOrdinal) {
        const char16_t* predefined = PredefinedClass(className.ordinal);
        if (!predefined) {
            return false;
        }
        control.className = predefined;
    } else {
        control.className = className.text;
    }
    control.text = text.text;
    return true;
}

} // namespace

bool ReadDialogTemplate(ByteSpan bytes, DialogTemplate& dialog) {
    ByteReader in(bytes);
    DialogTemplate read;
    WORD count = 0;
    // A menu or window class of the dialog's own is read past: the program's dialogs have neither.
    ResourceName menu;
    ResourceName windowClass;
    if (!in.Dword(read.style) || read.style == kExtendedStart || !in.Dword(read.exStyle) ||
        !in.Word(count) || !ReadPlace(in, read) || !in.Name(menu) || !in.Name(windowClass) ||
        !in.Text(read.caption)) {
        return false;
    }
    if ((read.style & DS_SETFONT) && (!in.Word(read.fontPoints) || !in.Text(read.fontName))) {
        return false;
    }
    for (WORD i = 0; i < count; ++i) {
        DialogControlTemplate control;
        if (!ReadControl(in, control)) {
            return false;
        }
        read.controls.push_back(std::move(control));
    }
    dialog = std::move(read);
    return true;
}

} // namespace win32
