#include "Sprite.h"

#include "Graphics.h"
#include "ReleaseRef.h"
#include "TextureFile.h"

#include <cstring>

namespace {
const UINT kQuadVertices = 6;
const UINT kQuadBytes = kQuadVertices * sizeof(Vertex);
const DWORD kVertexFormat = D3DFVF_XYZRHW | D3DFVF_TEX1;
const float kDepth = 0.5f;
const float kRhw = 1.0f;
} // namespace

HRESULT Sprite::Load(const char* file, float left, float top, int quadWidth, int quadHeight) {
    if (loaded)
        return E_FAIL;
    x = left;
    y = top;
    width = quadWidth;
    height = quadHeight;
    BuildQuad();
    LoadTexture(file);

    // Only a load that failed before can have left a buffer behind; it is
    // replaced, not leaked.
    ReleaseRef(vertexBuffer);
    IDirect3DDevice9* device = g_graphics.GetDevice();
    if (device)
        device->CreateVertexBuffer(kQuadBytes, 0, kVertexFormat, D3DPOOL_DEFAULT, &vertexBuffer,
                                   nullptr);
    if (UploadVertices() == E_FAIL)
        return E_FAIL;

    SetVisible(1);
    loaded = 1;
    return S_OK;
}

HRESULT Sprite::LoadTexture(const char* file) {
    // A file that cannot be loaded keeps the image the sprite already shows.
    IDirect3DTexture9* replacement = LoadTextureFile(file);
    if (replacement) {
        ReleaseRef(texture);
        texture = replacement;
    }
    return S_OK;
}

HRESULT Sprite::SetPosition(float left, float top) {
    x = left;
    y = top;
    BuildQuad();
    return UploadVertices() == E_FAIL ? E_FAIL : S_OK;
}

HRESULT Sprite::SetVisible(int show) {
    visible = show;
    return S_OK;
}

HRESULT Sprite::Draw(float /*dt*/) {
    if (!loaded)
        return E_FAIL;
    if (!visible)
        return S_OK;
    return DrawQuad(texture);
}

HRESULT Sprite::Release() {
    SetVisible(0);
    ReleaseRef(texture);
    ReleaseRef(vertexBuffer);
    loaded = 0;
    return S_OK;
}

HRESULT Sprite::BuildQuad() {
    const float right = x + (float)width;
    const float bottom = y + (float)height;
    // Wound clockwise on the screen; the device culls the other winding.
    vertices[0] = Vertex(x, y, kDepth, kRhw, 0.0f, 0.0f);
    vertices[1] = Vertex(right, y, kDepth, kRhw, 1.0f, 0.0f);
    vertices[2] = Vertex(x, bottom, kDepth, kRhw, 0.0f, 1.0f);
    vertices[3] = Vertex(right, y, kDepth, kRhw, 1.0f, 0.0f);
    vertices[4] = Vertex(right, bottom, kDepth, kRhw, 1.0f, 1.0f);
    vertices[5] = Vertex(x, bottom, kDepth, kRhw, 0.0f, 1.0f);
    return S_OK;
}

HRESULT Sprite::UploadVertices() {
    if (!vertexBuffer)
        return E_FAIL;
    void* data = nullptr;
    if (FAILED(vertexBuffer->Lock(0, kQuadBytes, &data, 0)))
        return E_FAIL;
    std::memcpy(data, vertices, kQuadBytes);
    vertexBuffer->Unlock();
    return S_OK;
}

HRESULT Sprite::DrawQuad(IDirect3DTexture9* image) {
    IDirect3DDevice9* device = g_graphics.GetDevice();
    if (!device)
        return E_FAIL;
    device->SetStreamSource(0, vertexBuffer, 0, sizeof(Vertex));
    device->SetTexture(0, image);
    device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    return S_OK;
}
