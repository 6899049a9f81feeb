#include "platform/win32/gtk/pixbufs.h"

#include "platform/win32/objects.h"
#include "resources/templates.h"

namespace win32_gtk {

GdkPixbuf* PixbufOf(HICON icon) {
    if (!icon || !icon->image) {
        return nullptr;
    }
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new_with_type("png", nullptr);
    if (!loader) {
        return nullptr;
    }
    GdkPixbuf* pixbuf = nullptr;
    if (gdk_pixbuf_loader_write(loader, icon->image->png, icon->image->size, nullptr) &&
        gdk_pixbuf_loader_close(loader, nullptr)) {
        pixbuf = gdk_pixbuf_loader_get_pixbuf(loader);
        if (pixbuf) {
            g_object_ref(pixbuf);
        }
    } else {
        gdk_pixbuf_loader_close(loader, nullptr);
    }
    g_object_unref(loader);
    return pixbuf;
}

GdkCursor* CursorOf(GdkDisplay* display, HCURSOR cursor) {
    GdkPixbuf* pixbuf = PixbufOf(cursor);
    if (!pixbuf) {
        return nullptr;
    }
    GdkCursor* made = gdk_cursor_new_from_pixbuf(display, pixbuf, cursor->image->hotspotX,
                                                 cursor->image->hotspotY);
    g_object_unref(pixbuf);
    return made;
}

} // namespace win32_gtk
