// PNG decoding with libpng: every colour type and bit depth becomes 8-bit RGBA.
#pragma once

#include "platform/loader/decoded_image.h"

namespace loader {

bool hasPngSignature(const uint8_t* data, size_t size);

// False, with `image` unspecified, for anything libpng rejects, for a file that
// ends early and for a size that admitsSize refuses.
bool decodePng(const uint8_t* data, size_t size, DecodedImage& image, const SizeCheck& check);

} // namespace loader
