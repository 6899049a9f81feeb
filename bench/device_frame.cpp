#include "device_frame.h"
#include "Graphics.h"

#include <cstring>
#include <stdexcept>

namespace bench {

namespace {

IDirect3DTexture9* makeTexture(IDirect3DDevice9* device, const SceneQuad& quad, uint32_t seed) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(device->CreateTexture(quad.width, quad.height, 1, 0, D3DFMT_A8R8G8B8,
                                     D3DPOOL_DEFAULT, &texture, nullptr))) {
        throw std::runtime_error("texture");
    }
    const std::vector<uint32_t> texels = sceneTexels(quad, seed);
    D3DLOCKED_RECT locked = {};
    texture->LockRect(0, &locked, nullptr, 0);
    std::memcpy(locked.pBits, texels.data(), texels.size() * sizeof(uint32_t));
    texture->UnlockRect(0);
    return texture;
}

IDirect3DVertexBuffer9* makeQuad(IDirect3DDevice9* device, const SceneQuad& quad) {
    const float l = float(quad.x);
    const float t = float(quad.y);
    const float r = l + float(quad.width);
    const float b = t + float(quad.height);
    const float vertices[36] = {l, t, 0.5f, 1, 0, 0, r, t, 0.5f, 1, 1, 0, l, b, 0.5f, 1, 0, 1,
                                r, t, 0.5f, 1, 1, 0, r, b, 0.5f, 1, 1, 1, l, b, 0.5f, 1, 0, 1};
    IDirect3DVertexBuffer9* buffer = nullptr;
    if (FAILED(device->CreateVertexBuffer(sizeof(vertices), 0, D3DFVF_XYZRHW | D3DFVF_TEX1,
                                          D3DPOOL_DEFAULT, &buffer, nullptr))) {
        throw std::runtime_error("vertex buffer");
    }
    void* data = nullptr;
    buffer->Lock(0, sizeof(vertices), &data, 0);
    std::memcpy(data, vertices, sizeof(vertices));
    buffer->Unlock();
    return buffer;
}

} // namespace

DeviceFrame::DeviceFrame(const std::vector<SceneQuad>& quads) {
    window.surface.clientWidth = kFrameWidth;
    window.surface.clientHeight = kFrameHeight;
    // The game's own wrapper, so the frame is drawn with the states it sets.
    if (FAILED(g_graphics.Create(&window))) {
        throw std::runtime_error("device");
    }
    device = g_graphics.GetDevice();
    for (size_t i = 0; i < quads.size(); ++i) {
        textures.push_back(makeTexture(device, quads[i], uint32_t(i)));
        buffers.push_back(makeQuad(device, quads[i]));
    }
}

DeviceFrame::~DeviceFrame() {
    for (IDirect3DTexture9* texture : textures) {
        texture->Release();
    }
    for (IDirect3DVertexBuffer9* buffer : buffers) {
        buffer->Release();
    }
    g_graphics.Destroy();
}

void DeviceFrame::draw() {
    g_graphics.Clear(0xFF000000);
    g_graphics.BeginScene();
    for (size_t i = 0; i < textures.size(); ++i) {
        device->SetStreamSource(0, buffers[i], 0, 24);
        device->SetTexture(0, textures[i]);
        device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2);
    }
    g_graphics.EndScene();
}

bool DeviceFrame::save(const char* path) {
    g_graphics.Present();
    return WriteSurfacePng(window.surface, path);
}

} // namespace bench
