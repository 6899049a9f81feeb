// Rectangles of pixels: left and top inside, right and bottom just outside.
#pragma once

#include <d3d9.h>

#include <algorithm>
#include <cstdint>

namespace d3d9_internal {

inline bool isEmptyRect(const RECT& rect) {
    return rect.left >= rect.right || rect.top >= rect.bottom;
}

inline int64_t rectArea(const RECT& rect) {
    return isEmptyRect(rect) ? 0 : int64_t(rect.right - rect.left) * (rect.bottom - rect.top);
}

inline RECT intersectRects(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

inline RECT uniteRects(const RECT& a, const RECT& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

inline bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace d3d9_internal
