#include "platform/win32/headless/headless_backend.h"

#include "platform/win32/box_buttons.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/end_requests.h"
#include "platform/win32/menus.h"
#include "platform/win32/messages.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace win32;

namespace win32_headless {

namespace {

// Polls of the frame loop after the script ran out and the main window was
// closed, before the backend posts WM_QUIT itself.
constexpr int kPollsBeforeQuit = 100;

Window* UsableMainWindow(const char* what, std::vector<std::string>& refused) {
    Window* main = LiveWindow(MainWindow());
    if (!main || !main->visible || !main->enabled) {
        refused.push_back(std::string(what) + ": no visible enabled main window");
        return nullptr;
    }
    return main;
}

// The self-pipe that carries end requests from the signal handler, which may
// do no more than write to it, to the loops that poll it.
int g_endRequests[2] = {-1, -1};

void NoteEndRequest(int) {
    const int savedErrno = errno;
    const char request = 0;
    // Only a full pipe refuses the byte, and it holds a request already.
    (void)!write(g_endRequests[1], &request, 1);
    errno = savedErrno;
}

// Empties the pipe; true when it held a request.
bool DrainEndRequests() {
    char requests[16];
    bool any = false;
    while (read(g_endRequests[0], requests, sizeof requests) > 0) {
        any = true;
    }
    return any;
}

} // namespace

HeadlessBackend::~HeadlessBackend() {
    for (const auto& [signal, before] : replacedActions) {
        sigaction(signal, &before, nullptr);
    }
}

void HeadlessBackend::WatchEndRequests() {
    if (watching || (g_endRequests[0] < 0 && pipe2(g_endRequests, O_NONBLOCK | O_CLOEXEC) != 0)) {
        return;
    }
    watching = true;
    DrainEndRequests(); // left from a backend before
    struct sigaction action = {};
    action.sa_handler = NoteEndRequest;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int signal : kEndSignals) {
        struct sigaction before = {};
        if (!IsIgnored(signal) && sigaction(signal, &action, &before) == 0) {
            replacedActions.emplace_back(signal, before);
        }
    }
}

// Closes as the GTK backend does, once for all the requests that came since
// the last look; true when there were any.
bool HeadlessBackend::TakeEndRequests() {
    if (!watching || !DrainEndRequests()) {
        return false;
    }
    CloseForEndRequest();
    return true;
}

bool IsDialogAction(Action::Kind kind) {
    return kind >= Action::Kind::TypeText && kind <= Action::Kind::DialogCloseBox;
}

DialogView ViewOf(const Window& dialog) {
    DialogView view;
    view.caption = dialog.text;
    for (const Window* control : dialog.controls) {
        ControlView shown;
        shown.id = control->controlId;
        shown.className = control->className;
        shown.text = control->text;
        shown.focused = dialog.focus == control;
        view.controls.push_back(shown);
    }
    return view;
}

DWORD HeadlessBackend::Milliseconds() {
    const DWORD now = clock;
    clock += clockStep;
    return now;
}

void HeadlessBackend::WindowCreated(Window& window) {
    HWND hwnd = &window;
    window.surface.onPresent = [this, hwnd](const PresentSurface& surface) {
        Present(hwnd, surface);
    };
}

void HeadlessBackend::Present(HWND window, const PresentSurface& surface) {
    ++frames;
    if (keepFrames) {
        Frame frame;
        frame.window = window;
        frame.width = surface.frameWidth;
        frame.height = surface.frameHeight;
        frame.pixels = surface.frame;
        frame.duringModal = state().modalDepth > 0;
        keptFrames.push_back(std::move(frame));
    }
}

void HeadlessBackend::DialogShown(ModalContext& modal) {
    DialogRecord record;
    record.templateId = modal.dialog->templateId;
    record.owner = modal.owner;
    record.views.push_back(ViewOf(*modal.dialog));
    record.framesAtOpen = frames;
    dialogs.push_back(record);
    OpenDialog open;
    open.dialog = modal.dialog;
    open.record = dialogs.size() - 1;
    openDialogs.push_back(open);
    InvalidateTopLevelWindows();
}

