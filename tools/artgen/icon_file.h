// Windows icon (.ico) and cursor (.cur) files drawn from canvases: each image a
// device-independent bitmap, bottom row first, in 24-bit colour or through a
// colour table, followed by the 1-bit mask that makes the clear pixels clear.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

struct IconPicture {
    Canvas* canvas = nullptr;
    int bitCount = 0; // 24, or 8 or 4 for a colour table of 256 or 16 entries
};

// Each returns false (and says why on stderr) when the file cannot be written.
bool SaveIcon(const std::string& path, const std::vector<IconPicture>& pictures);
bool SaveCursor(const std::string& path, const IconPicture& picture, int hotspotX, int hotspotY);
