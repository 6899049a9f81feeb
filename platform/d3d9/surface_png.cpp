// Saving a presented frame, for tests and for looking at what was drawn.
#include "platform/surface.h"

#include <png.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

struct FileCloser {
    FILE* file;
    ~FileCloser() {
        if (file != nullptr) {
            std::fclose(file);
        }
    }
};

bool writeRows(FILE* file, const std::vector<std::vector<png_byte>>& rows, int width, int height) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (const std::vector<png_byte>& row : rows) {
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool WriteSurfacePng(const PresentSurface& surface, const char* path) {
    const int width = surface.frameWidth;
    const int height = surface.frameHeight;
    if (path == nullptr || width <= 0 || height <= 0 ||
        surface.frame.size() != size_t(width) * size_t(height)) {
        return false;
    }
    std::vector<std::vector<png_byte>> rows(size_t(height),
                                            std::vector<png_byte>(size_t(width) * 3));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = surface.frame[size_t(y) * width + x];
            png_byte* rgb = &rows[size_t(y)][size_t(x) * 3];
            rgb[0] = png_byte(pixel >> 16);
            rgb[1] = png_byte(pixel >> 8);
            rgb[2] = png_byte(pixel);
        }
    }
    FileCloser closer{std::fopen(path, "wb")};
    if (closer.file == nullptr) {
        return false;
    }
    const bool written = writeRows(closer.file, rows, width, height);
    return std::fclose(std::exchange(closer.file, nullptr)) == 0 && written;
}
