// DrawPrimitive: checks the call, reports it to the device's watcher, and
// hands each triangle of the list to the rasteriser.
#include <d3d9.h>
#include "platform/d3d9/rasterizer.h"
#include "platform/d3d9/watch.h"

#include <cstring>

namespace {

const DWORD kDrawableFvf = D3DFVF_XYZRHW | D3DFVF_TEX1;
const UINT kDrawableVertexSize = 24;

// What D3DTA_TEXTURE reads with no texture bound: opaque white.
const uint32_t kUntexturedTexel = 0xFFFFFFFFu;
const uint16_t kUntexturedRun = 1;

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

d3d9_internal::ScreenVertex readVertex(const uint8_t* bytes) {
    float fields[6];
    std::memcpy(fields, bytes, sizeof(fields));
    d3d9_internal::ScreenVertex vertex;
    vertex.x = fields[0];
    vertex.y = fields[1];
    vertex.u = fields[4];
    vertex.v = fields[5];
    return vertex;
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

    d3d9_internal::TexelSource texture{&kUntexturedTexel, &kUntexturedRun, 1, 1};
    if (boundTexture != nullptr) {
        const auto* bound = static_cast<const IDirect3DTexture9*>(boundTexture);
        texture = {bound->Texels(), bound->alphaRuns.data(), int(bound->Width()),
                   int(bound->Height())};
    }
    const d3d9_internal::RenderTarget target{backBuffer.data(), int(width), int(height)};
    const d3d9_internal::PixelPipeline pipeline(renderStates, stageStates[0]);
    const uint8_t* first = stream->Bytes() + streamOffset + uint64_t(startVertex) * streamStride;
    const auto readTriangle = [first, this](UINT triangle,
                                            d3d9_internal::ScreenVertex(&corners)[3]) {
        for (int i = 0; i < 3; ++i) {
            corners[i] = readVertex(first + (uint64_t(triangle) * 3 + i) * streamStride);
        }
    };
    for (UINT triangle = 0; triangle < primitiveCount;) {
        d3d9_internal::ScreenVertex current[3];
        d3d9_internal::ScreenVertex following[3];
        readTriangle(triangle, current);
        const bool hasNext = triangle + 1 < primitiveCount;
        if (hasNext) {
            readTriangle(triangle + 1, following);
        }
        triangle +=
            UINT(d3d9_internal::drawTriangles(target, current, hasNext ? &following : nullptr,
                                              renderStates[D3DRS_CULLMODE], texture, pipeline));
    }
    return S_OK;
}
