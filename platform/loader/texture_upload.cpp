// Colour keying and filling a new texture through the device's own calls.
#include "platform/loader/texture_upload.h"

#include <cstring>

namespace loader {

void applyColorKey(DecodedImage& image, D3DCOLOR key) {
    if (key == 0)
        return;
    for (uint32_t& texel : image.texels) {
        if (texel == key)
            texel = 0;
    }
}

HRESULT uploadImage(IDirect3DDevice9* device, const DecodedImage& image, DWORD usage,
                    D3DFORMAT format, D3DPOOL pool, IDirect3DTexture9** texture) {
    IDirect3DTexture9* created = nullptr;
    HRESULT result =
        device->CreateTexture(image.width, image.height, 1, usage, format, pool, &created, nullptr);
    if (FAILED(result))
        return result;
    if (!created)
        return E_FAIL;

    const size_t rowBytes = size_t(image.width) * sizeof(uint32_t);
    D3DLOCKED_RECT locked = {};
    if (FAILED(created->LockRect(0, &locked, nullptr, 0))) {
        created->Release();
        return E_FAIL;
    }
    const bool fits = locked.pBits && locked.Pitch >= 0 && size_t(locked.Pitch) >= rowBytes;
    if (fits) {
        auto* target = static_cast<uint8_t*>(locked.pBits);
        for (uint32_t y = 0; y < image.height; ++y)
            std::memcpy(target + size_t(y) * size_t(locked.Pitch),
                        &image.texels[size_t(y) * image.width], rowBytes);
    }
    created->UnlockRect(0);
    if (!fits) {
        created->Release();
        return E_FAIL;
    }
    *texture = created;
    return S_OK;
}

} // namespace loader
