// libjpeg reports errors through a handler that must not return; ours longjmps.
// Every libjpeg call that can fail runs in one of the small step functions
// below, which arm the jump themselves and hold no C++ object, so a jump never
// skips a destructor; the C++ code around them only sees a false result.
#include "platform/loader/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

namespace loader {

namespace {

// Enough for the coefficient buffers of the largest accepted progressive image.
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;

struct JpegErrors {
    jpeg_error_mgr manager; // first, so libjpeg's pointer to it is a pointer to this
    jmp_buf escape;
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1);
}

// Where the compressed data runs out, libjpeg fills the rest of the image with
// grey and only warns; here that is a failure like any other truncation (and a
// few bytes cannot buy seconds of decoding). Other warnings are let pass
// unprinted: there is no log.
void failOnMissingData(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        jumpOnError(info);
}

void limitScans(j_common_ptr info) {
    auto* decoder = reinterpret_cast<j_decompress_ptr>(info);
    if (decoder->input_scan_number > kMaxJpegScans)
        jumpOnError(info);
}

bool createDecoder(jpeg_decompress_struct* decoder, JpegErrors* errors) {
    if (setjmp(errors->escape))
        return false;
    jpeg_create_decompress(decoder);
    decoder->mem->max_memory_to_use = kMaxDecoderMemory;
    return true;
}

bool readHeader(jpeg_decompress_struct* decoder, JpegErrors* errors, const uint8_t* data,
                size_t size) {
    if (setjmp(errors->escape))
        return false;
    jpeg_mem_src(decoder, data, (unsigned long)size);
    return jpeg_read_header(decoder, TRUE) == JPEG_HEADER_OK;
}

bool startRgbOutput(jpeg_decompress_struct* decoder, JpegErrors* errors) {
    if (setjmp(errors->escape))
        return false;
    decoder->out_color_space = JCS_RGB;
    return jpeg_start_decompress(decoder);
}

bool readRow(jpeg_decompress_struct* decoder, JpegErrors* errors, JSAMPROW row) {
    if (setjmp(errors->escape))
        return false;
    return jpeg_read_scanlines(decoder, &row, 1) == 1;
}

bool finish(jpeg_decompress_struct* decoder, JpegErrors* errors) {
    if (setjmp(errors->escape))
        return false;
    return jpeg_finish_decompress(decoder);
}

struct JpegReader {
    JpegErrors errors = {};
    jpeg_progress_mgr progress = {};
    jpeg_decompress_struct decoder = {};

    JpegReader() {
        decoder.err = jpeg_std_error(&errors.manager);
        errors.manager.error_exit = jumpOnError;
        errors.manager.emit_message = failOnMissingData;
        progress.progress_monitor = limitScans;
    }
    ~JpegReader() { jpeg_destroy_decompress(&decoder); }
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;
};

} // namespace

bool hasJpegSignature(const uint8_t* data, size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool decodeJpeg(const uint8_t* data, size_t size, DecodedImage& image, const SizeCheck& check) {
    JpegReader reader;
    jpeg_decompress_struct* decoder = &reader.decoder;
    if (!createDecoder(decoder, &reader.errors))
        return false;
    decoder->progress = &reader.progress;
    if (!readHeader(decoder, &reader.errors, data, size))
        return false;
    if (!admitsSize(decoder->image_width, decoder->image_height, check))
        return false;
    if (!startRgbOutput(decoder, &reader.errors) || decoder->output_components != 3)
        return false;

    image.width = decoder->output_width;
    image.height = decoder->output_height;
    image.hasAlpha = false;
    image.texels.clear();
    // Room for the whole image is reserved once; rows are packed as they arrive,
    // so a file that ends early never touches more memory than its data filled.
    image.texels.reserve(size_t(image.width) * image.height);
    std::vector<JSAMPLE> row(size_t(image.width) * 3);
    for (uint32_t y = 0; y < image.height; ++y) {
        if (!readRow(decoder, &reader.errors, row.data()))
            return false;
        appendRgbRow(row.data(), image.width, image.texels);
    }
    return finish(decoder, &reader.errors);
}

} // namespace loader
