#include "platform/win32/gtk/dialog_view.h"

#include "platform/win32/cp1252.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/gtk/dialog_units.h"
#include "platform/win32/gtk/modal_window.h"
#include "platform/win32/messages.h"
#include "platform/win_out_of_memory.h"

using namespace win32;

namespace win32_gtk {

namespace {

// A dialog under a box of its own takes no commands, as it is disabled.
void PostCommand(Window& dialog, int id, Window* control) {
    if (dialog.enabled) {
        PostInput(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)control);
    }
}

void OnClicked(GtkButton*, gpointer data) {
    auto* control = static_cast<Window*>(data);
    PostCommand(*control->owner, control->controlId, control);
}

void OnEdited(GtkEditable* editable, gpointer data) {
    auto* control = static_cast<Window*>(data);
    // No exception may leave a GTK handler: an edit with no room is not taken.
    ResultWithinMemory(false, [&] {
        control->text = Utf8ToCp1252(gtk_entry_get_text(GTK_ENTRY(editable)));
        return true;
    });
}

gboolean OnFocusIn(GtkWidget*, GdkEvent*, gpointer data) {
    auto* control = static_cast<Window*>(data);
    control->owner->focus = control;
    return FALSE;
}

// The close box and Escape both ask the procedure with IDCANCEL; the dialog
// stays unless it ends itself.
gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    PostCommand(*static_cast<Window*>(data), IDCANCEL, nullptr);
    return TRUE;
}

gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
    if (event->keyval != GDK_KEY_Escape) {
        return FALSE;
    }
    PostCommand(*static_cast<Window*>(data), IDCANCEL, nullptr);
    return TRUE;
}

GtkWidget* MakeControl(Window& control) {
    const std::string text = Cp1252ToUtf8(control.text);
    GtkWidget* widget = nullptr;
    if (control.className == "button") {
        widget = gtk_button_new_with_label(text.c_str());
        g_signal_connect(widget, "clicked", G_CALLBACK(OnClicked), &control);
        if (IsDefaultButton(control)) {
            gtk_widget_set_can_default(widget, TRUE);
        }
    } else if (control.className == "edit") {
        widget = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(widget), text.c_str());
        // Enter in the text box presses the dialog's default button.
        gtk_entry_set_activates_default(GTK_ENTRY(widget), TRUE);
        gtk_entry_set_width_chars(GTK_ENTRY(widget), 1);
        g_signal_connect(widget, "changed", G_CALLBACK(OnEdited), &control);
    } else {
        widget = gtk_label_new(text.c_str());
        gtk_label_set_xalign(GTK_LABEL(widget), 0.0f);
        gtk_label_set_yalign(GTK_LABEL(widget), 0.0f);
        gtk_label_set_line_wrap(GTK_LABEL(widget), TRUE);
        gtk_label_set_line_wrap_mode(GTK_LABEL(widget), PANGO_WRAP_WORD_CHAR);
        gtk_label_set_width_chars(GTK_LABEL(widget), 1);
        gtk_label_set_max_width_chars(GTK_LABEL(widget), 1);
    }
    gtk_widget_set_can_focus(widget, (control.style & WS_TABSTOP) != 0);
    g_signal_connect(widget, "focus-in-event", G_CALLBACK(OnFocusIn), &control);
    return widget;
}

} // namespace

void BuildDialog(Window& dialog, GtkWindow* owner, int ownerClientX, int ownerClientY) {
    GtkWidget* toplevel = NewModalWindow(dialog.text, owner);
    gtk_style_context_add_class(gtk_widget_get_style_context(toplevel), "win32-dialog");
    const DialogUnits units = MeasureDialogUnits(toplevel, dialog);

    // A GtkLayout keeps the template's size: a GtkFixed would grow to the
    // height its wrapping labels report for their narrowest width.
    GtkWidget* area = gtk_layout_new(nullptr, nullptr);
    const int width = units.PixelsX(dialog.unitsWidth);
    const int height = units.PixelsY(dialog.unitsHeight);
    gtk_layout_set_size(GTK_LAYOUT(area), width, height);
    gtk_widget_set_size_request(area, width, height);
    for (Window* control : dialog.controls) {
        GtkWidget* widget = MakeControl(*control);
        gtk_widget_set_size_request(widget, units.PixelsX(control->unitsWidth),
                                    units.PixelsY(control->unitsHeight));
        gtk_layout_put(GTK_LAYOUT(area), widget, units.PixelsX(control->unitsX),
                       units.PixelsY(control->unitsY));
        control->widget = widget;
    }
    gtk_container_add(GTK_CONTAINER(toplevel), area);
    for (Window* control : dialog.controls) {
        if (IsDefaultButton(*control)) {
            gtk_widget_grab_default(static_cast<GtkWidget*>(control->widget));
        }
    }
    // Placed by dialog units from the owner's client area.
    gtk_window_move(GTK_WINDOW(toplevel), ownerClientX + units.PixelsX(dialog.unitsX),
                    ownerClientY + units.PixelsY(dialog.unitsY));
    g_signal_connect(toplevel, "delete-event", G_CALLBACK(OnDelete), &dialog);
    g_signal_connect(toplevel, "key-press-event", G_CALLBACK(OnKey), &dialog);
    gtk_widget_show_all(area);
    dialog.widget = toplevel;
}

void ShowControlText(Window& control) {
    GtkWidget* widget = static_cast<GtkWidget*>(control.widget);
    const std::string text = Cp1252ToUtf8(control.text);
    if (GTK_IS_ENTRY(widget)) {
        gtk_entry_set_text(GTK_ENTRY(widget), text.c_str());
    } else if (GTK_IS_BUTTON(widget)) {
        gtk_button_set_label(GTK_BUTTON(widget), text.c_str());
    } else if (GTK_IS_LABEL(widget)) {
        gtk_label_set_text(GTK_LABEL(widget), text.c_str());
    }
}

} // namespace win32_gtk
