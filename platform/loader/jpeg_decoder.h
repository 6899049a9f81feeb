// JPEG decoding with libjpeg: grey and colour images become opaque RGB texels.
#pragma once

#include "platform/loader/decoded_image.h"

namespace loader {

// A progressive file can refine the whole image scan after scan almost without limit, each scan
// of a 4096-square image costing some 4 ms here. Real progressive files use about ten (libjpeg's
// own script ten for colour, six for grey); 64, a band of its own for each coefficient, is six
// times that and bounds what the scans add to the worst file to about a quarter of a second.
constexpr int kMaxJpegScans = 64;

bool hasJpegSignature(const uint8_t* data, size_t size);

// False for anything libjpeg rejects, for a file that ends early and for a size
// that admitsSize or `rowsFor` refuses.
bool decodeJpeg(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor);

} // namespace loader
