// DrawPrimitive: checks the call, reports it to the device's watcher, and
// hands a triangle list to the frame being built, with the texels and
// vertices it reads.
#include <d3d9.h>
#include "platform/d3d9/frame_journal.h"
#include "platform/d3d9/out_of_memory.h"
#include "platform/d3d9/watch.h"

namespace {

const DWORD kDrawableFvf = D3DFVF_XYZRHW | D3DFVF_TEX1;
const UINT kDrawableVertexSize = 24;

uint64_t verticesRead(D3DPRIMITIVETYPE type, UINT primitiveCount) {
    switch (type) {
    case D3DPT_TRIANGLELIST:
        return uint64_t(primitiveCount) * 3;
    case D3DPT_LINELIST:
        return uint64_t(primitiveCount) * 2;
    default:
        return primitiveCount;
    }
}

// Checked so that no product can wrap: the last vertex read must start
// within the buffer and end inside it.
bool readsInsideBuffer(uint64_t length, uint64_t offset, uint64_t stride, uint64_t lastVertex) {
    return offset <= length && lastVertex <= (length - offset) / stride &&
           offset + lastVertex * stride + kDrawableVertexSize <= length;
}

} // namespace

HRESULT IDirect3DDevice9::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex,
                                        UINT primitiveCount) {
    if (!inScene) {
        return D3DERR_INVALIDCALL;
    }
    if (type != D3DPT_TRIANGLELIST && type != D3DPT_LINELIST && type != D3DPT_POINTLIST) {
        return D3DERR_INVALIDCALL;
    }
    if (stream == nullptr || fvf != kDrawableFvf || streamStride < kDrawableVertexSize) {
        return D3DERR_INVALIDCALL;
    }
    const uint64_t count = verticesRead(type, primitiveCount);
    if (count != 0 && !readsInsideBuffer(stream->Length(), streamOffset, streamStride,
                                         uint64_t(startVertex) + count - 1)) {
        return D3DERR_INVALIDCALL;
    }
    d3d9_watch::drew(this, boundTexture, stream, type, startVertex, primitiveCount);
    if (count == 0 || type != D3DPT_TRIANGLELIST) {
        return S_OK;
    }

    auto* texture = static_cast<IDirect3DTexture9*>(boundTexture);
    return d3d9_internal::resultWithinMemory([&] {
        // What a locked texture or buffer holds may still change: the draw reads
        // it now, as the frame so far is drawn first.
        if ((texture != nullptr && texture->locked) || stream->locked) {
            journal->drawRecorded();
        }
        journal->take(d3d9_internal::drawCommand(
            texture != nullptr ? texture->measuredImage() : nullptr, stream->bytes,
            streamOffset + uint64_t(startVertex) * streamStride, streamStride, primitiveCount,
            renderStates[D3DRS_CULLMODE],
            d3d9_internal::PixelPipeline(renderStates, stageStates[0]), int(width), int(height)));
        return S_OK;
    });
}
