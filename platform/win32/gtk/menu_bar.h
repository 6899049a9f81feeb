// The main window's menu bar as GTK shows it. GTK opens a drop-down by itself;
// the program sees a click on the bar, and the menu loop that its dispatch
// runs holds on until GTK closes the drop-down.
#pragma once

#include "platform/win32/backend.h"
#include "platform/win32/gtk/main_window_view.h"

namespace win32_gtk {

GtkWidget* BuildMenuBar(MainWindowView& view, HMENU menu);
void ShowMenuItem(MainWindowView& view, const win32::MenuItem& item);
// The menu loop of the view's window, ended when the drop-down closes.
void HoldMenuLoop(MainWindowView& view, win32::ModalContext& menu);
// Takes an open drop-down down.
void CloseDropDown(MainWindowView& view);

} // namespace win32_gtk
