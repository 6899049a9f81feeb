// Making, filling and handing on a texture through the device's own calls.
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
        refusal = FAILED(refusal) ? refusal : E_FAIL;
        return ImageRows();
    }
    refusal = E_FAIL;
    D3DLOCKED_RECT locked = {};
    if (FAILED(created->LockRect(0, &locked, nullptr, 0)))
        return ImageRows();
    const size_t rowBytes = size_t(imageWidth) * sizeof(uint32_t);
    const bool fits = locked.pBits && locked.Pitch >= 0 && size_t(locked.Pitch) >= rowBytes &&
                      locked.Pitch % sizeof(uint32_t) == 0;
    if (!fits) {
        created->UnlockRect(0);
        return ImageRows();
    }
    width = imageWidth;
    height = imageHeight;
    rows = {static_cast<uint32_t*>(locked.pBits), size_t(locked.Pitch) / sizeof(uint32_t)};
    return rows;
}

void TextureUpload::handOn(D3DCOLOR key, IDirect3DTexture9** texture) {
    for (uint32_t y = 0; key != 0 && y < height; ++y) {
        uint32_t* row = rows.row(y);
        for (uint32_t x = 0; x < width; ++x) {
            if (row[x] == key)
                row[x] = 0;
        }
    }
    created->UnlockRect(0);
    *texture = created;
    created = nullptr;
}

} // namespace loader
