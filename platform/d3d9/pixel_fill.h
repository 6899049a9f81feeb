// Filling the back buffer with one colour, as wide as the processor allows.
#pragma once

#include <cstddef>
#include <cstdint>

namespace d3d9_internal {

void fillPixels(uint32_t* target, std::size_t count, uint32_t colour);

} // namespace d3d9_internal
