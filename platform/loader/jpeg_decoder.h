// JPEG decoding with libjpeg: grey and colour images become opaque RGB texels.
#pragma once

#include "platform/loader/image_rows.h"

namespace loader {

// Real progressive files use about ten scans; 64 gives each coefficient a band of its own and
// bounds what a file refining the image without end can cost.
constexpr int kMaxJpegScans = 64;

bool hasJpegSignature(const uint8_t* data, size_t size);

// False for anything libjpeg rejects, for a file that ends early and for a size
// that admitsSize or `rowsFor` refuses.
bool decodeJpeg(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor);

} // namespace loader
