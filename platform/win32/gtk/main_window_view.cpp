#include "platform/win32/gtk/main_window_view.h"

#include "platform/win32/cp1252.h"
#include "platform/win32/gtk/gtk_backend.h"
#include "platform/win32/gtk/menu_bar.h"
#include "platform/win32/gtk/pixbufs.h"
#include "platform/win32/messages.h"

using namespace win32;

namespace win32_gtk {

namespace {

// Presentation is paced to one frame per refresh of a 60 Hz display.
constexpr gint64 kFramePeriodMicroseconds = 16667;

void SetSourceColour(cairo_t* cr, uint32_t rgb) {
    cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                         (rgb & 0xFF) / 255.0);
}

// Hands over only the part GTK redraws, most often a small damage. At a scale
// above 1 each pixel becomes a block of its colour: a filter would blend the
// part's edges with what lay there before, and the part would not match a
// whole repaint.
void PaintFramePart(cairo_t* cr, const PresentSurface& surface) {
    GdkRectangle part;
    const GdkRectangle whole = {0, 0, surface.frameWidth, surface.frameHeight};
    if (!gdk_cairo_get_clip_rectangle(cr, &part) ||
        !gdk_rectangle_intersect(&part, &whole, &part)) {
        return;
    }
    // 0xAARRGGBB words are cairo's own pixel layout; the frame is opaque.
    const uint32_t* first = surface.frame.data() + (size_t)part.y * surface.frameWidth + part.x;
    cairo_surface_t* image = cairo_image_surface_create_for_data(
        (unsigned char*)first, CAIRO_FORMAT_RGB24, part.width, part.height, surface.frameWidth * 4);
    cairo_set_source_surface(cr, image, part.x, part.y);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_surface_destroy(image);
}

gboolean OnDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    const PresentSurface& surface = view->window->surface;
    const bool hasFrame = surface.frameWidth > 0 && surface.frameHeight > 0 &&
                          surface.frame.size() == (size_t)surface.frameWidth * surface.frameHeight;
    if (hasFrame) {
        PaintFramePart(cr, surface);
    } else if (view->erases) {
        SetSourceColour(cr, view->background);
        cairo_paint(cr);
    }
    // A draw that no present asked for is an exposure: the program repaints.
    if (!view->presentPending) {
        Invalidate(*view->window);
    }
    view->presentPending = false;
    return TRUE;
}

gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    // Double clicks arrive as presses of their own; GTK's extra
    // double-click events are not presses.
    if (event->type == GDK_BUTTON_PRESS && event->button == 1 && view->window->enabled) {
        const int x = (int)event->x;
        const int y = (int)event->y;
        PostInput(*view->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    return TRUE;
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    if (view->window->enabled) {
        PostInput(*view->window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

gboolean OnConfigure(GtkWidget*, GdkEventConfigure*, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    int x = 0;
    int y = 0;
    ClientOrigin(*view, &x, &y);
    if (x != view->lastX || y != view->lastY) {
        view->lastX = x;
        view->lastY = y;
        Post(*view->window, WM_MOVE, 0, MAKELPARAM(x, y));
    }
    return FALSE;
}

// The styles the layer knows give no minimise or maximise box and no sizing
// border: the frame can be moved, and closed from the window menu.
void OnRealizeToplevel(GtkWidget* toplevel, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    const bool windowMenu = (view->window->style & WS_SYSMENU) != 0;
    GdkWindow* frame = gtk_widget_get_window(toplevel);
    gdk_window_set_functions(frame,
                             (GdkWMFunction)(GDK_FUNC_MOVE | (windowMenu ? GDK_FUNC_CLOSE : 0)));
    gdk_window_set_decorations(frame, (GdkWMDecoration)(GDK_DECOR_BORDER | GDK_DECOR_TITLE |
                                                        (windowMenu ? GDK_DECOR_MENU : 0)));
}

void OnRealizeArea(GtkWidget* area, gpointer data) {
    auto* view = static_cast<MainWindowView*>(data);
    if (view->cursor) {
        gdk_window_set_cursor(gtk_widget_get_window(area), view->cursor);
    }
}

gboolean MarkReached(gpointer reached) {
    *static_cast<bool*>(reached) = true;
    return G_SOURCE_REMOVE;
}

// Sleeps until the slot (microseconds, monotonic clock), handling GTK's events
// as they arrive instead of waking up to look for them.
void WaitForSlot(gint64 slot) {
    const gint64 left = slot - g_get_monotonic_time();
    if (left <= 0) {
        return;
    }
    bool reached = false;
    g_timeout_add_full(G_PRIORITY_DEFAULT, (guint)((left + 999) / 1000), MarkReached, &reached,
                       nullptr);
    while (!reached) {
        gtk_main_iteration_do(TRUE);
    }
}

void PaceAfterPresent(MainWindowView& view, const PresentSurface& surface) {
    // A frame that shows nothing new sends nothing to the display, but waits its turn all
    // the same: the frame loop never sleeps otherwise.
    for (const RECT& damage : surface.damage) {
        gtk_widget_queue_draw_area(view.area, damage.left, damage.top, damage.right - damage.left,
                                   damage.bottom - damage.top);
        view.presentPending = true;
    }
    gint64 now = g_get_monotonic_time();
    // Fallen behind by more than a frame: start counting slots afresh.
    if (view.nextFrameSlot < now - kFramePeriodMicroseconds) {
        view.nextFrameSlot = now;
    }
    view.nextFrameSlot += kFramePeriodMicroseconds;
    DrainEvents();
    WaitForSlot(view.nextFrameSlot);
}

} // namespace

void ClientOrigin(MainWindowView& view, int* x, int* y) {
    *x = 0;
    *y = 0;
    GdkWindow* gdkWindow = gtk_widget_get_window(view.area);
    if (!gdkWindow) {
        return;
    }
    gdk_window_get_origin(gdkWindow, x, y);
    if (!gtk_widget_get_has_window(view.area)) {
        GtkAllocation allocation;
        gtk_widget_get_allocation(view.area, &allocation);
        *x += allocation.x;
        *y += allocation.y;
    }
}

MainWindowView* CreateMainWindowView(Window& window) {
    auto* view = new MainWindowView;
    view->window = &window;
    const WNDCLASSEXA& record = window.windowClass->record;
    if (record.hbrBackground && !record.hbrBackground->hollow) {
        view->erases = true;
        view->background = record.hbrBackground->color;
    }

    view->toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* toplevel = GTK_WINDOW(view->toplevel);
    gtk_window_set_title(toplevel, Cp1252ToUtf8(window.text).c_str());
    gtk_window_set_resizable(toplevel, FALSE);
    gtk_window_move(toplevel, window.x, window.y);
    if (GdkPixbuf* icon = PixbufOf(record.hIcon)) {
        gtk_window_set_icon(toplevel, icon);
        g_object_unref(icon);
    }
    view->cursor = CursorOf(gtk_widget_get_display(view->toplevel), record.hCursor);

    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    if (window.menu) {
        gtk_box_pack_start(GTK_BOX(column), BuildMenuBar(*view, window.menu), FALSE, FALSE, 0);
    }
    view->area = gtk_drawing_area_new();
    gtk_widget_set_size_request(view->area, window.surface.clientWidth,
                                window.surface.clientHeight);
    gtk_widget_add_events(view->area, GDK_BUTTON_PRESS_MASK);
    gtk_box_pack_start(GTK_BOX(column), view->area, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(view->toplevel), column);

    g_signal_connect(view->area, "draw", G_CALLBACK(OnDraw), view);
    g_signal_connect(view->area, "button-press-event", G_CALLBACK(OnButtonPress), view);
    g_signal_connect(view->area, "realize", G_CALLBACK(OnRealizeArea), view);
    g_signal_connect(view->toplevel, "realize", G_CALLBACK(OnRealizeToplevel), view);
    g_signal_connect(view->toplevel, "delete-event", G_CALLBACK(OnDelete), view);
    g_signal_connect(view->toplevel, "configure-event", G_CALLBACK(OnConfigure), view);
    gtk_widget_show_all(column);

    window.surface.onPresent = [view](const PresentSurface& surface) {
        PaceAfterPresent(*view, surface);
    };
    return view;
}

void DestroyMainWindowView(MainWindowView* view) {
    view->window->surface.onPresent = nullptr;
    // A menu bar still active when its window goes deactivates during the
    // teardown, when it no longer finds its window.
    CloseDropDown(*view);
    gtk_widget_destroy(view->toplevel);
    if (view->cursor) {
        g_object_unref(view->cursor);
    }
    delete view;
}

} // namespace win32_gtk
