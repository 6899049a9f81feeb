// The scene drawn the game's way: the game's device wrapper on a headless
// window, one texture and one six-vertex buffer per quad. One at a time: the
// wrapper is the game's single global.
#pragma once

#include "frame_scene.h"
#include <d3d9.h>
#include "platform/surface.h"

#include <vector>

namespace bench {

class DeviceFrame {
public:
    explicit DeviceFrame(const std::vector<SceneQuad>& quads);
    ~DeviceFrame();
    DeviceFrame(const DeviceFrame&) = delete;
    DeviceFrame& operator=(const DeviceFrame&) = delete;

    // Clears and draws every quad into the back buffer.
    void draw();
    // Presents the last frame and saves it as a PNG file.
    bool save(const char* path);
    const uint32_t* pixels() const { return device->BackBuffer(); }

private:
    HWND__ window;
    IDirect3DDevice9* device = nullptr;
    std::vector<IDirect3DTexture9*> textures;
    std::vector<IDirect3DVertexBuffer9*> buffers;
};

} // namespace bench
