#include "icon_file.h"

#include "colour_table.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

// A pixel at least half covered is drawn; the mask hides the rest.
const uint32_t kOpaqueFrom = 0x80;
const int kInfoHeaderSize = 40;
const int kDirectorySize = 6;
const int kEntrySize = 16;

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void PutDword(std::vector<uint8_t>& out, uint32_t value) {
    PutWord(out, value & 0xFFFF);
    PutWord(out, value >> 16);
}

int RowBytes(int width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

bool IsDrawn(uint32_t premultiplied) {
    return premultiplied >> 24 >= kOpaqueFrom;
}

// 0xRRGGBB, no longer premultiplied by its alpha.
uint32_t Colour(uint32_t premultiplied) {
    const uint32_t alpha = premultiplied >> 24;
    uint32_t colour = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = (premultiplied >> shift) & 0xFF;
        colour |= std::min<uint32_t>(255, (channel * 255 + alpha / 2) / alpha) << shift;
    }
    return colour;
}

// The bitmap of one image: header, colour table, colour rows, mask rows.
std::vector<uint8_t> Bitmap(const IconPicture& picture) {
    Canvas& canvas = *picture.canvas;
    canvas.flush();
    const int width = canvas.width();
    const int height = canvas.height();
    const int bits = picture.bitCount;
    const int colourRow = RowBytes(width, bits);
    const int maskRow = RowBytes(width, 1);

    std::vector<uint32_t> drawn;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (IsDrawn(canvas.pixel(x, y))) {
                drawn.push_back(Colour(canvas.pixel(x, y)));
            }
        }
    }
    const int tableSize = bits <= 8 ? 1 << bits : 0;
    const std::vector<uint32_t> table = ColourTable(drawn, tableSize);

    std::vector<uint8_t> out;
    PutDword(out, kInfoHeaderSize);
    PutDword(out, width);
    PutDword(out, height * 2); // the colour rows and the mask rows
    PutWord(out, 1);
    PutWord(out, bits);
    PutDword(out, 0); // uncompressed
    PutDword(out, (colourRow + maskRow) * height);
    PutDword(out, 0);
    PutDword(out, 0);
    PutDword(out, 0); // a full colour table
    PutDword(out, 0);
    for (int i = 0; i < tableSize; ++i) {
        PutDword(out, i < (int)table.size() ? table[i] : 0);
    }

    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(colourRow, 0);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = canvas.pixel(x, y);
            if (!IsDrawn(pixel)) {
                continue; // black under a set mask bit leaves the screen as it is
            }
            const uint32_t colour = Colour(pixel);
            if (bits == 24) {
                row[x * 3] = colour & 0xFF;
                row[x * 3 + 1] = (colour >> 8) & 0xFF;
                row[x * 3 + 2] = colour >> 16;
            } else {
                const int index = NearestEntry(table, colour);
                const int perByte = 8 / bits;
                const int shift = (perByte - 1 - x % perByte) * bits;
                row[x / perByte] |= index << shift;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < width; ++x) {
            if (!IsDrawn(canvas.pixel(x, y))) {
                row[x / 8] |= 0x80 >> (x % 8);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// Directory entry fields that icons and cursors share: size and colour count.
void PutEntryStart(std::vector<uint8_t>& out, const IconPicture& picture) {
    out.push_back(picture.canvas->width() & 0xFF);
    out.push_back(picture.canvas->height() & 0xFF);
    out.push_back(picture.bitCount < 8 ? 1 << picture.bitCount : 0);
    out.push_back(0);
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file) {
        ok = std::fclose(file) == 0 && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    }
    return ok;
}

} // namespace

bool SaveIcon(const std::string& path, const std::vector<IconPicture>& pictures) {
    std::vector<std::vector<uint8_t>> bitmaps;
    for (const IconPicture& picture : pictures) {
        bitmaps.push_back(Bitmap(picture));
    }
    std::vector<uint8_t> out;
    PutWord(out, 0);
    PutWord(out, 1); // an icon
    PutWord(out, pictures.size());
    uint32_t offset = kDirectorySize + kEntrySize * pictures.size();
    for (size_t i = 0; i < pictures.size(); ++i) {
        PutEntryStart(out, pictures[i]);
        PutWord(out, 1); // planes
        PutWord(out, pictures[i].bitCount);
        PutDword(out, bitmaps[i].size());
        PutDword(out, offset);
        offset += bitmaps[i].size();
    }
    for (const std::vector<uint8_t>& bitmap : bitmaps) {
        out.insert(out.end(), bitmap.begin(), bitmap.end());
    }
    return Save(path, out);
}

bool SaveCursor(const std::string& path, const IconPicture& picture, int hotspotX, int hotspotY) {
    const std::vector<uint8_t> bitmap = Bitmap(picture);
    std::vector<uint8_t> out;
    PutWord(out, 0);
    PutWord(out, 2); // a cursor
    PutWord(out, 1);
    PutEntryStart(out, picture);
    PutWord(out, hotspotX);
    PutWord(out, hotspotY);
    PutDword(out, bitmap.size());
    PutDword(out, kDirectorySize + kEntrySize);
    out.insert(out.end(), bitmap.begin(), bitmap.end());
    return Save(path, out);
}
