#include <d3d9.h>
#include "platform/d3d9/out_of_memory.h"
#include "platform/d3d9/watch.h"
#include "platform/surface.h"

#include <new>

IDirect3D9::IDirect3D9() {
    d3d9_watch::made(d3d9_watch::Kind::Direct3D);
}

IDirect3D9::~IDirect3D9() {
    d3d9_watch::freed(d3d9_watch::Kind::Direct3D);
}

IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION || d3d9_watch::refuses(d3d9_watch::Request::Direct3D)) {
        return nullptr;
    }
    return new (std::nothrow) IDirect3D9();
}

HRESULT IDirect3D9::CreateDevice(UINT adapter, D3DDEVTYPE /*type*/, HWND focusWindow,
                                 DWORD /*behaviorFlags*/, D3DPRESENT_PARAMETERS* params,
                                 IDirect3DDevice9** device) {
    if (device == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *device = nullptr;
    if (params == nullptr || adapter != D3DADAPTER_DEFAULT) {
        return D3DERR_INVALIDCALL;
    }
    if (d3d9_watch::refuses(d3d9_watch::Request::Device)) {
        return D3DERR_NOTAVAILABLE;
    }
    const HWND window = params->hDeviceWindow != nullptr ? params->hDeviceWindow : focusWindow;
    if (window == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    // A windowed back buffer left at size 0 takes the client area, and the
    // parameters tell the caller what it got, as Direct3D 9 does.
    if (params->BackBufferWidth == 0) {
        params->BackBufferWidth = UINT(window->surface.clientWidth);
    }
    if (params->BackBufferHeight == 0) {
        params->BackBufferHeight = UINT(window->surface.clientHeight);
    }
    if (params->BackBufferFormat == D3DFMT_UNKNOWN) {
        params->BackBufferFormat = D3DFMT_X8R8G8B8;
    }
    if (params->BackBufferCount == 0) {
        params->BackBufferCount = 1;
    }
    const UINT maxSide = 16384;
    if (params->BackBufferWidth > maxSide || params->BackBufferHeight > maxSide) {
        return D3DERR_INVALIDCALL;
    }
    return d3d9_internal::resultWithinMemory([&] {
        *device =
            new IDirect3DDevice9(this, window, params->BackBufferWidth, params->BackBufferHeight);
        return S_OK;
    });
}
