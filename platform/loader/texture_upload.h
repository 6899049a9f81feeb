// A new texture of the device, locked while a decoder fills it.
#pragma once

#include <d3d9.h>
#include "platform/loader/image_rows.h"

namespace loader {

// Holds the texture from its making until it is stored; one not stored is
// released, so a failed load leaves no texture alive.
class TextureUpload {
public:
    TextureUpload(IDirect3DDevice9* device, DWORD usage, D3DFORMAT format, D3DPOOL pool)
        : device(device), usage(usage), format(format), pool(pool) {}
    ~TextureUpload();
    TextureUpload(const TextureUpload&) = delete;
    TextureUpload& operator=(const TextureUpload&) = delete;

    // A texture of this size, locked; no rows where it cannot be made or
    // locked, with failure() telling the device's reason.
    ImageRows create(uint32_t width, uint32_t height);
    HRESULT failure() const { return refusal; }

    // Texels exactly equal to `key` (alpha included) become transparent black;
    // key 0 keys nothing.
    void clearColourKey(D3DCOLOR key);
    // Unlocks the texture and stores it in *texture, for the caller to release.
    void storeUnlocked(IDirect3DTexture9** texture);

private:
    IDirect3DDevice9* device = nullptr;
    DWORD usage = 0;
    D3DFORMAT format = D3DFMT_UNKNOWN;
    D3DPOOL pool = D3DPOOL_DEFAULT;
    IDirect3DTexture9* created = nullptr;
    ImageRows rows;
    uint32_t width = 0;
    uint32_t height = 0;
    HRESULT refusal = S_OK;
};

} // namespace loader
