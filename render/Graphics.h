// The one Direct3D 9 device of the program and the fixed pipeline it draws with.
#pragma once

#include <d3d9.h>

class Graphics {
public:
    Graphics() = default;
    // A copy would release the device and its Direct3D object a second time.
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    HRESULT Create(HWND hwnd);
    HRESULT Destroy();

    HRESULT Clear(D3DCOLOR color);
    HRESULT BeginScene();
    HRESULT EndScene();
    HRESULT Present();

    IDirect3D9* GetD3D() { return d3d; }
    IDirect3DDevice9* GetDevice() { return device; }
    int IsReady() { return ready; }

    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    D3DPRESENT_PARAMETERS presentParams = {};
    int ready = 0;
    HWND hwnd = nullptr;
};

extern Graphics g_graphics;
