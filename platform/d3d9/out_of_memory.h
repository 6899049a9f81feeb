// Direct3D tells a lack of memory by a call's result, never by an exception.
#pragma once

#include <d3d9.h>

#include <new>

namespace d3d9_internal {

// What `call` returns, or E_OUTOFMEMORY where it found no memory.
template <typename Call> HRESULT resultWithinMemory(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

} // namespace d3d9_internal
