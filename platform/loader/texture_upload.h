// Turning a decoded image into a texture of the device.
#pragma once

#include <d3d9.h>
#include "platform/loader/decoded_image.h"

namespace loader {

// Texels exactly equal to `key` (alpha included) become transparent black;
// key 0 keys nothing.
void applyColorKey(DecodedImage& image, D3DCOLOR key);

// Creates a one-level texture of the image's size and fills it. On failure
// nothing is stored in *texture and no texture is left alive.
HRESULT uploadImage(IDirect3DDevice9* device, const DecodedImage& image, DWORD usage,
                    D3DFORMAT format, D3DPOOL pool, IDirect3DTexture9** texture);

} // namespace loader
