// The texture loader of the Direct3D 9 utility library, for PNG and JPEG files.
#pragma once

#include "d3d9.h"

#define D3DX_DEFAULT ((UINT)-1)

// D3DX's errors: failure, facility 0x876, codes from 2900 in the order D3DX lists them.
#define D3DXERR_INVALIDDATA ((HRESULT)0x88760B59) // 2905

struct D3DXIMAGE_INFO {
    UINT Width;
    UINT Height;
    UINT Depth;
    UINT MipLevels;
    D3DFORMAT Format;
};

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};

// Loads the image file into a new texture of the image's own size (one level,
// A8R8G8B8). The format is told by the file's content, not its name; a path
// written the Windows way ("Grafik\\holz.jpg", "Grafik//0.png") names the same
// file as its forward-slash form. Texels exactly equal to colorKey (ARGB)
// become transparent black; 0 means no key. On failure nothing is stored in
// *texture and the result tells why: D3DXERR_INVALIDDATA for a file that is
// missing, unreadable or no image this loader decodes, E_OUTOFMEMORY when
// memory runs out, and the device's own failure when it refuses the texture.
//
// The texture always has one level; width and height may only ask for the
// image's own size (D3DX_DEFAULT or 0 mean just that), as nothing is scaled.
// Format D3DFMT_UNKNOWN gives A8R8G8B8. Images above 4096 pixels a side are
// refused. srcInfo, when given, receives the image's size and A8R8G8B8 for a
// file with transparency of its own, X8R8G8B8 otherwise; palette is not used.
HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9* device, const char* srcFile, UINT width,
                                     UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                     D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                     D3DXIMAGE_INFO* srcInfo, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture);
