// libpng reports errors by longjmp. Every libpng call that can fail runs in one
// of the small step functions below, which arm the jump themselves and hold no
// C++ object, so a jump never skips a destructor; the C++ code around them only
// sees a false result.
#include "platform/loader/png_decoder.h"

#include <png.h>

#include <cstring>

namespace loader {

namespace {

struct MemorySource {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t offset = 0;
};

void readFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source->size - source->offset)
        png_error(png, "file ends early");
    std::memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// Neither handler prints: there is no log, and a bad image is only a failed load.
void jumpOnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void ignoreWarning(png_structp, png_const_charp) {}

bool readHeader(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    return true;
}

// Asks libpng for 8-bit RGBA rows whatever the file holds, and tells how many
// interlace passes the rows come in.
bool requestRgba(png_structp png, png_infop info, int* passes) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_byte colorType = png_get_color_type(png, info);
    png_set_expand(png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);
    if (!(colorType & PNG_COLOR_MASK_COLOR))
        png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER); // only where no alpha came from the file
    *passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

bool readRow(png_structp png, png_bytep row) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_row(png, row, nullptr);
    return true;
}

bool readEnd(png_structp png) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_end(png, nullptr);
    return true;
}

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;

    PngReader() {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpOnError, ignoreWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

bool fileHasAlpha(png_structp png, png_infop info) {
    return (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) ||
           png_get_valid(png, info, PNG_INFO_tRNS);
}

} // namespace

bool hasPngSignature(const uint8_t* data, size_t size) {
    return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool decodePng(const uint8_t* data, size_t size, DecodedImage& image, const SizeCheck& check) {
    PngReader reader;
    if (!reader.info)
        return false;
    MemorySource source;
    source.data = data;
    source.size = size;
    png_set_read_fn(reader.png, &source, readFromMemory);
    if (!readHeader(reader.png, reader.info))
        return false;

    image.width = png_get_image_width(reader.png, reader.info);
    image.height = png_get_image_height(reader.png, reader.info);
    if (!admitsSize(image.width, image.height, check))
        return false;
    image.hasAlpha = fileHasAlpha(reader.png, reader.info);

    int passes = 0;
    if (!requestRgba(reader.png, reader.info, &passes))
        return false;
    const size_t rowBytes = size_t(image.width) * 4;
    if (png_get_bit_depth(reader.png, reader.info) != 8 ||
        png_get_channels(reader.png, reader.info) != 4 ||
        png_get_rowbytes(reader.png, reader.info) != rowBytes)
        return false;

    // Rows of an interlaced image are filled in over several passes, so they
    // need the whole image at once; plain rows are packed as they arrive, so a
    // file that ends early never costs more memory than its data has filled.
    const bool interlaced = passes > 1;
    std::vector<uint8_t> rows(interlaced ? rowBytes * image.height : rowBytes);
    image.texels.clear();
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < image.height; ++y) {
            uint8_t* row = interlaced ? &rows[y * rowBytes] : rows.data();
            if (!readRow(reader.png, row))
                return false;
            if (!interlaced)
                appendRgbaRow(row, image.width, image.texels);
        }
    }
    if (interlaced) {
        for (uint32_t y = 0; y < image.height; ++y)
            appendRgbaRow(&rows[y * rowBytes], image.width, image.texels);
    }
    return readEnd(reader.png);
}

} // namespace loader
