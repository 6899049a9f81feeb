// The main window's frame on a display: moved and closed, never minimised, maximised or resized.
#include "platform/win32/gtk/main_window_view.h"
#include "platform/win32_gtk.h"
#include "tests/win32/message_log.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

using namespace win32_test;

namespace {

enum FrameCheck {
    kFrameAsExpected,
    kNoDisplay,
    kNoWindow,
    kNoDecorations,
    kWrongDecorations,
    kResizable
};

FrameCheck CheckMainWindowFrame() {
    int argc = 0;
    char** argv = nullptr;
    if (!win32_gtk::Install(&argc, &argv)) {
        return kNoDisplay;
    }
    HWND hwnd = MakeMainWindowHere();
    if (!hwnd) {
        return kNoWindow;
    }
    ShowWindow(hwnd, SW_SHOW);
    auto* view = static_cast<win32_gtk::MainWindowView*>(static_cast<win32::Window*>(hwnd)->widget);
    GdkWMDecoration decorations = (GdkWMDecoration)0;
    if (!gdk_window_get_decorations(gtk_widget_get_window(view->toplevel), &decorations)) {
        return kNoDecorations;
    }
    if (decorations != (GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU)) {
        return kWrongDecorations;
    }
    return gtk_window_get_resizable(GTK_WINDOW(view->toplevel)) ? kResizable : kFrameAsExpected;
}

} // namespace

// In a child process: GTK stays out of the other tests, and its lifelong allocations out of
// the leak check.
TEST(Win32GtkFrame, SystemMenuStyleGivesTitleMenuAndBorderOnly) {
    if (!std::getenv("DISPLAY")) {
        GTEST_SKIP() << "no display";
    }
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(CheckMainWindowFrame());
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kFrameAsExpected);
}
