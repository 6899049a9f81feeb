// The headless backend behind platform/win32_headless.h: plays the script
// into the message queue and the modal loops, and keeps the records.
#pragma once

#include "platform/win32/backend.h"
#include "platform/win32_headless.h"

#include <csignal>
#include <deque>
#include <utility>

namespace win32_headless {

struct Action {
    enum class Kind {
        Click,
        DoubleClick,
        ChooseMenu,
        OpenMenu,
        CloseBox,
        Idle,
        AdvanceTime,
        Expose,
        AnswerBox,
        TypeText,
        FocusControl,
        PressButton,
        PressEnter,
        PressEscape,
        DialogCloseBox,
    };
    Kind kind = Kind::Idle;
    int64_t first = 0;  // x, id, passes, milliseconds or answer
    int64_t second = 0; // y
    std::string text;
};

class HeadlessBackend : public win32::Backend {
public:
    // Gives back the signal dispositions that WatchEndRequests replaced.
    ~HeadlessBackend() override;
    int ScreenWidth() override { return screenWidth; }
    int ScreenHeight() override { return screenHeight; }
    DWORD Milliseconds() override;

    void WindowCreated(win32::Window& window) override;
    void WindowShown(win32::Window&) override {}
    void WindowTextChanged(win32::Window&) override {}
    void MenuItemChanged(win32::Window&, const win32::MenuItem&) override {}
    void WindowDestroyed(win32::Window&) override {}

    void DialogCreated(win32::Window&) override {}
    void DialogShown(win32::ModalContext& modal) override;
    void ControlFocused(win32::Window&) override {}

    void BoxOpened(win32::ModalContext& modal) override;
    void MenuOpened(win32::ModalContext&) override {}
    void ModalClosed(win32::ModalContext& modal) override;

    void Poll(bool idle) override;
    void WaitModal(win32::ModalContext& modal) override;

    // End requests reach this backend until another is installed.
    void WatchEndRequests();

    int screenWidth = 1024;
    int screenHeight = 768;
    DWORD clock = 0;
    DWORD clockStep = 0;
    std::deque<Action> script;

    std::vector<BoxRecord> boxes;
    std::vector<DialogRecord> dialogs;
    std::vector<std::string> refused;
    uint64_t frames = 0;
    bool keepFrames = false;
    std::vector<Frame> keptFrames;

private:
    // An open dialog and its record; a view is owed after each action.
    struct OpenDialog {
        win32::Window* dialog = nullptr;
        size_t record = 0;
        bool viewOwed = false;
        bool cancelledUnscripted = false;
    };

    bool TakeEndRequests();
    bool TakeClockAction();
    void PlayWindowAction(const Action& action);
    void PlayMenuAction(win32::ModalContext& menu);
    void Choose(win32::Window& main, const Action& action);
    void PlayDialogAction(const Action& action, OpenDialog& open);
    void FinishScript();
    void Present(HWND window, const PresentSurface& surface);
    OpenDialog& OpenDialogFor(const win32::Window* dialog);
    void TakeOwedView(OpenDialog& open);

    std::vector<size_t> openBoxes;
    std::vector<OpenDialog> openDialogs;
    bool closeSent = false;
    int pollsAfterClose = 0;
    bool watching = false;
    std::vector<std::pair<int, struct sigaction>> replacedActions;
};

// The backend in use, installing it first if another (or none) is.
HeadlessBackend& Current();
bool IsDialogAction(Action::Kind kind);
DialogView ViewOf(const win32::Window& dialog);
std::string Describe(const Action& action);

} // namespace win32_headless
