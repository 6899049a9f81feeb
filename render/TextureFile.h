// Loading one image file into a texture on the program's device.
#pragma once

#include <d3d9.h>

// The image in its own size and alpha, without a colour key; null when the
// file is missing or no reader accepts it. The caller owns the reference.
IDirect3DTexture9* LoadTextureFile(const char* file);
