#include "platform/win32/resource/icon_image.h"

#include "platform/win32/resource/compiled_resources.h"

#include <cstdlib>

namespace win32 {

namespace {

const DWORD kInfoHeaderSize = 40;
const int kLargestSide = 256;
const int kWantedSide = 32;
// More images than any icon holds: a directory that lists them is taken as crafted.
const WORD kMostImages = 64;
const WORD kIconDirectory = 1;
const WORD kCursorDirectory = 2;
// A directory entry: sizes, colours, planes, bit count, byte count, then the image's id.
const size_t kEntryBeforeId = 12;

int RowBytes(int width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

bool IsSupportedDepth(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
}

// The colour of pixel x in one row of colour bits.
uint32_t ColourAt(const uint8_t* row, int x, const IconImage& image,
                  const std::vector<uint32_t>& table) {
    if (image.bitCount == 24) {
        const uint8_t* bgr = row + x * 3;
        return 0xFF000000u | (uint32_t)bgr[2] << 16 | (uint32_t)bgr[1] << 8 | bgr[0];
    }
    const int perByte = 8 / image.bitCount;
    const int shift = (perByte - 1 - x % perByte) * image.bitCount;
    const size_t index = (row[x / perByte] >> shift) & ((1 << image.bitCount) - 1);
    // An index past a short table is not in the picture; Windows shows it black.
    return index < table.size() ? 0xFF000000u | table[index] : 0xFF000000u;
}

bool ReadBitmap(ByteReader& in, IconImage& image) {
    DWORD headerSize = 0;
    DWORD width = 0;
    DWORD doubleHeight = 0;
    WORD planes = 0;
    WORD bitCount = 0;
    DWORD compression = 0;
    DWORD tableUsed = 0;
    if (!in.Dword(headerSize) || headerSize != kInfoHeaderSize || !in.Dword(width) ||
        !in.Dword(doubleHeight) || !in.Word(planes) || !in.Word(bitCount) ||
        !in.Dword(compression) || !in.Skip(12) || !in.Dword(tableUsed) || !in.Skip(4)) {
        return false;
    }
    const DWORD height = doubleHeight / 2;
    if (width < 1 || width > kLargestSide || doubleHeight % 2 != 0 || height < 1 ||
        height > kLargestSide || planes != 1 || compression != 0 || !IsSupportedDepth(bitCount)) {
        return false;
    }
    image.width = (int)width;
    image.height = (int)height;
    image.bitCount = bitCount;
    const DWORD fullTable = bitCount <= 8 ? 1u << bitCount : 0;
    if (tableUsed > fullTable) {
        return false;
    }
    image.tableSize = (int)(tableUsed != 0 ? tableUsed : fullTable);
    std::vector<uint32_t> table(image.tableSize);
    for (uint32_t& entry : table) {
        DWORD quad = 0;
        if (!in.Dword(quad)) {
            return false;
        }
        entry = quad & 0xFFFFFF;
    }

    const size_t colourRow = RowBytes(image.width, bitCount);
    const size_t maskRow = RowBytes(image.width, 1);
    const ByteSpan rows = in.Rest();
    if (rows.size < (colourRow + maskRow) * image.height) {
        return false;
    }
    const uint8_t* mask = rows.data + colourRow * image.height;
    image.pixels.assign((size_t)image.width * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        const int stored = image.height - 1 - y;
        const uint8_t* colours = rows.data + colourRow * stored;
        const uint8_t* clear = mask + maskRow * stored;
        for (int x = 0; x < image.width; ++x) {
            if (!(clear[x / 8] & (0x80 >> (x % 8)))) {
                image.pixels[(size_t)y * image.width + x] = ColourAt(colours, x, image, table);
            }
        }
    }
    return true;
}

} // namespace

bool ReadIconImage(ByteSpan data, bool cursor, IconImage& image) {
    ByteReader in(data);
    WORD hotspotX = 0;
    WORD hotspotY = 0;
    if (cursor && (!in.Word(hotspotX) || !in.Word(hotspotY))) {
        return false;
    }
    image.hotspotX = hotspotX;
    image.hotspotY = hotspotY;
    return ReadBitmap(in, image);
}

bool ReadIconGroup(ByteSpan file, bool cursor, WORD id, std::vector<IconImage>& images) {
    FoundResource group;
    if (!FindResourceIn(file, cursor ? ResourceType::GroupCursor : ResourceType::GroupIcon, id,
                        group)) {
        return false;
    }
    ByteReader in(group.data);
    WORD reserved = 0;
    WORD kind = 0;
    WORD count = 0;
    if (!in.Word(reserved) || !in.Word(kind) ||
        kind != (cursor ? kCursorDirectory : kIconDirectory) || !in.Word(count) || count == 0 ||
        count > kMostImages) {
        return false;
    }
    std::vector<IconImage> read;
    for (WORD i = 0; i < count; ++i) {
        WORD imageId = 0;
        IconImage image;
        FoundResource found;
        if (!in.Skip(kEntryBeforeId) || !in.Word(imageId) ||
            !FindResourceIn(file, cursor ? ResourceType::Cursor : ResourceType::Icon, imageId,
                            found) ||
            !ReadIconImage(found.data, cursor, image)) {
            return false;
        }
        read.push_back(std::move(image));
    }
    images = std::move(read);
    return true;
}

const IconImage& BestImage(const std::vector<IconImage>& images) {
    const IconImage* best = &images.front();
    auto distance = [](const IconImage& image) {
        return std::abs(image.width - kWantedSide) + std::abs(image.height - kWantedSide);
    };
    for (const IconImage& image : images) {
        if (distance(image) < distance(*best) ||
            (distance(image) == distance(*best) && image.bitCount > best->bitCount)) {
            best = &image;
        }
    }
    return *best;
}

} // namespace win32
