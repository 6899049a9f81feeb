#include "platform/win32/box_buttons.h"

namespace win32 {

std::vector<BoxButton> BoxButtons(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Abbrechen"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "Abbrechen"}, {IDRETRY, "Wiederholen"}, {IDIGNORE, "Ignorieren"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "Ja"}, {IDNO, "Nein"}, {IDCANCEL, "Abbrechen"}};
    case MB_YESNO:
        return {{IDYES, "Ja"}, {IDNO, "Nein"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "Wiederholen"}, {IDCANCEL, "Abbrechen"}};
    default:
        return {{IDOK, "OK"}};
    }
}

int BoxCloseResult(UINT type) {
    if (BoxHasButton(type, IDCANCEL)) {
        return IDCANCEL;
    }
    switch (type & MB_TYPEMASK) {
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDOK;
    }
}

bool BoxHasButton(UINT type, int result) {
    for (const BoxButton& button : BoxButtons(type)) {
        if (button.result == result) {
            return true;
        }
    }
    return false;
}

} // namespace win32
