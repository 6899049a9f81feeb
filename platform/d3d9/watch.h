// Where the software device can be watched: it reports each object it makes
// and frees and each draw it takes, and asks before making anything whether
// the request is to fail. Each program links exactly one watcher: the game
// the one that lets everything through and keeps nothing
// (watchers/unwatched.cpp), the tests the one behind platform/d3d9_testing.h
// (watchers/testing.cpp). So nothing of the tests is built into the game.
#pragma once

#include <d3d9.h>

namespace d3d9_watch {

enum class Kind { Direct3D, Device, Texture, VertexBuffer };
void made(Kind kind);
void freed(Kind kind);

enum class Request { Direct3D, Device, Texture, VertexBuffer, VertexBufferLock, ZeroedMemory };
// True when this request is to fail as it would on a card without the resources.
bool refuses(Request request);

// A draw the device took, with what was bound to stage 0 and stream 0.
void drew(const IDirect3DDevice9* device, IDirect3DBaseTexture9* texture,
          IDirect3DVertexBuffer9* stream, D3DPRIMITIVETYPE type, UINT startVertex,
          UINT primitiveCount);
// The device rasterised a draw, whole or in part.
void rasterised(const IDirect3DDevice9* device);
// The device is being freed; nothing may hold on to it.
void deviceGone(const IDirect3DDevice9* device);

} // namespace d3d9_watch
