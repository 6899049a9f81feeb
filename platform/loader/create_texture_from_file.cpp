// Loading an image file into a new texture.
#include "platform/d3dx9.h"

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, const char* srcFile, UINT width,
                                     UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                     D3DPOOL pool, DWORD filter, DWORD mipFilter,
                                     D3DCOLOR colorKey, D3DXIMAGE_INFO* srcInfo,
                                     PALETTEENTRY* palette, IDirect3DTexture9** texture) {
    (void)device, (void)srcFile, (void)width, (void)height, (void)mipLevels, (void)usage;
    (void)format, (void)pool, (void)filter, (void)mipFilter, (void)colorKey, (void)srcInfo;
    (void)palette, (void)texture;
    return E_FAIL;
}
