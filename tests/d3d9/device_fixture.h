// A device on a headless window, and quick ways to make textures and quads
// and to read the back buffer. Every test ends with no object left alive.
#pragma once

#include "tests/support/live_objects.h"

#include <d3d9.h>
#include "platform/d3d9_testing.h"
#include "tests/support/headless_window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

class DeviceTest : public ::testing::Test {
protected:
    explicit DeviceTest(int width = 594, int height = 551) : window(width, height) {}

    void SetUp() override {
        d3d9_testing::resetFaults();
        d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        device = makeDevice(window.hwnd());
        ASSERT_NE(device, nullptr);
        // Direct3D 9 draws only inside a scene; these tests draw piece by piece
        // inside one, and end it before they present.
        ASSERT_EQ(device->BeginScene(), S_OK);
    }

    // A windowed device on the window, set to the one vertex format; null when refused.
    IDirect3DDevice9* makeDevice(HWND target) {
        D3DPRESENT_PARAMETERS params = {};
        params.Windowed = TRUE;
        params.SwapEffect = D3DSWAPEFFECT_DISCARD;
        IDirect3DDevice9* made = nullptr;
        if (d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, target,
                              D3DCREATE_SOFTWARE_VERTEXPROCESSING, &params, &made) != S_OK) {
            return nullptr;
        }
        made->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
        return made;
    }

    void TearDown() override {
        for (IUnknown* object : owned) {
            object->Release();
        }
        if (device != nullptr) {
            device->Release();
        }
        if (d3d != nullptr) {
            d3d->Release();
        }
        d3d9_testing::resetFaults();
        ExpectNoLiveDeviceObjects();
    }

    // The blending the game sets once at start-up.
    void useGameBlending() { useGameBlending(device); }
    static void useGameBlending(IDirect3DDevice9* target) {
        target->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        target->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        target->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        target->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
        target->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
        target->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_CURRENT);
    }

    // A texture owned by the test, texels row-major.
    IDirect3DTexture9* makeTexture(int width, int height, const std::vector<uint32_t>& texels) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                        &texture, nullptr),
                  S_OK);
        D3DLOCKED_RECT locked = {};
        EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), S_OK);
        std::memcpy(locked.pBits, texels.data(), texels.size() * sizeof(uint32_t));
        texture->UnlockRect(0);
        owned.push_back(texture);
        return texture;
    }

    IDirect3DTexture9* makeSolidTexture(uint32_t texel) { return makeTexture(1, 1, {texel}); }

    // A texture owned by the test as it is made, never locked.
    IDirect3DTexture9* makeUntouchedTexture(UINT width, UINT height, D3DFORMAT format) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(
            device->CreateTexture(width, height, 1, 0, format, D3DPOOL_MANAGED, &texture, nullptr),
            S_OK);
        owned.push_back(texture);
        return texture;
    }

    // A buffer owned by the test holding the given vertices (x, y, z, rhw, u, v each).
    IDirect3DVertexBuffer9* makeBuffer(const std::vector<float>& fields) {
        IDirect3DVertexBuffer9* buffer = nullptr;
        const UINT length = UINT(fields.size() * sizeof(float));
        EXPECT_EQ(device->CreateVertexBuffer(length, 0, D3DFVF_XYZRHW | D3DFVF_TEX1,
                                             D3DPOOL_DEFAULT, &buffer, nullptr),
                  S_OK);
        void* data = nullptr;
        EXPECT_EQ(buffer->Lock(0, length, &data, 0), S_OK);
        std::memcpy(data, fields.data(), length);
        buffer->Unlock();
        owned.push_back(buffer);
        return buffer;
    }

    // Six vertices of a quad wound as the game winds them (clockwise on screen).
    static std::vector<float> quadVertices(float left, float top, float right, float bottom) {
        return {left,  top,    0.5f, 1.0f, 0.0f, 0.0f, right, top,    0.5f, 1.0f, 1.0f, 0.0f,
                left,  bottom, 0.5f, 1.0f, 0.0f, 1.0f, right, top,    0.5f, 1.0f, 1.0f, 0.0f,
                right, bottom, 0.5f, 1.0f, 1.0f, 1.0f, left,  bottom, 0.5f, 1.0f, 0.0f, 1.0f};
    }

    HRESULT drawBuffer(IDirect3DVertexBuffer9* buffer, IDirect3DTexture9* texture, UINT triangles) {
        device->SetStreamSource(0, buffer, 0, 24);
        device->SetTexture(0, texture);
        return device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, triangles);
    }

    HRESULT drawQuad(IDirect3DTexture9* texture, float left, float top, float right, float bottom) {
        return drawBuffer(makeBuffer(quadVertices(left, top, right, bottom)), texture, 2);
    }

    uint32_t pixel(int x, int y) const {
        return device->BackBuffer()[size_t(y) * device->BackBufferWidth() + x];
    }

    // The columns of row y that hold the colour.
    std::vector<int> columnsOf(uint32_t colour, int y) const {
        std::vector<int> columns;
        for (int x = 0; x < int(device->BackBufferWidth()); ++x) {
            if (pixel(x, y) == colour) {
                columns.push_back(x);
            }
        }
        return columns;
    }

    HeadlessWindow window;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    std::vector<IUnknown*> owned;
};
