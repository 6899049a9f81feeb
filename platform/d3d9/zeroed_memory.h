// Memory that reads as zero without a pass over it: the kernel hands out its
// pages zeroed, so a new texture costs only the pages its texels come to fill.
// Blocks of a huge page or more are aligned to one and asked to be backed by
// huge pages, so a 64 MB texture faults in 2 MB pieces rather than 4 kB ones.
#pragma once

#include <cstddef>
#include <cstring>
#include <utility>

namespace d3d9_internal {

// Throws std::bad_alloc when the memory cannot be had.
void* takeZeroedMemory(std::size_t bytes);
void returnZeroedMemory(void* block, std::size_t bytes);

// A fixed number of elements, zero when made; copies are deep.
template <typename T> class ZeroedArray {
public:
    ZeroedArray() = default;
    explicit ZeroedArray(std::size_t count)
        : elements(static_cast<T*>(takeZeroedMemory(count * sizeof(T)))), count(count) {}
    ZeroedArray(const ZeroedArray& other) : ZeroedArray(other.count) {
        std::memcpy(elements, other.elements, count * sizeof(T));
    }
    ZeroedArray(ZeroedArray&& other) noexcept { swap(other); }
    ZeroedArray& operator=(ZeroedArray other) noexcept {
        swap(other);
        return *this;
    }
    ~ZeroedArray() { returnZeroedMemory(elements, count * sizeof(T)); }

    T* data() { return elements; }
    const T* data() const { return elements; }
    std::size_t size() const { return count; }
    T& operator[](std::size_t i) { return elements[i]; }
    const T& operator[](std::size_t i) const { return elements[i]; }
    T* begin() { return elements; }
    T* end() { return elements + count; }

private:
    void swap(ZeroedArray& other) noexcept {
        std::swap(elements, other.elements);
        std::swap(count, other.count);
    }

    T* elements = nullptr;
    std::size_t count = 0;
};

} // namespace d3d9_internal
