#include "jpeg_file.h"

#include <cstdio>
#include <vector>

#include <jpeglib.h>

bool SaveJpeg(Canvas& canvas, const std::string& path, int quality) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
        return false;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(canvas.width());
    info.image_height = static_cast<JDIMENSION>(canvas.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);

    canvas.flush();
    std::vector<JSAMPLE> row(static_cast<size_t>(canvas.width()) * 3);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            uint32_t p = canvas.pixel(x, y); // opaque, so not premultiplied in effect
            row[x * 3 + 0] = static_cast<JSAMPLE>((p >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<JSAMPLE>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<JSAMPLE>(p & 0xFF);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    bool ok = std::fclose(file) == 0;
    if (!ok) {
        std::fprintf(stderr, "artgen: cannot finish %s\n", path.c_str());
    }
    return ok;
}

std::unique_ptr<Canvas> LoadJpeg(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return nullptr;
    }
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    auto canvas = std::make_unique<Canvas>(static_cast<int>(info.output_width),
                                           static_cast<int>(info.output_height));
    canvas->flush();
    std::vector<JSAMPLE> row(static_cast<size_t>(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < canvas->width(); ++x) {
            canvas->pixel(x, y) = 0xFF000000u | uint32_t(row[x * 3]) << 16 |
                                  uint32_t(row[x * 3 + 1]) << 8 | row[x * 3 + 2];
        }
    }
    canvas->markDirty();
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return canvas;
}
