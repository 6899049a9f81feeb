// Decoding an image held in memory, its format told by its first bytes.
// The file loader and the fuzz target share this entry.
#pragma once

#include "platform/loader/decoded_image.h"

namespace loader {

// False for a format that is neither PNG nor JPEG, for any decoding failure
// and for a size that `check` refuses (see SizeCheck).
bool decodeImage(const uint8_t* data, size_t size, DecodedImage& image,
                 const SizeCheck& check = SizeCheck());

} // namespace loader
