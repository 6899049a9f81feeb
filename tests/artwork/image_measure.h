// Measurements on loaded images: where the visible ink lies, and colour distances.
#pragma once

#include "tests/artwork/loaded_image.h"

#include <algorithm>
#include <cstdlib>

// The smallest rectangle holding every texel of at least `minAlpha`;
// empty (right < left) when there is none.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = -1;  // inclusive
    int bottom = -1; // inclusive
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

inline InkBox FindInk(const LoadedImage& image, int minAlpha, int fromY = 0, int toY = -1) {
    InkBox box;
    box.left = image.width;
    box.top = image.height;
    if (toY < 0) {
        toY = image.height;
    }
    for (int y = fromY; y < toY; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (LoadedImage::alpha(image.at(x, y)) >= minAlpha) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

// The largest difference in any colour channel.
inline int ColourDistance(uint32_t a, uint32_t b) {
    int d = std::abs(LoadedImage::red(a) - LoadedImage::red(b));
    d = std::max(d, std::abs(LoadedImage::green(a) - LoadedImage::green(b)));
    return std::max(d, std::abs(LoadedImage::blue(a) - LoadedImage::blue(b)));
}