void HeadlessBackend::BoxOpened(ModalContext& modal) {
    BoxRecord record;
    record.owner = modal.owner;
    record.caption = modal.caption;
    record.text = modal.text;
    record.type = modal.type;
    record.framesAtOpen = frames;
    boxes.push_back(record);
    openBoxes.push_back(boxes.size() - 1);
    InvalidateTopLevelWindows();
}

void HeadlessBackend::ModalClosed(ModalContext& modal) {
    if (modal.kind == ModalContext::Kind::Box) {
        BoxRecord& record = boxes[openBoxes.back()];
        record.result = modal.result;
        record.framesAtClose = frames;
        openBoxes.pop_back();
    } else if (modal.kind == ModalContext::Kind::Dialog) {
        OpenDialog& open = OpenDialogFor(modal.dialog);
        TakeOwedView(open);
        DialogRecord& record = dialogs[open.record];
        record.result = modal.dialog->result;
        record.framesAtClose = frames;
        openDialogs.pop_back();
    }
    InvalidateTopLevelWindows();
}

HeadlessBackend::OpenDialog& HeadlessBackend::OpenDialogFor(const Window* dialog) {
    for (OpenDialog& open : openDialogs) {
        if (open.dialog == dialog) {
            return open;
        }
    }
    return openDialogs.back();
}

void HeadlessBackend::TakeOwedView(OpenDialog& open) {
    if (open.viewOwed) {
        dialogs[open.record].views.push_back(ViewOf(*open.dialog));
        open.viewOwed = false;
    }
}

bool HeadlessBackend::TakeClockAction() {
    Action& action = script.front();
    switch (action.kind) {
    case Action::Kind::Idle:
        if (--action.first <= 0) {
            script.pop_front();
        }
        return true;
    case Action::Kind::AdvanceTime:
        clock += (DWORD)action.first;
        break;
    case Action::Kind::Expose:
        if (Window* main = LiveWindow(MainWindow())) {
            Invalidate(*main);
        }
        break;
    default:
        return false;
    }
    script.pop_front();
    return true;
}

void HeadlessBackend::Poll(bool idle) {
    // A pump that just handed out messages ends its pass first.
    if (TakeEndRequests()) {
        return;
    }
    if (!idle) {
        return;
    }
    if (script.empty()) {
        FinishScript();
        return;
    }
    if (TakeClockAction()) {
        return;
    }
    const Action action = script.front();
    script.pop_front();
    if (IsDialogAction(action.kind) || action.kind == Action::Kind::AnswerBox) {
        refused.push_back(Describe(action) + ": nothing open to take it");
        return;
    }
    PlayWindowAction(action);
}

void HeadlessBackend::PlayWindowAction(const Action& action) {
    const std::string what = Describe(action);
    Window* main = UsableMainWindow(what.c_str(), refused);
    if (!main) {
        return;
    }
    switch (action.kind) {
    case Action::Kind::Click:
    case Action::Kind::DoubleClick: {
        if (action.first < 0 || action.second < 0 || action.first >= main->surface.clientWidth ||
            action.second >= main->surface.clientHeight) {
            refused.push_back(what + ": outside the client area");
            return;
        }
        const int presses = action.kind == Action::Kind::DoubleClick ? 2 : 1;
        for (int press = 0; press < presses; ++press) {
            PostInput(*main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(action.first, action.second));
        }
        return;
    }
    case Action::Kind::ChooseMenu:
        Choose(*main, action);
        return;
    case Action::Kind::OpenMenu:
        if (!main->menu) {
            refused.push_back(what + ": no menu bar");
        } else {
            PostInput(*main, WM_NCLBUTTONDOWN, HTMENU, 0);
        }
        return;
    default:
        PostInput(*main, WM_CLOSE, 0, 0);
        return;
    }
}

void HeadlessBackend::Choose(Window& main, const Action& action) {
    const win32::MenuItem* item = FindMenuItem(main.menu, (UINT)action.first);
    if (!item) {
        refused.push_back(Describe(action) + ": no such item");
    } else if (item->grayed) {
        refused.push_back(Describe(action) + ": greyed");
    } else {
        PostInput(main, WM_COMMAND, MAKEWPARAM(action.first, 0), 0);
    }
}

