#include "resources/templates.h"

// Generated at build time from resources/*.png.
extern const unsigned char icon107_png[];
extern const size_t icon107_png_size;
extern const unsigned char cursor105_png[];
extern const size_t cursor105_png_size;

namespace resources {

namespace {

// An image that the build found missing has no bytes: it counts as absent.
const Image* Present(const Image& image) {
    return image.size > 0 ? &image : nullptr;
}

} // namespace

const Image* FindIcon(int id) {
    static const Image icon = {107, icon107_png, icon107_png_size, 0, 0};
    return id == icon.id ? Present(icon) : nullptr;
}

const Image* FindCursor(int id) {
    // The arrow's tip is its hotspot.
    static const Image cursor = {105, cursor105_png, cursor105_png_size, 0, 1};
    return id == cursor.id ? Present(cursor) : nullptr;
}

} // namespace resources
