// libjpeg reports errors through a handler that must not return; ours longjmps.
// Every libjpeg call that can fail runs in one of the small step functions
// below, which arm the jump themselves and hold no C++ object, so a jump never
// skips a destructor; the C++ code around them only sees a false result.
#include "platform/loader/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

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

bool decodeJpeg(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor) {
    JpegReader reader;
    jpeg_decompress_struct* decoder = &reader.decoder;
    if (!createDecoder(decoder, &reader.errors))
        return false;
    decoder->progress = &reader.progress;
    if (!readHeader(decoder, &reader.errors, data, size))
        return false;
    shape.width = decoder->image_width;
    shape.height = decoder->image_height;
    shape.hasAlpha = false;
    if (!admitsSize(shape.width, shape.height))
        return false;
    // Asked before the scans are read, so an image refused costs no decoding.
    const ImageRows rows = rowsFor(shape);
    if (!rows.first)
        return false;
    if (!startRgbOutput(decoder, &reader.errors) || decoder->output_components != 3 ||
        decoder->output_width != shape.width || decoder->output_height != shape.height)
        return false;

    std::vector<JSAMPLE> samples(size_t(shape.width) * 3);
    for (uint32_t y = 0; y < shape.height; ++y) {
        if (!readRow(decoder, &reader.errors, samples.data()))
            return false;
        writeRgbRow(samples.data(), shape.width, rows.row(y));
    }
    return finish(decoder, &reader.errors);
}

} // namespace loader
