#include "platform/win32/gtk/menu_bar.h"

#include "platform/win32/cp1252.h"
#include "platform/win32/messages.h"

using namespace win32;

namespace win32_gtk {

namespace {

void OnMenuActivate(GtkMenuItem*, gpointer data);

// Shows the item's tick without GTK taking it for a choice: setting the state
// of a check item activates it.
void ShowTick(MenuBinding& binding) {
    g_signal_handlers_block_by_func(binding.widget, (gpointer)OnMenuActivate, &binding);
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(binding.widget), binding.item->checked);
    g_signal_handlers_unblock_by_func(binding.widget, (gpointer)OnMenuActivate, &binding);
}

// GTK closes the drop-down before it activates the item, so the command
// waits in the queue until the menu loop has ended.
void OnMenuActivate(GtkMenuItem*, gpointer data) {
    auto* binding = static_cast<MenuBinding*>(data);
    // Only the program ticks an item: undo GTK's own toggle.
    ShowTick(*binding);
    Window* window = binding->view->window;
    if (!binding->item->grayed && window->enabled) {
        PostInput(*window, WM_COMMAND, MAKEWPARAM(binding->item->id, 0), 0);
    }
}

// Moving from one drop-down to the next keeps the same menu loop.
void OnDropDownShown(GtkWidget*, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    if (!view->dropDownOpen) {
        view->dropDownOpen = true;
        PostInput(*view->window, WM_NCLBUTTONDOWN, HTMENU, 0);
    }
}

void OnMenuBarDeactivate(GtkMenuShell*, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    view->dropDownOpen = false;
    if (view->menuLoop) {
        view->menuLoop->done = true;
    }
}

GtkWidget* BuildMenu(MainWindowView& view, HMENU menu, bool bar) {
    GtkWidget* shell = bar ? gtk_menu_bar_new() : gtk_menu_new();
    for (const MenuItem& item : menu->items) {
        GtkWidget* widget = nullptr;
        const std::string label = Cp1252ToUtf8(item.text);
        if (item.separator) {
            widget = gtk_separator_menu_item_new();
        } else if (item.popup) {
            widget = gtk_menu_item_new_with_label(label.c_str());
            GtkWidget* dropDown = BuildMenu(view, item.popup.get(), false);
            g_signal_connect(dropDown, "show", G_CALLBACK(OnDropDownShown), &view);
            gtk_menu_item_set_submenu(GTK_MENU_ITEM(widget), dropDown);
        } else {
            widget = gtk_check_menu_item_new_with_label(label.c_str());
            auto binding = std::make_unique<MenuBinding>();
            binding->view = &view;
            binding->item = &item;
            binding->widget = widget;
            g_signal_connect(widget, "activate", G_CALLBACK(OnMenuActivate), binding.get());
            view.menuItems.push_back(std::move(binding));
            ShowMenuItem(view, item);
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(shell), widget);
    }
    return shell;
}

} // namespace

GtkWidget* BuildMenuBar(MainWindowView& view, HMENU menu) {
    view.menuBar = BuildMenu(view, menu, true);
    g_signal_connect(view.menuBar, "deactivate", G_CALLBACK(OnMenuBarDeactivate), &view);
    return view.menuBar;
}

void ShowMenuItem(MainWindowView& view, const MenuItem& item) {
    for (const auto& binding : view.menuItems) {
        if (binding->item == &item) {
            gtk_widget_set_sensitive(binding->widget, !item.grayed);
            ShowTick(*binding);
        }
    }
}

void HoldMenuLoop(MainWindowView& view, ModalContext& menu) {
    // Closed again before the click on the bar was dispatched: nothing to hold.
    if (!view.dropDownOpen) {
        menu.done = true;
        return;
    }
    view.menuLoop = &menu;
}

void CloseDropDown(MainWindowView& view) {
    if (view.menuBar) {
        gtk_menu_shell_deactivate(GTK_MENU_SHELL(view.menuBar));
    }
    view.menuLoop = nullptr;
}

} // namespace win32_gtk
