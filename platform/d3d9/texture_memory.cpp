#include "platform/d3d9/texture_memory.h"

#include <cstdint>

namespace d3d9_internal {

namespace {

size_t bytesInUse = 0;

size_t shareOf(UINT width, UINT height) {
    return size_t(width) * height * sizeof(uint32_t);
}

} // namespace

bool takeTextureMemory(UINT width, UINT height) {
    const size_t share = shareOf(width, height);
    if (share > kTextureMemoryBytes - bytesInUse)
        return false;
    bytesInUse += share;
    return true;
}

void returnTextureMemory(UINT width, UINT height) {
    bytesInUse -= shareOf(width, height);
}

size_t availableTextureMemory() {
    return kTextureMemoryBytes - bytesInUse;
}

} // namespace d3d9_internal
