#include "platform/d3d9/frame_diff.h"
#include "platform/d3d9/pixel_rect.h"

namespace d3d9_internal {

namespace {

// Two areas are drawn as one when that adds at most this many pixels: fewer,
// larger pieces cost less to draw and to send than many slivers.
const int64_t kJoinSlack = 64 * 64;
// Past this many areas the ones that grow least are joined.
const size_t kMaxAreas = 8;
// Past this many pairs to compare, every command in between counts as changed.
const size_t kMaxComparedPairs = 1u << 16;

using Commands = std::vector<FrameCommand>;

// Marks the commands of the two stretches that belong to a longest run of
// commands found in both, in the same order.
void matchMiddles(const Commands& before, size_t beforeFirst, size_t beforeCount,
                  const Commands& after, size_t afterFirst, size_t afterCount,
                  std::vector<bool>& beforeShared, std::vector<bool>& afterShared) {
    if (beforeCount == 0 || afterCount == 0 || beforeCount * afterCount > kMaxComparedPairs) {
        return;
    }
    const size_t columns = afterCount + 1;
    std::vector<bool> alike(beforeCount * afterCount);
    std::vector<uint32_t> longest((beforeCount + 1) * columns, 0);
    for (size_t i = beforeCount; i-- > 0;) {
        for (size_t j = afterCount; j-- > 0;) {
            const bool same = sameCommand(before[beforeFirst + i], after[afterFirst + j]);
            alike[i * afterCount + j] = same;
            longest[i * columns + j] =
                same ? longest[(i + 1) * columns + j + 1] + 1
                     : std::max(longest[(i + 1) * columns + j], longest[i * columns + j + 1]);
        }
    }
    for (size_t i = 0, j = 0; i < beforeCount && j < afterCount;) {
        if (alike[i * afterCount + j]) {
            beforeShared[beforeFirst + i] = true;
            afterShared[afterFirst + j] = true;
            ++i;
            ++j;
        } else if (longest[(i + 1) * columns + j] >= longest[i * columns + j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
}

void addBoundsOfUnshared(const Commands& commands, const std::vector<bool>& shared,
                         std::vector<RECT>& areas) {
    for (size_t i = 0; i < commands.size(); ++i) {
        if (!shared[i] && !isEmptyRect(commands[i].bounds)) {
            areas.push_back(commands[i].bounds);
        }
    }
}

int64_t growthOfJoining(const RECT& a, const RECT& b) {
    return rectArea(uniteRects(a, b)) - rectArea(a) - rectArea(b);
}

void joinAreas(std::vector<RECT>& areas) {
    while (areas.size() > 1) {
        size_t bestA = 0;
        size_t bestB = 1;
        int64_t bestGrowth = growthOfJoining(areas[0], areas[1]);
        for (size_t a = 0; a < areas.size(); ++a) {
            for (size_t b = a + 1; b < areas.size(); ++b) {
                const int64_t growth = growthOfJoining(areas[a], areas[b]);
                if (growth < bestGrowth) {
                    bestA = a;
                    bestB = b;
                    bestGrowth = growth;
                }
            }
        }
        if (bestGrowth > kJoinSlack && areas.size() <= kMaxAreas) {
            return;
        }
        areas[bestA] = uniteRects(areas[bestA], areas[bestB]);
        areas.erase(areas.begin() + std::ptrdiff_t(bestB));
    }
}

} // namespace

std::vector<RECT> changedAreas(const Commands& before, const Commands& after) {
    // Most frames differ in a few commands: the shared start and end are
    // found in one pass, and only what lies between is matched in full.
    size_t head = 0;
    while (head < before.size() && head < after.size() && sameCommand(before[head], after[head])) {
        ++head;
    }
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           sameCommand(before[before.size() - 1 - tail], after[after.size() - 1 - tail])) {
        ++tail;
    }
    std::vector<bool> beforeShared(before.size(), false);
    std::vector<bool> afterShared(after.size(), false);
    for (size_t i = 0; i < head; ++i) {
        beforeShared[i] = afterShared[i] = true;
    }
    for (size_t i = 0; i < tail; ++i) {
        beforeShared[before.size() - 1 - i] = afterShared[after.size() - 1 - i] = true;
    }
    matchMiddles(before, head, before.size() - head - tail, after, head, after.size() - head - tail,
                 beforeShared, afterShared);

    std::vector<RECT> areas;
    addBoundsOfUnshared(before, beforeShared, areas);
    addBoundsOfUnshared(after, afterShared, areas);
    joinAreas(areas);
    return areas;
}

} // namespace d3d9_internal
