// JPEG decoding with libjpeg: grey and colour images become opaque RGB texels.
#pragma once

#include "platform/loader/decoded_image.h"

namespace loader {

bool hasJpegSignature(const uint8_t* data, size_t size);

// False, with `image` unspecified, for anything libjpeg rejects, for a file
// that ends early and for a size that admitsSize refuses.
bool decodeJpeg(const uint8_t* data, size_t size, DecodedImage& image, const SizeCheck& check);

} // namespace loader
