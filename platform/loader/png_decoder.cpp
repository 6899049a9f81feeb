// libpng reports errors by longjmp. Every libpng call that can fail runs in one
// of the small step functions below, which arm the jump themselves and hold no
// C++ object, so a jump never skips a destructor; the C++ code around them only
// sees a false result.
#include "platform/loader/png_decoder.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace loader {

namespace {

// The file as libpng is handed it: only the chunks the picture needs, the critical ones and
// tRNS. Every other chunk (text, profiles, anything unknown) is passed over unread, so whatever
// its length it costs no memory, no inflating and no checksum; and a chunk whose declared
// length runs past the end of the file stops the decoding before libpng sees its header.
struct NeededChunks {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t offset = 0;
    size_t chunkLeft = 8; // the signature, then what remains of the chunk being handed on
};

// Length, type and checksum: the bytes of a chunk beyond its data.
constexpr size_t kChunkFrame = 12;

uint32_t bigEndian32(const uint8_t* bytes) {
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 | bytes[3];
}

// An unknown critical chunk is handed on too: libpng refuses the file for it.
bool isNeeded(const uint8_t* type) {
    const bool ancillary = type[0] & 0x20;
    return !ancillary || std::memcmp(type, "tRNS", 4) == 0;
}

// Moves to the next needed chunk, over any others; false where no whole chunk follows.
bool toNextNeededChunk(NeededChunks& chunks) {
    for (;;) {
        const size_t rest = chunks.size - chunks.offset;
        if (rest < kChunkFrame)
            return false;
        const uint32_t length = bigEndian32(chunks.data + chunks.offset);
        if (length > rest - kChunkFrame)
            return false;
        if (isNeeded(chunks.data + chunks.offset + 4)) {
            chunks.chunkLeft = kChunkFrame + length;
            return true;
        }
        chunks.offset += kChunkFrame + length;
    }
}

void readNeededChunks(png_structp png, png_bytep out, size_t length) {
    auto* chunks = static_cast<NeededChunks*>(png_get_io_ptr(png));
    while (length > 0) {
        if (chunks->chunkLeft == 0 && !toNextNeededChunk(*chunks))
            png_error(png, "file ends early");
        const size_t part = std::min(length, chunks->chunkLeft);
        std::memcpy(out, chunks->data + chunks->offset, part);
        out += part;
        length -= part;
        chunks->offset += part;
        chunks->chunkLeft -= part;
    }
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

bool decodePng(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor) {
    PngReader reader;
    if (!reader.info || !hasPngSignature(data, size))
        return false;
    NeededChunks chunks;
    chunks.data = data;
    chunks.size = size;
    png_set_read_fn(reader.png, &chunks, readNeededChunks);
    if (!readHeader(reader.png, reader.info))
        return false;

    shape.width = png_get_image_width(reader.png, reader.info);
    shape.height = png_get_image_height(reader.png, reader.info);
    if (!admitsSize(shape.width, shape.height))
        return false;
    shape.hasAlpha = fileHasAlpha(reader.png, reader.info);

    int passes = 0;
    if (!requestRgba(reader.png, reader.info, &passes))
        return false;
    if (png_get_bit_depth(reader.png, reader.info) != 8 ||
        png_get_channels(reader.png, reader.info) != 4 ||
        png_get_rowbytes(reader.png, reader.info) != size_t(shape.width) * sizeof(uint32_t))
        return false;
    const ImageRows rows = rowsFor(shape);
    if (!rows.first)
        return false;

    // libpng writes each row's RGBA bytes straight into its texels: an interlaced image is
    // filled in over several passes, and no second copy of it is needed. The last pass leaves
    // each row whole as it goes by, and it is repacked while it is still in the cache.
    for (int pass = 0; pass < passes; ++pass) {
        for (uint32_t y = 0; y < shape.height; ++y) {
            auto* row = reinterpret_cast<png_bytep>(rows.row(y));
            if (!readRow(reader.png, row))
                return false;
            if (pass == passes - 1)
                repackRgbaRow(rows.row(y), shape.width);
        }
    }
    return readEnd(reader.png);
}

} // namespace loader
