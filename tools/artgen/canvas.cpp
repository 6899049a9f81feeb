#include "canvas.h"

#include <cstdio>

Canvas::Canvas(int width, int height) : w(width), h(height) {
    image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    context = cairo_create(image);
}

Canvas::~Canvas() {
    cairo_destroy(context);
    cairo_surface_destroy(image);
}

uint32_t& Canvas::pixel(int x, int y) {
    unsigned char* row =
        cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    return reinterpret_cast<uint32_t*>(row)[x];
}

bool Canvas::savePng(const std::string& path) {
    cairo_surface_flush(image);
    cairo_status_t status = cairo_surface_write_to_png(image, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", path.c_str(),
                     cairo_status_to_string(status));
        return false;
    }
    return true;
}
