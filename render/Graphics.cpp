#include "Graphics.h"

#include "ReleaseRef.h"

Graphics g_graphics;

HRESULT Graphics::Create(HWND window) {
    hwnd = window;
    d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (!d3d) {
        ready = 0;
        return E_FAIL;
    }

    presentParams = D3DPRESENT_PARAMETERS{};
    presentParams.Windowed = TRUE;
    presentParams.SwapEffect = D3DSWAPEFFECT_DISCARD;
    presentParams.BackBufferFormat = D3DFMT_UNKNOWN;

    // The Direct3D object stays held when the device is refused; start-up
    // ends right after, so nothing would use it again.
    if (d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd,
                          D3DCREATE_SOFTWARE_VERTEXPROCESSING, &presentParams, &device) != S_OK) {
        ready = 0;
        return E_FAIL;
    }

    // Set once for the whole run: every quad blends by its texture's alpha and
    // uses the one pre-transformed vertex layout.
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_CURRENT);
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);

    ready = 1;
    return S_OK;
}

HRESULT Graphics::Destroy() {
    if (!ready)
        return E_FAIL;
    // The device holds the last texture and stream bound; let go of them
    // before the device itself goes.
    device->SetTexture(0, nullptr);
    device->SetStreamSource(0, nullptr, 0, 0);
    ReleaseRef(device);
    ReleaseRef(d3d);
    hwnd = nullptr;
    ready = 0;
    return S_OK;
}

HRESULT Graphics::Clear(D3DCOLOR color) {
    if (!ready)
        return E_FAIL;
    return device->Clear(0, nullptr, D3DCLEAR_TARGET, color, 1.0f, 0);
}

HRESULT Graphics::BeginScene() {
    if (!ready)
        return E_FAIL;
    return device->BeginScene();
}

HRESULT Graphics::EndScene() {
    if (!ready)
        return E_FAIL;
    return device->EndScene();
}

HRESULT Graphics::Present() {
    if (!ready)
        return E_FAIL;
    return device->Present(nullptr, nullptr, nullptr, nullptr);
}
