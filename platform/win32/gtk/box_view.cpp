#include "platform/win32/gtk/box_view.h"

#include "platform/win32/box_buttons.h"
#include "platform/win32/cp1252.h"
#include "platform/win32/gtk/modal_window.h"

using namespace win32;

namespace win32_gtk {

namespace {

// The widest a box's text runs before it wraps, in characters.
constexpr int kTextWidthChars = 60;

const char* IconName(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return "dialog-error";
    case MB_ICONQUESTION:
        return "dialog-question";
    case MB_ICONEXCLAMATION:
        return "dialog-warning";
    case MB_ICONASTERISK:
        return "dialog-information";
    default:
        return nullptr;
    }
}

void Answer(ModalContext& modal, int result) {
    modal.result = result;
    modal.done = true;
}

void OnButton(GtkButton* button, gpointer data) {
    auto* modal = static_cast<ModalContext*>(data);
    Answer(*modal, GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), "result")));
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    auto* modal = static_cast<ModalContext*>(data);
    Answer(*modal, BoxCloseResult(modal->type));
    return TRUE;
}

gboolean OnKey(GtkWidget*, GdkEventKey* event, gpointer data) {
    if (event->keyval != GDK_KEY_Escape) {
        return FALSE;
    }
    auto* modal = static_cast<ModalContext*>(data);
    Answer(*modal, BoxCloseResult(modal->type));
    return TRUE;
}

} // namespace

GtkWidget* ShowBox(ModalContext& modal, GtkWindow* owner) {
    GtkWidget* box = NewModalWindow(modal.caption, owner);
    gtk_window_set_position(GTK_WINDOW(box),
                            owner ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);

    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(column), 12);
    GtkWidget* message = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    if (const char* icon = IconName(modal.type)) {
        gtk_box_pack_start(GTK_BOX(message),
                           gtk_image_new_from_icon_name(icon, GTK_ICON_SIZE_DIALOG), FALSE, FALSE,
                           0);
    }
    GtkWidget* text = gtk_label_new(Cp1252ToUtf8(modal.text).c_str());
    gtk_label_set_line_wrap(GTK_LABEL(text), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(text), kTextWidthChars);
    gtk_label_set_xalign(GTK_LABEL(text), 0.0f);
    gtk_box_pack_start(GTK_BOX(message), text, TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(column), message, TRUE, TRUE, 0);

    GtkWidget* buttons = gtk_button_box_new(GTK_ORIENTATION_HORIZONTAL);
    gtk_button_box_set_layout(GTK_BUTTON_BOX(buttons), GTK_BUTTONBOX_CENTER);
    gtk_box_set_spacing(GTK_BOX(buttons), 8);
    GtkWidget* first = nullptr;
    for (const BoxButton& entry : BoxButtons(modal.type)) {
        GtkWidget* button = gtk_button_new_with_label(Cp1252ToUtf8(entry.label).c_str());
        g_object_set_data(G_OBJECT(button), "result", GINT_TO_POINTER(entry.result));
        g_signal_connect(button, "clicked", G_CALLBACK(OnButton), &modal);
        gtk_container_add(GTK_CONTAINER(buttons), button);
        first = first ? first : button;
    }
    gtk_box_pack_start(GTK_BOX(column), buttons, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(box), column);

    g_signal_connect(box, "delete-event", G_CALLBACK(OnDelete), &modal);
    g_signal_connect(box, "key-press-event", G_CALLBACK(OnKey), &modal);
    gtk_widget_show_all(box);
    gtk_widget_grab_focus(first);
    return box;
}

} // namespace win32_gtk
