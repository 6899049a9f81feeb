#include "TextureFile.h"

#include <d3dx9.h>
#include "Graphics.h"

IDirect3DTexture9* LoadTextureFile(const char* file, D3DCOLOR colourKey) {
    IDirect3DTexture9* texture = nullptr;
    // The loader stores a texture only when it succeeds, so its result says
    // nothing that the pointer does not.
    D3DXCreateTextureFromFileExA(g_graphics.GetDevice(), file, D3DX_DEFAULT, D3DX_DEFAULT,
                                 D3DX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_DEFAULT, D3DX_DEFAULT,
                                 D3DX_DEFAULT, colourKey, nullptr, nullptr, &texture);
    return texture;
}
