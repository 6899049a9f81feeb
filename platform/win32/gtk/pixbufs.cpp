#include "platform/win32/gtk/pixbufs.h"

#include "platform/win32/objects.h"

namespace win32_gtk {

GdkPixbuf* PixbufOf(HICON icon) {
    if (!icon) {
        return nullptr;
    }
    const win32::IconImage& image = icon->image;
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, image.width, image.height);
    if (!pixbuf) {
        return nullptr;
    }
    guchar* rows = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < image.height; ++y) {
        guchar* rgba = rows + y * stride;
        for (int x = 0; x < image.width; ++x) {
            const uint32_t argb = image.pixels[(size_t)y * image.width + x];
            *rgba++ = (argb >> 16) & 0xFF;
            *rgba++ = (argb >> 8) & 0xFF;
            *rgba++ = argb & 0xFF;
            *rgba++ = argb >> 24;
        }
    }
    return pixbuf;
}

GdkCursor* CursorOf(GdkDisplay* display, HCURSOR cursor) {
    GdkPixbuf* pixbuf = PixbufOf(cursor);
    if (!pixbuf) {
        return nullptr;
    }
    GdkCursor* made =
        gdk_cursor_new_from_pixbuf(display, pixbuf, cursor->image.hotspotX, cursor->image.hotspotY);
    g_object_unref(pixbuf);
    return made;
}

} // namespace win32_gtk
