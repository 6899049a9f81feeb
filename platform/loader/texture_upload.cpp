// Making, filling and storing a texture through the device's own calls.
#include "platform/loader/texture_upload.h"

namespace loader {

TextureUpload::~TextureUpload() {
    if (!created)
        return;
    if (rows.first)
        created->UnlockRect(0);
    created->Release();
}

ImageRows TextureUpload::create(uint32_t imageWidth, uint32_t imageHeight) {
    refusal =
        device->CreateTexture(imageWidth, imageHeight, 1, usage, format, pool, &created, nullptr);
    if (FAILED(refusal) || !created) {
        created = nullptr;
        refusal = FAILED(refusal) ? refusal : D3DERR_NOTAVAILABLE;
        return ImageRows();
    }
    D3DLOCKED_RECT locked = {};
    refusal = created->LockRect(0, &locked, nullptr, 0);
    if (FAILED(refusal))
        return ImageRows();
    const size_t rowBytes = size_t(imageWidth) * sizeof(uint32_t);
    const bool fits = locked.pBits && locked.Pitch >= 0 && size_t(locked.Pitch) >= rowBytes &&
                      locked.Pitch % sizeof(uint32_t) == 0;
    if (!fits) {
        created->UnlockRect(0);
        refusal = D3DERR_NOTAVAILABLE;
        return ImageRows();
    }
    width = imageWidth;
    height = imageHeight;
    rows = {static_cast<uint32_t*>(locked.pBits), size_t(locked.Pitch) / sizeof(uint32_t)};
    return rows;
}

void TextureUpload::clearColourKey(D3DCOLOR key) {
    for (uint32_t y = 0; key != 0 && y < height; ++y) {
        uint32_t* row = rows.row(y);
        for (uint32_t x = 0; x < width; ++x) {
            if (row[x] == key)
                row[x] = 0;
        }
    }
}

void TextureUpload::storeUnlocked(IDirect3DTexture9** texture) {
    created->UnlockRect(0);
    *texture = created;
    created = nullptr;
}

} // namespace loader
