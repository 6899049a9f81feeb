// A cairo image surface with its drawing context, written out as PNG.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }
    cairo_surface_t* surface() const { return image; }
    int width() const { return w; }
    int height() const { return h; }

    // Direct pixel access, premultiplied 0xAARRGGBB as cairo stores it: call
    // flush() after drawing and before reading, markDirty() after writing.
    void flush() { cairo_surface_flush(image); }
    void markDirty() { cairo_surface_mark_dirty(image); }
    uint32_t& pixel(int x, int y);

    // Writes a PNG; returns false (and says why on stderr) when it cannot.
    bool savePng(const std::string& path);

private:
    cairo_surface_t* image = nullptr;
    cairo_t* context = nullptr;
    int w = 0;
    int h = 0;
};
