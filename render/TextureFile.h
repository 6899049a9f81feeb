// Loading one image file into a texture on the program's device.
#pragma once

#include <d3d9.h>

// The loader's "no colour key": every pixel keeps its own alpha.
const D3DCOLOR kNoColourKey = 0;

// The image in its own size and alpha, except that pixels of exactly the
// colour key become fully transparent; null when the file is missing or no
// reader accepts it. The caller owns the reference.
IDirect3DTexture9* LoadTextureFile(const char* file, D3DCOLOR colourKey = kNoColourKey);
