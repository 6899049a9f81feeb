// The scripting and inspection interface of the headless backend.
#include "platform/win32/headless/headless_backend.h"

#include "platform/win32/menus.h"

using namespace win32;

namespace win32_headless {

namespace {

void Queue(Action::Kind kind, int64_t first = 0, int64_t second = 0, std::string text = {}) {
    Action action;
    action.kind = kind;
    action.first = first;
    action.second = second;
    action.text = std::move(text);
    Current().script.push_back(std::move(action));
}

} // namespace

HeadlessBackend& Current() {
    if (auto* headless = dynamic_cast<HeadlessBackend*>(&backend())) {
        return *headless;
    }
    Install();
    return static_cast<HeadlessBackend&>(backend());
}

std::string Describe(const Action& action) {
    const std::string first = std::to_string(action.first);
    switch (action.kind) {
    case Action::Kind::Click:
        return "click (" + first + ", " + std::to_string(action.second) + ")";
    case Action::Kind::DoubleClick:
        return "double click (" + first + ", " + std::to_string(action.second) + ")";
    case Action::Kind::ChooseMenu:
        return "menu " + first;
    case Action::Kind::OpenMenu:
        return "open menu";
    case Action::Kind::CloseBox:
        return "close box";
    case Action::Kind::Idle:
        return "idle " + first;
    case Action::Kind::AdvanceTime:
        return "advance time " + first;
    case Action::Kind::Expose:
        return "expose";
    case Action::Kind::AnswerBox:
        return "answer " + first;
    case Action::Kind::TypeText:
        return "type into " + first;
    case Action::Kind::FocusControl:
        return "focus " + first;
    case Action::Kind::PressButton:
        return "press button " + first;
    case Action::Kind::PressEnter:
        return "enter";
    case Action::Kind::PressEscape:
        return "escape";
    case Action::Kind::DialogCloseBox:
        return "dialog close box";
    }
    return "action";
}

void Install() {
    UseBackend(std::make_unique<HeadlessBackend>());
}

void WatchEndRequests() {
    Current().WatchEndRequests();
}

void SetScreenSize(int width, int height) {
    Current().screenWidth = width;
    Current().screenHeight = height;
}

void SetTime(DWORD milliseconds) {
    Current().clock = milliseconds;
}
DWORD Time() {
    return Current().clock;
}
void SetTimeStep(DWORD milliseconds) {
    Current().clockStep = milliseconds;
}

void Click(int x, int y) {
    Queue(Action::Kind::Click, x, y);
}
void DoubleClick(int x, int y) {
    Queue(Action::Kind::DoubleClick, x, y);
}
void ChooseMenu(UINT commandId) {
    Queue(Action::Kind::ChooseMenu, commandId);
}
void OpenMenu() {
    Queue(Action::Kind::OpenMenu);
}
void PressCloseBox() {
    Queue(Action::Kind::CloseBox);
}
void Idle(int passes) {
    if (passes > 0) {
        Queue(Action::Kind::Idle, passes);
    }
}
void AdvanceTime(DWORD milliseconds) {
    Queue(Action::Kind::AdvanceTime, milliseconds);
}
void Expose() {
    Queue(Action::Kind::Expose);
}
void AnswerBox(int result) {
    Queue(Action::Kind::AnswerBox, result);
}
void TypeText(int controlId, const char* utf8) {
    Queue(Action::Kind::TypeText, controlId, 0, utf8 ? utf8 : "");
}
void FocusControl(int controlId) {
    Queue(Action::Kind::FocusControl, controlId);
}
void PressButton(int controlId) {
    Queue(Action::Kind::PressButton, controlId);
}
void PressEnter() {
    Queue(Action::Kind::PressEnter);
}
void PressEscape() {
    Queue(Action::Kind::PressEscape);
}
void PressDialogCloseBox() {
    Queue(Action::Kind::DialogCloseBox);
}
size_t PendingActions() {
    return Current().script.size();
}

std::string DialogView::Text(int controlId) const {
    for (const ControlView& control : controls) {
        if (control.id == controlId) {
            return control.text;
        }
    }
    return {};
}

int DialogView::FocusedId() const {
    for (const ControlView& control : controls) {
        if (control.focused) {
            return control.id;
        }
    }
    return 0;
}

const std::vector<BoxRecord>& Boxes() {
    return Current().boxes;
}
const std::vector<DialogRecord>& Dialogs() {
    return Current().dialogs;
}
const std::vector<std::string>& Refused() {
    return Current().refused;
}
uint64_t FramesPresented() {
    return Current().frames;
}
void KeepFrames(bool keep) {
    Current().keepFrames = keep;
}
const std::vector<Frame>& Frames() {
    return Current().keptFrames;
}

HWND MainWindow() {
    const auto& windows = state().windows;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if ((*it)->kind == WindowKind::TopLevel && !(*it)->destroyed) {
            return it->get();
        }
    }
    return nullptr;
}

bool IsWindowAlive(HWND hwnd) {
    return LiveWindow(hwnd) != nullptr;
}

bool IsWindowVisible(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    return window && window->visible;
}

bool IsWindowEnabled(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    return window && window->enabled;
}

std::string WindowText(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    return window ? window->text : std::string();
}

RECT WindowRect(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    if (!window) {
        return RECT{0, 0, 0, 0};
    }
    return RECT{window->x, window->y, window->x + window->width, window->y + window->height};
}

POINT ClientSize(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    return window ? POINT{window->surface.clientWidth, window->surface.clientHeight} : POINT{0, 0};
}

std::string WindowClassName(HWND hwnd) {
    Window* window = LiveWindow(hwnd);
    return window ? window->className : std::string();
}

MenuItemState MenuItem(HMENU menu, UINT commandId) {
    MenuItemState found;
    if (const win32::MenuItem* item = FindMenuItem(menu, commandId)) {
        found.exists = true;
        found.grayed = item->grayed;
        found.checked = item->checked;
        found.text = item->text;
    }
    return found;
}

std::vector<std::string> MenuOutline(HMENU menu) {
    std::vector<std::string> outline;
    if (!IsKnownMenu(menu)) {
        return outline;
    }
    for (const win32::MenuItem& popup : menu->items) {
        std::string line = popup.text + ":";
        if (popup.popup) {
            const char* separator = " ";
            for (const win32::MenuItem& item : popup.popup->items) {
                line += separator;
                line += item.separator ? "-" : item.text;
                separator = " | ";
            }
        }
        outline.push_back(line);
    }
    return outline;
}

} // namespace win32_headless
