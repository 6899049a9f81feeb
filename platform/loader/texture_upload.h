// A new texture of the device, locked while a decoder fills it.
#pragma once

#include <d3d9.h>
#include "platform/loader/decoded_image.h"

namespace loader {

// Holds the texture from its making until it is handed on; one not handed on
// is released, so a failed load leaves no texture alive.
class TextureUpload {
public:
    TextureUpload(IDirect3DDevice9* device, DWORD usage, D3DFORMAT format, D3DPOOL pool)
        : device(device), usage(usage), format(format), pool(pool) {}
    ~TextureUpload();
    TextureUpload(const TextureUpload&) = delete;
    TextureUpload& operator=(const TextureUpload&) = delete;

    // A texture of this size, locked; no rows where it cannot be made or
    // locked, with failure() telling why.
    ImageRows create(uint32_t width, uint32_t height);
    HRESULT failure() const { return refusal; }

    // Texels exactly equal to `key` (alpha included) become transparent black
    // (key 0 keys nothing); then the texture is unlocked and stored in *texture.
    void handOn(D3DCOLOR key, IDirect3DTexture9** texture);

private:
    IDirect3DDevice9* device = nullptr;
    DWORD usage = 0;
    D3DFORMAT format = D3DFMT_UNKNOWN;
    D3DPOOL pool = D3DPOOL_DEFAULT;
    IDirect3DTexture9* created = nullptr;
    ImageRows rows;
    uint32_t width = 0;
    uint32_t height = 0;
    HRESULT refusal = E_FAIL;
};

} // namespace loader
