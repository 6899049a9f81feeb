#include "colour_table.h"

#include <algorithm>
#include <array>

namespace {

int Channel(uint32_t colour, int channel) {
    return (colour >> (16 - 8 * channel)) & 0xFF;
}

struct Box {
    std::vector<uint32_t> colours;

    // The channel with the widest spread and that spread.
    std::array<int, 2> Widest() const {
        std::array<int, 2> widest = {0, -1};
        for (int channel = 0; channel < 3; ++channel) {
            int low = 255;
            int high = 0;
            for (uint32_t colour : colours) {
                low = std::min(low, Channel(colour, channel));
                high = std::max(high, Channel(colour, channel));
            }
            if (high - low > widest[1]) {
                widest = {channel, high - low};
            }
        }
        return widest;
    }

    uint32_t Mean() const {
        uint32_t mean = 0;
        for (int channel = 0; channel < 3; ++channel) {
            uint64_t sum = 0;
            for (uint32_t colour : colours) {
                sum += Channel(colour, channel);
            }
            const uint32_t average = (uint32_t)((sum + colours.size() / 2) / colours.size());
            mean |= average << (16 - 8 * channel);
        }
        return mean;
    }
};

// Splits the box with the widest spread at its median; false when every box
// holds a single colour.
bool SplitWidest(std::vector<Box>& boxes) {
    int chosen = -1;
    std::array<int, 2> widest = {0, 0};
    for (int i = 0; i < (int)boxes.size(); ++i) {
        const std::array<int, 2> spread = boxes[i].Widest();
        if (spread[1] > widest[1]) {
            chosen = i;
            widest = spread;
        }
    }
    if (chosen < 0) {
        return false;
    }
    std::vector<uint32_t>& colours = boxes[chosen].colours;
    const int channel = widest[0];
    // A total order, so that equal keys are equal colours and any sort gives the same list.
    std::sort(colours.begin(), colours.end(), [channel](uint32_t a, uint32_t b) {
        return Channel(a, channel) != Channel(b, channel)
                   ? Channel(a, channel) < Channel(b, channel)
                   : a < b;
    });
    Box upper;
    upper.colours.assign(colours.begin() + colours.size() / 2, colours.end());
    colours.resize(colours.size() / 2);
    boxes.push_back(std::move(upper));
    return true;
}

} // namespace

std::vector<uint32_t> ColourTable(const std::vector<uint32_t>& colours, int size) {
    std::vector<uint32_t> distinct = colours;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if ((int)distinct.size() <= size) {
        return distinct;
    }
    std::vector<Box> boxes(1);
    boxes[0].colours = colours;
    while ((int)boxes.size() < size && SplitWidest(boxes)) {
    }
    std::vector<uint32_t> table;
    for (const Box& box : boxes) {
        table.push_back(box.Mean());
    }
    return table;
}

int NearestEntry(const std::vector<uint32_t>& table, uint32_t colour) {
    int nearest = 0;
    int best = -1;
    for (int i = 0; i < (int)table.size(); ++i) {
        int distance = 0;
        for (int channel = 0; channel < 3; ++channel) {
            const int d = Channel(table[i], channel) - Channel(colour, channel);
            distance += d * d;
        }
        if (best < 0 || distance < best) {
            nearest = i;
            best = distance;
        }
    }
    return nearest;
}
