#include "platform/win32/dialogs.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/messages.h"
#include "platform/win32/resource/compiled_resources.h"
#include "platform/win32/resource/dialog_template.h"
#include "platform/win_out_of_memory.h"

#include <algorithm>
#include <cstring>

namespace win32 {

namespace {

void PlaceInUnits(Window& window, int x, int y, int width, int height) {
    window.unitsX = x;
    window.unitsY = y;
    window.unitsWidth = width;
    window.unitsHeight = height;
}

// Made whole, with room to keep it, before the backend shows it and it is
// kept: a dialog that finds no memory leaves no window behind.
Window& CreateDialogWindow(int templateId, const DialogTemplate& layout, Window* owner,
                           DLGPROC proc, HINSTANCE instance) {
    auto dialog = std::make_unique<Window>();
    dialog->kind = WindowKind::Dialog;
    dialog->className = "#32770";
    dialog->text = Utf16ToCp1252(layout.caption);
    dialog->style = layout.style;
    dialog->instance = instance;
    dialog->owner = owner;
    dialog->dialogProc = proc;
    dialog->templateId = templateId;
    PlaceInUnits(*dialog, layout.x, layout.y, layout.width, layout.height);
    Window* made = dialog.get();
    std::vector<std::unique_ptr<Window>> controls;
    for (const DialogControlTemplate& entry : layout.controls) {
        auto control = std::make_unique<Window>();
        control->kind = WindowKind::Control;
        control->className = Utf16ToCp1252(entry.className);
        control->text = Utf16ToCp1252(entry.text);
        control->style = entry.style;
        control->owner = made;
        control->controlId = entry.id;
        PlaceInUnits(*control, entry.x, entry.y, entry.width, entry.height);
        made->controls.push_back(control.get());
        controls.push_back(std::move(control));
    }
    auto& windows = state().windows;
    windows.reserve(windows.size() + 1 + controls.size());
    backend().DialogCreated(*made);
    windows.push_back(std::move(dialog));
    for (auto& control : controls) {
        windows.push_back(std::move(control));
    }
    return *made;
}

Window* FirstTabStop(const Window& dialog) {
    for (Window* control : dialog.controls) {
        if (control->style & WS_TABSTOP) {
            return control;
        }
    }
    return nullptr;
}

void DestroyDialog(Window& dialog) {
    SendTo(dialog, WM_DESTROY, 0, 0);
    backend().WindowDestroyed(dialog);
    dialog.destroyed = true;
    for (Window* control : dialog.controls) {
        control->destroyed = true;
    }
}

} // namespace

Window* FindControl(const Window& dialog, int id) {
    for (Window* control : dialog.controls) {
        if (control->controlId == id) {
            return control;
        }
    }
    return nullptr;
}

bool IsPushButton(const Window& control) {
    return control.kind == WindowKind::Control && control.className == "button";
}

bool IsDefaultButton(const Window& control) {
    return IsPushButton(control) && (control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void FocusControl(Window& control) {
    control.owner->focus = &control;
    backend().ControlFocused(control);
}

} // namespace win32

using namespace win32;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
    Window* ownerWindow = LiveWindow(owner);
    if (owner && !ownerWindow) {
        return 0;
    }
    // Only the making: the procedure's messages and the modal loop run the
    // program's own code, whose exceptions are its own.
    Window* made = ResultWithinMemory<Window*>(nullptr, [&]() -> Window* {
        FoundResource found;
        DialogTemplate layout;
        if (!IS_INTRESOURCE(templateName) || !dialogProc ||
            !FindResourceIn(ProgramResources(), ResourceType::Dialog, LOWORD(templateName),
                            found) ||
            !ReadDialogTemplate(found.data, layout)) {
            return nullptr;
        }
        return &CreateDialogWindow(LOWORD(templateName), layout, ownerWindow, dialogProc, instance);
    });
    if (!made) {
        return -1;
    }
    Window& dialog = *made;
    Window* first = FirstTabStop(dialog);
    if (SendTo(dialog, WM_INITDIALOG, (WPARAM)first, initParam) && first) {
        FocusControl(*first);
    }
    if (!dialog.ended) {
        ModalContext modal;
        modal.kind = ModalContext::Kind::Dialog;
        modal.owner = owner;
        modal.dialog = &dialog;
        OwnerDisabled disabled(owner);
        backend().DialogShown(modal);
        RunModal(modal);
        backend().ModalClosed(modal);
    }
    const INT_PTR result = dialog.result;
    DestroyDialog(dialog);
    return result;
}

BOOL WINAPI EndDialog(HWND hwnd, INT_PTR result) {
    Window* dialog = LiveWindow(hwnd, WindowKind::Dialog);
    if (!dialog) {
        return FALSE;
    }
    dialog->ended = true;
    dialog->result = result;
    return TRUE;
}

BOOL WINAPI SetDlgItemTextA(HWND hwnd, int controlId, LPCSTR text) {
    Window* dialog = LiveWindow(hwnd, WindowKind::Dialog);
    Window* control = dialog ? FindControl(*dialog, controlId) : nullptr;
    return control ? SetWindowTextA(control, text) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND hwnd, int controlId, LPSTR text, int maxCount) {
    if (!text || maxCount <= 0) {
        return 0;
    }
    Window* dialog = LiveWindow(hwnd, WindowKind::Dialog);
    Window* control = dialog ? FindControl(*dialog, controlId) : nullptr;
    const size_t count = control ? std::min(control->text.size(), (size_t)maxCount - 1) : (size_t)0;
    if (count > 0) {
        std::memcpy(text, control->text.data(), count);
    }
    text[count] = '\0';
    return (UINT)count;
}
