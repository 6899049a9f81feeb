#include "colour_key.h"

#include "palette.h"

void ReplaceExactColour(cairo_surface_t* image, uint32_t from, uint32_t to) {
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < cairo_image_surface_get_height(image); ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < cairo_image_surface_get_width(image); ++x) {
            if (row[x] == from) {
                row[x] = to;
            }
        }
    }
    cairo_surface_mark_dirty(image);
}

void KeyOutFelt(Canvas& canvas) {
    ReplaceExactColour(canvas.surface(), kFeltArgb, kColourKeyArgb);
}
