// Choosing the decoder by the file's signature rather than its name.
#include "platform/loader/image_decoder.h"

#include "platform/loader/jpeg_decoder.h"
#include "platform/loader/png_decoder.h"

#include <cstdlib>
#include <memory>

namespace loader {

bool decodeImage(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor) {
    if (hasPngSignature(data, size))
        return decodePng(data, size, shape, rowsFor);
    if (hasJpegSignature(data, size))
        return decodeJpeg(data, size, shape, rowsFor);
    return false;
}

// Decoded into memory that stays untouched where no data reaches, as a texture's does, so a file
// that ends early costs only what it filled; copied only when whole.
bool decodeImage(const uint8_t* data, size_t size, DecodedImage& image) {
    std::unique_ptr<uint32_t, decltype(&std::free)> texels(nullptr, &std::free);
    const bool decoded = decodeImage(data, size, image, [&texels](const ImageShape& shape) {
        const size_t count = size_t(shape.width) * shape.height;
        texels.reset(static_cast<uint32_t*>(std::calloc(count, sizeof(uint32_t))));
        return ImageRows{texels.get(), shape.width};
    });
    if (decoded)
        image.texels.assign(texels.get(), texels.get() + size_t(image.width) * image.height);
    return decoded;
}

} // namespace loader
