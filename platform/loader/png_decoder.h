// PNG decoding with libpng: every colour type and bit depth becomes 8-bit RGBA.
#pragma once

#include "platform/loader/image_rows.h"

namespace loader {

bool hasPngSignature(const uint8_t* data, size_t size);

// False for anything libpng rejects, for a file that ends early and for a size
// that admitsSize or `rowsFor` refuses.
bool decodePng(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor);

} // namespace loader
