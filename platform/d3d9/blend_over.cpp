#include "platform/d3d9/pixel_math.h"

namespace d3d9_internal {

void blendSourceAlphaOver(uint32_t* target, const uint32_t* source, int count) {
    for (int i = 0; i < count; ++i) {
        const uint32_t s = source[i];
        const uint32_t alpha = s >> 24;
        if (alpha == 0) {
            continue;
        }
        if (alpha == 255) {
            target[i] = s;
            continue;
        }
        const uint32_t d = target[i];
        uint32_t result = opaqueAlpha;
        for (int shift = 0; shift < 24; shift += 8) {
            const uint32_t sc = (s >> shift) & 0xFF;
            const uint32_t dc = (d >> shift) & 0xFF;
            result |= divideBy255(sc * alpha + dc * (255 - alpha)) << shift;
        }
        target[i] = result;
    }
}

} // namespace d3d9_internal
