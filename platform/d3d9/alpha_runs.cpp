#include "platform/d3d9/alpha_runs.h"

namespace d3d9_internal {

void measureAlphaRuns(const uint32_t* texels, std::size_t count, int width, AlphaRun* runs) {
    for (std::size_t rowStart = 0; rowStart < count; rowStart += std::size_t(width)) {
        uint32_t length = 0;
        for (std::size_t i = rowStart + std::size_t(width); i-- > rowStart;) {
            const bool continues = length > 0 && length < uint32_t(kLongestAlphaRun) &&
                                   alphaClass(texels[i]) == alphaClass(texels[i + 1]);
            length = continues ? length + 1 : 1;
            runs[i] = AlphaRun(length);
        }
    }
}

} // namespace d3d9_internal
