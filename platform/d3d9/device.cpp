// The device's life, its states, its resources and the frame calls.
#include <d3d9.h>
#include "platform/d3d9/frame_journal.h"
#include "platform/d3d9/out_of_memory.h"
#include "platform/d3d9/texture_memory.h"
#include "platform/d3d9/watch.h"
#include "platform/surface.h"

#include <algorithm>

namespace {

const uint32_t kOpaque = 0xFF000000u;
const size_t kRenderStateCount = 256;
const DWORD kStageCount = 8;
const DWORD kStageStateCount = 32;
// Larger resources than these are refused as more than the card holds. The
// side is that of the cards of the game's time: one texture of it takes a
// quarter of their memory, so a stray image can never crowd out the rest.
const UINT kMaxTextureSide = 4096;
const UINT kMaxVertexBufferBytes = 64u << 20;

void setDefaultStates(DWORD (&renderStates)[kRenderStateCount],
                      DWORD (&stageStates)[kStageCount][kStageStateCount]) {
    renderStates[D3DRS_ZENABLE] = FALSE;
    renderStates[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    renderStates[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    renderStates[D3DRS_CULLMODE] = D3DCULL_CCW;
    renderStates[D3DRS_ALPHABLENDENABLE] = FALSE;
    renderStates[D3DRS_LIGHTING] = TRUE;
    for (DWORD stage = 0; stage < kStageCount; ++stage) {
        DWORD* states = stageStates[stage];
        states[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        states[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        states[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        states[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        states[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        states[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
    }
}

// Takes a reference on the new object before dropping the old one, so
// binding what is already bound is safe.
template <typename T> void rebind(T*& slot, T* object) {
    if (object != nullptr) {
        object->AddRef();
    }
    if (slot != nullptr) {
        slot->Release();
    }
    slot = object;
}

} // namespace

IDirect3DDevice9::IDirect3DDevice9(IDirect3D9* d3d, HWND window, UINT width, UINT height)
    : d3d(d3d), window(window), width(width), height(height),
      backBuffer(size_t(width) * height, kOpaque),
      journal(new d3d9_internal::FrameJournal(this, backBuffer.data(), int(width), int(height))) {
    d3d->AddRef();
    setDefaultStates(renderStates, stageStates);
    d3d9_watch::made(d3d9_watch::Kind::Device);
}

IDirect3DDevice9::~IDirect3DDevice9() {
    rebind(boundTexture, (IDirect3DBaseTexture9*)nullptr);
    rebind(stream, (IDirect3DVertexBuffer9*)nullptr);
    delete journal;
    d3d9_watch::deviceGone(this);
    d3d->Release();
    d3d9_watch::freed(d3d9_watch::Kind::Device);
}

HRESULT IDirect3DDevice9::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if (size_t(state) >= kRenderStateCount) {
        return D3DERR_INVALIDCALL;
    }
    renderStates[state] = value;
    return S_OK;
}

HRESULT IDirect3DDevice9::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) {
    if (size_t(state) >= kRenderStateCount || value == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *value = renderStates[state];
    return S_OK;
}

HRESULT IDirect3DDevice9::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type,
                                               DWORD value) {
    if (stage >= kStageCount || DWORD(type) >= kStageStateCount) {
        return D3DERR_INVALIDCALL;
    }
    stageStates[stage][type] = value;
    return S_OK;
}

HRESULT IDirect3DDevice9::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type,
                                               DWORD* value) {
    if (stage >= kStageCount || DWORD(type) >= kStageStateCount || value == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *value = stageStates[stage][type];
    return S_OK;
}

HRESULT IDirect3DDevice9::SetFVF(DWORD newFvf) {
    fvf = newFvf;
    return S_OK;
}

HRESULT IDirect3DDevice9::GetFVF(DWORD* value) {
    if (value == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *value = fvf;
    return S_OK;
}

HRESULT IDirect3DDevice9::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                                float /*z*/, DWORD /*stencil*/) {
    // There is no depth or stencil buffer to clear, and Direct3D 9 refuses
    // the whole call rather than clearing the target alone.
    if ((count != 0 && rects == nullptr) || (flags & (D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) != 0) {
        return D3DERR_INVALIDCALL;
    }
    if ((flags & D3DCLEAR_TARGET) == 0) {
        return S_OK;
    }
    return d3d9_internal::resultWithinMemory([&] {
        journal->take(
            d3d9_internal::clearCommand(color | kOpaque, rects, count, int(width), int(height)));
        return S_OK;
    });
}

HRESULT IDirect3DDevice9::BeginScene() {
    if (inScene) {
        return D3DERR_INVALIDCALL;
    }
    inScene = true;
    return S_OK;
}

HRESULT IDirect3DDevice9::EndScene() {
    if (!inScene) {
        return D3DERR_INVALIDCALL;
    }
    inScene = false;
    return S_OK;
}

HRESULT IDirect3DDevice9::Present(const RECT* /*source*/, const RECT* /*dest*/, HWND overrideWindow,
                                  const RGNDATA* /*dirtyRegion*/) {
    if (inScene) {
        return D3DERR_INVALIDCALL;
    }
    HWND target = overrideWindow != nullptr ? overrideWindow : window;
    return d3d9_internal::resultWithinMemory([&] {
        journal->present(target->surface);
        return S_OK;
    });
}

UINT IDirect3DDevice9::GetAvailableTextureMem() {
    return UINT(d3d9_internal::availableTextureMemory());
}

const uint32_t* IDirect3DDevice9::BackBuffer() {
    journal->drawRecorded();
    return backBuffer.data();
}

HRESULT IDirect3DDevice9::CreateTexture(UINT texWidth, UINT texHeight, UINT /*levels*/,
                                        DWORD /*usage*/, D3DFORMAT format, D3DPOOL pool,
                                        IDirect3DTexture9** texture, HANDLE* /*sharedHandle*/) {
    if (texture == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *texture = nullptr;
    const bool formatKnown = format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8;
    if (!formatKnown || texWidth == 0 || texHeight == 0 || texWidth > kMaxTextureSide ||
        texHeight > kMaxTextureSide) {
        return D3DERR_INVALIDCALL;
    }
    if (d3d9_watch::refuses(d3d9_watch::Request::Texture)) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    if (!d3d9_internal::takeTextureMemory(texWidth, texHeight)) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    const HRESULT made = d3d9_internal::resultWithinMemory([&] {
        *texture = new IDirect3DTexture9(texWidth, texHeight, format, pool);
        return S_OK;
    });
    if (FAILED(made)) {
        d3d9_internal::returnTextureMemory(texWidth, texHeight);
    }
    return made;
}

HRESULT IDirect3DDevice9::CreateVertexBuffer(UINT length, DWORD /*usage*/, DWORD bufferFvf,
                                             D3DPOOL /*pool*/, IDirect3DVertexBuffer9** buffer,
                                             HANDLE* /*sharedHandle*/) {
    if (buffer == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *buffer = nullptr;
    if (length == 0) {
        return D3DERR_INVALIDCALL;
    }
    if (length > kMaxVertexBufferBytes || d3d9_watch::refuses(d3d9_watch::Request::VertexBuffer)) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    return d3d9_internal::resultWithinMemory([&] {
        *buffer = new IDirect3DVertexBuffer9(length, bufferFvf);
        return S_OK;
    });
}

HRESULT IDirect3DDevice9::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    if (stage != 0) {
        return D3DERR_INVALIDCALL;
    }
    rebind(boundTexture, texture);
    return S_OK;
}

HRESULT IDirect3DDevice9::SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* buffer,
                                          UINT offset, UINT stride) {
    if (streamNumber != 0) {
        return D3DERR_INVALIDCALL;
    }
    rebind(stream, buffer);
    streamOffset = offset;
    streamStride = stride;
    return S_OK;
}
