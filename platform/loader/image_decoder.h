// Decoding an image held in memory, its format told by its first bytes.
// The file loader and the fuzz target share this entry.
#pragma once

#include "platform/loader/image_rows.h"

namespace loader {

// Decodes into the rows `rowsFor` gives, with `shape` told; false for a format
// that is neither PNG nor JPEG, for any decoding failure and for a size that
// admitsSize or `rowsFor` refuses. Rows given may be left part written.
bool decodeImage(const uint8_t* data, size_t size, ImageShape& shape, const RowsForImage& rowsFor);

} // namespace loader
