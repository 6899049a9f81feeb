// Choosing the decoder by the file's signature rather than its name.
#include "platform/loader/image_decoder.h"

#include "platform/loader/jpeg_decoder.h"
#include "platform/loader/png_decoder.h"

namespace loader {

bool decodeImage(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor) {
    if (hasPngSignature(data, size))
        return decodePng(data, size, shape, rowsFor);
    if (hasJpegSignature(data, size))
        return decodeJpeg(data, size, shape, rowsFor);
    return false;
}

} // namespace loader