// A choice is taken from the open drop-down; any other action closes it, as a
// click elsewhere does, and stays in the script.
void HeadlessBackend::PlayMenuAction(ModalContext& menu) {
    if (!script.empty() && script.front().kind == Action::Kind::ChooseMenu) {
        const Action action = script.front();
        script.pop_front();
        Choose(*LiveWindow(menu.owner), action);
    }
    menu.done = true;
}

void HeadlessBackend::FinishScript() {
    Window* main = LiveWindow(MainWindow());
    if (main && !closeSent) {
        closeSent = true;
        PostInput(*main, WM_CLOSE, 0, 0);
        return;
    }
    if (++pollsAfterClose >= kPollsBeforeQuit) {
        pollsAfterClose = 0;
        PostQuitMessage(0);
    }
}

void HeadlessBackend::WaitModal(ModalContext& modal) {
    if (TakeEndRequests()) {
        return;
    }
    const bool isBox = modal.kind == ModalContext::Kind::Box;
    OpenDialog* open =
        modal.kind == ModalContext::Kind::Dialog ? &OpenDialogFor(modal.dialog) : nullptr;
    if (open) {
        TakeOwedView(*open);
    }
    if (!script.empty() && TakeClockAction()) {
        return;
    }
    if (modal.kind == ModalContext::Kind::Menu) {
        PlayMenuAction(modal);
        return;
    }
    if (!script.empty()) {
        const Action action = script.front();
        if (isBox && action.kind == Action::Kind::AnswerBox) {
            script.pop_front();
            const bool valid = BoxHasButton(modal.type, (int)action.first);
            modal.result = valid ? (int)action.first : BoxCloseResult(modal.type);
            boxes[openBoxes.back()].answered = valid;
            modal.done = true;
            return;
        }
        if (open && IsDialogAction(action.kind)) {
            script.pop_front();
            PlayDialogAction(action, *open);
            return;
        }
    }
    // The script has nothing for it: the user closes it.
    if (isBox) {
        modal.result = BoxCloseResult(modal.type);
        modal.done = true;
    } else if (!open->cancelledUnscripted) {
        open->cancelledUnscripted = true;
        PostInput(*modal.dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        open->viewOwed = true;
    } else {
        modal.dialog->ended = true;
        modal.dialog->result = -1;
        dialogs[open->record].abandoned = true;
    }
}

void HeadlessBackend::PlayDialogAction(const Action& action, OpenDialog& open) {
    Window& dialog = *open.dialog;
    const std::string what = Describe(action);
    open.viewOwed = true;
    Window* control = FindControl(dialog, (int)action.first);
    switch (action.kind) {
    case Action::Kind::TypeText:
        if (!control || control->className != "edit") {
            refused.push_back(what + ": no such edit box");
            return;
        }
        control->text = Utf8ToCp1252(action.text);
        FocusControl(*control);
        return;
    case Action::Kind::FocusControl:
        if (!control || !(control->style & WS_TABSTOP)) {
            refused.push_back(what + ": no such control to focus");
            return;
        }
        FocusControl(*control);
        return;
    case Action::Kind::PressButton:
        if (!control || !IsPushButton(*control)) {
            refused.push_back(what + ": no such button");
            return;
        }
        FocusControl(*control);
        PostInput(dialog, WM_COMMAND, MAKEWPARAM(control->controlId, BN_CLICKED), (LPARAM)control);
        return;
    case Action::Kind::PressEnter: {
        Window* button = dialog.focus && IsPushButton(*dialog.focus) ? dialog.focus : nullptr;
        for (size_t i = 0; !button && i < dialog.controls.size(); ++i) {
            if (IsDefaultButton(*dialog.controls[i])) {
                button = dialog.controls[i];
            }
        }
        const int id = button ? button->controlId : IDOK;
        PostInput(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
        return;
    }
    default:
        PostInput(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return;
    }
}

} // namespace win32_headless
