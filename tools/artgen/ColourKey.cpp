#include "tools/artgen/ColourKey.h"

#include "tools/artgen/Palette.h"

void KeyOutFelt(Canvas& canvas) {
    canvas.flush();
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            uint32_t& p = canvas.pixel(x, y);
            if (p == kFeltArgb) {
                p = kColourKeyArgb;
            }
        }
    }
    canvas.markDirty();
}
