// Icons and cursors in the compiled resources: a group resource lists the
// images, each its own resource; an image is a device-independent bitmap
// twice its height (colour rows, then the 1-bit mask rows, bottom row first),
// after a cursor's hotspot.
#pragma once

#include "platform/win32/resource/byte_reader.h"

#include <vector>

namespace win32 {

struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;  // of the colour rows: 24, or 1, 4 or 8 through a colour table
    int tableSize = 0; // entries in the colour table
    int hotspotX = 0;  // cursors only
    int hotspotY = 0;
    std::vector<uint32_t> pixels; // 0xAARRGGBB, top row first; 0 where the mask clears
};

// The images of the group icon (or group cursor) `id`, in the order of its
// directory; false when the group, or any image it lists, is missing or malformed.
bool ReadIconGroup(ByteSpan file, bool cursor, WORD id, std::vector<IconImage>& images);

// One image resource: a cursor's hotspot, then the bitmap; false when it is
// malformed or cut short.
bool ReadIconImage(ByteSpan data, bool cursor, IconImage& image);

// The image that a 32 x 32 icon or cursor is drawn from: the nearest in size,
// then the one with the most colours. `images` must not be empty.
const IconImage& BestImage(const std::vector<IconImage>& images);

} // namespace win32
