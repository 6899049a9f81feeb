// Few-colour tables for the palette images of the icon and the cursor: a
// median cut of a picture's colours, reproducible from run to run.
#pragma once

#include <cstdint>
#include <vector>

// At most `size` colours (0xRRGGBB) that stand for `colours`: all of them when
// they are that few, otherwise the means of a median cut.
std::vector<uint32_t> ColourTable(const std::vector<uint32_t>& colours, int size);

// The index of the table's colour nearest to `colour`.
int NearestEntry(const std::vector<uint32_t>& table, uint32_t colour);
