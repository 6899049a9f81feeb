// The headless Win32 backend: windows, menus, message boxes and dialogs kept in
// memory, with a scripted user and a scripted clock, so that tests can run the
// game's real WinMain and its frame loop without a display.
//
// Use:
//
//     win32_headless::Install();            // clean slate, headless from now on
//     win32_headless::Click(300, 200);      // the script: what the user does, in order
//     win32_headless::AnswerBox(IDYES);
//     win32_headless::ChooseMenu(40001);
//     WinMain(nullptr, nullptr, nullptr, SW_SHOW);   // ends when the script is used up
//     EXPECT_EQ(win32_headless::Boxes().size(), 1u);
//
// How the script is played
// ------------------------
// The script is one queue of actions, taken strictly in order.
//
// * The frame loop. PeekMessageA hands out posted messages first, then WM_QUIT
//   (after PostQuitMessage), then WM_PAINT for an invalidated visible window.
//   When none is waiting it returns 0 once, which ends the loop's message pump
//   for that pass; the next PeekMessageA (the next pass) takes the next scripted
//   action and turns it into messages. So each pass of the frame loop plays
//   exactly one action, and the frames drawn between two actions are one pass
//   of the loop each.
// * Window actions (Click, DoubleClick, ChooseMenu, OpenMenu, PressCloseBox) go to the main window,
//   the most recently created top-level window that still exists. One that the
//   user could not do (window hidden or disabled, point outside the client
//   area, menu item greyed or missing) delivers nothing and is listed in
//   Refused().
// * Message boxes and dialogs run their own modal loops. While one is up it
//   takes the next actions of the script: the clock actions (Idle, AdvanceTime,
//   Expose) in passing, then its own kind (AnswerBox for a box, the dialog
//   actions for a dialog). If the next action is of another kind, or the
//   script is used up, the user is taken to close it: a box closes with the
//   answer the close box gives (IDNO for yes/no, IDOK for OK, IDCANCEL where
//   there is a Cancel button); a dialog gets IDCANCEL as from its close box,
//   and if it still stays open it is ended with result -1 and marked
//   `abandoned`. The action that did not fit stays in the script for whoever
//   comes next.
// * A drop-down opened by OpenMenu runs its modal loop too: it takes the clock
//   actions in passing, then a ChooseMenu (a choice from it, delivered after it
//   closes); any other action, or none left, closes it and stays in the script.
// * Opening and closing a box or dialog uncovers the visible top-level windows
//   behind it: each gets a WM_PAINT, the first while the box or dialog is up,
//   as it would after being overlapped on screen. A drop-down uncovers them
//   when it closes.
// * An end request (SIGTERM, SIGHUP, SIGINT to the test process), once the
//   test called WatchEndRequests, is taken at the next poll or modal wait,
//   outside the script: WM_CLOSE is posted to every top-level window, as the
//   GTK backend does. Otherwise the signal ends the test program.
// * When the script is used up, the next empty poll of the frame loop closes
//   the main window through its close box (WM_CLOSE), so WinMain always ends;
//   should no WM_QUIT follow within 100 more polls, one is posted.
//
// Texts
// -----
// Records hold texts as the "A" functions see them: Windows-1252 bytes, so a
// test compares them with plain string literals. TypeText takes what a
// keyboard produces, UTF-8 (write u8"..." in a test), and converts it at the
// boundary as the GTK backend does: one byte per letter, '?' for a character
// that Windows-1252 lacks.
//
// Windows stay in memory after DestroyWindow (only marked destroyed), so a
// device that still presents into a destroyed window's surface is harmless.
// Install() frees everything of the previous run.
#pragma once

