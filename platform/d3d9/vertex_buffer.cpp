#include <d3d9.h>
#include "platform/d3d9/out_of_memory.h"
#include "platform/d3d9/watch.h"

IDirect3DVertexBuffer9::IDirect3DVertexBuffer9(UINT length, DWORD fvf)
    : fvf(fvf), bytes(std::make_shared<std::vector<uint8_t>>(length, uint8_t(0))) {
    d3d9_watch::made(d3d9_watch::Kind::VertexBuffer);
}

IDirect3DVertexBuffer9::~IDirect3DVertexBuffer9() {
    d3d9_watch::freed(d3d9_watch::Kind::VertexBuffer);
}

HRESULT IDirect3DVertexBuffer9::Lock(UINT offset, UINT size, void** data, DWORD /*flags*/) {
    if (data == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    if (d3d9_watch::refuses(d3d9_watch::Request::VertexBufferLock)) {
        return D3DERR_INVALIDCALL;
    }
    // Size 0 locks everything from the offset on, as in Direct3D 9.
    const uint64_t end = size == 0 ? bytes->size() : uint64_t(offset) + size;
    if (offset >= bytes->size() || end > bytes->size()) {
        return D3DERR_INVALIDCALL;
    }
    // A frame that drew from the buffer keeps the vertices it drew.
    return d3d9_internal::resultWithinMemory([&] {
        if (bytes.use_count() > 1) {
            bytes = std::make_shared<std::vector<uint8_t>>(*bytes);
        }
        *data = bytes->data() + offset;
        locked = true;
        return S_OK;
    });
}

HRESULT IDirect3DVertexBuffer9::Unlock() {
    if (!locked) {
        return D3DERR_INVALIDCALL;
    }
    locked = false;
    return S_OK;
}
