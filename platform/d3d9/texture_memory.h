// The card's texture memory. A texture holds its share, four bytes a texel,
// from its creation until it is freed; a texture that does not fit is refused
// before anything is allocated. Every device draws on the one budget, as
// every device on a card shares that card's memory.
#pragma once

#include <d3d9.h>

#include <cstddef>

namespace d3d9_internal {

// What a card of the game's time carried. A stray image that claims more can
// cost a refused texture, never gigabytes of the player's memory.
constexpr size_t kTextureMemoryBytes = size_t(256) << 20;

// Takes the share of a texture of this size; false, taking nothing, when it
// does not fit in what is left.
bool takeTextureMemory(UINT width, UINT height);
void returnTextureMemory(UINT width, UINT height);
size_t availableTextureMemory();

} // namespace d3d9_internal
