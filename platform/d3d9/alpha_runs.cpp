#include "platform/d3d9/alpha_runs.h"

#include <cstddef>

namespace d3d9_internal {

namespace {

int alphaClass(uint32_t texel) {
    const uint32_t alpha = texel >> 24;
    return alpha == 0 ? 0 : (alpha == 255 ? 2 : 1);
}

} // namespace

void measureAlphaRuns(const std::vector<uint32_t>& texels, int width, std::vector<uint16_t>& runs) {
    runs.resize(texels.size());
    for (std::size_t rowStart = 0; rowStart < texels.size(); rowStart += std::size_t(width)) {
        uint32_t length = 0;
        for (std::size_t i = rowStart + std::size_t(width); i-- > rowStart;) {
            const bool continues = length > 0 && length < UINT16_MAX &&
                                   alphaClass(texels[i]) == alphaClass(texels[i + 1]);
            length = continues ? length + 1 : 1;
            runs[i] = uint16_t(length);
        }
    }
}

} // namespace d3d9_internal
