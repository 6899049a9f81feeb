// The game's watcher: no request is refused and nothing is kept.
#include "platform/d3d9/watch.h"

namespace d3d9_watch {

void made(Kind) {}

void freed(Kind) {}

bool refuses(Request) {
    return false;
}

void drew(const IDirect3DDevice9*, IDirect3DBaseTexture9*, IDirect3DVertexBuffer9*,
          D3DPRIMITIVETYPE, UINT, UINT) {}

void rasterised(const IDirect3DDevice9*) {}

void deviceGone(const IDirect3DDevice9*) {}

} // namespace d3d9_watch