#include "platform/surface.h"
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace win32_headless {

// Selects the headless backend and resets all state: windows, classes, the
// message queue, the script, the records, the clock (0, step 0), the screen
// (1024 x 768).
void Install();

// End requests close the windows, as in the game, until the next Install; a
// signal that is ignored stays so.
void WatchEndRequests();

// The size GetSystemMetrics reports for the primary screen.
void SetScreenSize(int width, int height);

// --- The clock (timeGetTime) -------------------------------------------------

// Sets the millisecond counter now; it wraps like the real one.
void SetTime(DWORD milliseconds);
DWORD Time();
// Every timeGetTime call advances the counter by `milliseconds` after reading
// it (0: the clock stands still unless the script moves it).
void SetTimeStep(DWORD milliseconds);

// --- The script --------------------------------------------------------------

// Left button pressed at client coordinates of the main window: WM_LBUTTONDOWN
// with MK_LBUTTON and the point packed x low word, y high word.
void Click(int x, int y);
// A quick double click: two such presses that reach the queue together, as
// when both fall within one frame (the class asks for no double-click
// message, so each is a WM_LBUTTONDOWN).
void DoubleClick(int x, int y);
// A menu item chosen on the main window's menu bar: WM_COMMAND with the id in
// the low word (0 in the high word, lParam 0). Refused when the item is greyed.
void ChooseMenu(UINT commandId);
// A click on the main window's menu bar (WM_NCLBUTTONDOWN, HTMENU): a
// drop-down opens and holds the program until it closes.
void OpenMenu();
// The main window's close box: WM_CLOSE.
void PressCloseBox();
// Nothing happens for `passes` polls of the loop taking the script.
void Idle(int passes = 1);
// The clock jumps forward by `milliseconds` (a wrap included) when reached;
// costs one pass.
void AdvanceTime(DWORD milliseconds);
// The main window is uncovered and gets a WM_PAINT; costs one pass.
void Expose();

// The answer of the next message box: IDOK, IDYES, IDNO, ... (the button
// pressed). A result that the box has no button for counts as its close box.
void AnswerBox(int result);

// Dialog actions, on the dialog that is up when they are reached.
// Replaces the text of an edit control as the user types it (UTF-8); the
// control also takes the focus.
void TypeText(int controlId, const char* utf8);
// Moves the keyboard focus to a control (click into it or Tab to it).
void FocusControl(int controlId);
// Clicks a push button: WM_COMMAND with its id (BN_CLICKED, the control as
// lParam). The button keeps the focus, so a later Enter presses it again.
void PressButton(int controlId);
// Enter: the focused push button's id, otherwise the default button's (also
// when the edit box has the focus), otherwise IDOK.
void PressEnter();
// Escape: WM_COMMAND with IDCANCEL.
void PressEscape();
// The dialog's close box: WM_COMMAND with IDCANCEL.
void PressDialogCloseBox();

// Actions not yet taken.
size_t PendingActions();

// --- Records -----------------------------------------------------------------

struct BoxRecord {
    HWND owner = nullptr;
    std::string caption;
    std::string text;
    UINT type = 0;             // the MB_* flags as passed
    int result = 0;            // what MessageBoxA returned
    bool answered = false;     // false: closed because no AnswerBox was next
    uint64_t framesAtOpen = 0; // FramesPresented() when it opened and closed
    uint64_t framesAtClose = 0;
};

struct ControlView {
    int id = 0;
    std::string className; // "button", "static" or "edit"
    std::string text;
    bool focused = false;
};

// A dialog as the user saw it at one moment.
struct DialogView {
    std::string caption;
    std::vector<ControlView> controls; // in template order
    // The text of the first control with this id; empty when there is none.
    std::string Text(int controlId) const;
    // The id of the focused control, 0 when none has the focus.
    int FocusedId() const;
};

struct DialogRecord {
    int templateId = 0;
    HWND owner = nullptr;
    LPARAM initParam = 0;
    // views[0] right after WM_INITDIALOG, then one after each dialog action
    // (and after a box that it opened); views.back() is how it was left.
    std::vector<DialogView> views;
    INT_PTR result = 0; // what DialogBoxParamA returned
    bool abandoned = false;
    uint64_t framesAtOpen = 0;
    uint64_t framesAtClose = 0;
};

const std::vector<BoxRecord>& Boxes();
const std::vector<DialogRecord>& Dialogs();
// A line for each action that could not be done, e.g. "menu 40003 greyed".
const std::vector<std::string>& Refused();

// Presented frames over all windows.
uint64_t FramesPresented();
// When on, every presented frame is kept (off by default: they are large).
void KeepFrames(bool keep);
struct Frame {
    HWND window = nullptr;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB, row-major
    bool duringModal = false;     // a box, dialog or drop-down was up
};
const std::vector<Frame>& Frames();

// --- Inspection ----------------------------------------------------------------

// The most recently created top-level window that still exists, or null.
HWND MainWindow();
bool IsWindowAlive(HWND hwnd);
bool IsWindowVisible(HWND hwnd);
bool IsWindowEnabled(HWND hwnd);
std::string WindowText(HWND hwnd);
// Outer rectangle in screen coordinates, and the client size.
RECT WindowRect(HWND hwnd);
POINT ClientSize(HWND hwnd);
// The window's class name, or empty.
std::string WindowClassName(HWND hwnd);

struct MenuItemState {
    bool exists = false;
    bool grayed = false;
    bool checked = false;
    std::string text;
};
MenuItemState MenuItem(HMENU menu, UINT commandId);
// The menu bar's pop-up titles with their items, e.g. "Spiel: Neu | - | Action Modus ...".
std::vector<std::string> MenuOutline(HMENU menu);

} // namespace win32_headless
