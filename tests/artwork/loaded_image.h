// Loads an image through the game's texture loader, on a device made on a
// headless window, and keeps a copy of its texels to inspect.
#pragma once

#include <d3d9.h>
#include <d3dx9.h>
#include "tests/support/headless_window.h"
#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

struct LoadedImage {
    HRESULT result = E_FAIL;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> texels; // 0xAARRGGBB, row-major

    uint32_t at(int x, int y) const { return texels[y * width + x]; }
    static int alpha(uint32_t t) { return static_cast<int>(t >> 24); }
    static int red(uint32_t t) { return static_cast<int>((t >> 16) & 0xFF); }
    static int green(uint32_t t) { return static_cast<int>((t >> 8) & 0xFF); }
    static int blue(uint32_t t) { return static_cast<int>(t & 0xFF); }
};

class ArtworkDevice : public ::testing::Test {
protected:
    void SetUp() override {
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        params.BackBufferFormat = D3DFMT_UNKNOWN;
        ASSERT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window.hwnd(),
                                    D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &device),
                  S_OK);
    }

    void TearDown() override {
        if (device) {
            device->Release();
        }
        if (d3d) {
            d3d->Release();
        }
    }

    // The image as the game loads it: default size, the file's own format.
    LoadedImage load(const std::string& path, D3DCOLOR colourKey = 0) {
        LoadedImage image;
        IDirect3DTexture9* texture = nullptr;
        image.result = D3DXCreateTextureFromFileExA(
            device, path.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN,
            D3DPOOL_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, colourKey, nullptr, nullptr, &texture);
        if (FAILED(image.result) || !texture) {
            return image;
        }
        image.width = static_cast<int>(texture->Width());
        image.height = static_cast<int>(texture->Height());
        image.texels.assign(texture->Texels(), texture->Texels() + image.width * image.height);
        texture->Release();
        return image;
    }

    // The images under the names the game spells, relative to its folder.
    WorkingDirectory inSourceTree{kSourceTree};
    HeadlessWindow window;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};
