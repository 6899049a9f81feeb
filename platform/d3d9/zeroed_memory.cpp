#include "platform/d3d9/zeroed_memory.h"
#include "platform/d3d9/watch.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace d3d9_internal {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;

// A large block spans whole huge pages; what of them is never touched costs nothing.
std::size_t mappedLength(std::size_t bytes) {
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

void* mapHugePages(std::size_t bytes) {
    // Mapped with a huge page to spare, then trimmed to an aligned start.
    const std::size_t length = mappedLength(bytes);
    void* mapped = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto first = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t start = (first + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    if (start > first)
        munmap(mapped, start - first);
    munmap(reinterpret_cast<void*>(start + length), first + kHugePage - start);
    void* block = reinterpret_cast<void*>(start);
    // Only a hint: without huge pages the block is still zero, only slower to fill.
    madvise(block, length, MADV_HUGEPAGE);
    return block;
}

} // namespace

void* takeZeroedMemory(std::size_t bytes) {
    if (d3d9_watch::refuses(d3d9_watch::Request::ZeroedMemory))
        throw std::bad_alloc();
    if (bytes >= kHugePage)
        return mapHugePages(bytes);
    void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void returnZeroedMemory(void* block, std::size_t bytes) {
    if (bytes >= kHugePage)
        munmap(block, mappedLength(bytes));
    else
        std::free(block);
}

} // namespace d3d9_internal
