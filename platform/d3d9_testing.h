// Test seams of the software device: faults on demand, a log of draws, a count
// of the draws rasterised and the live-object counts. They live in the tests'
// watcher of the device (d3d9/watchers/testing.cpp), which only test programs
// link.
#pragma once

#include <d3d9.h>

#include <vector>

namespace d3d9_testing {

// Faults the next calls meet; each counter is consumed as calls fail.
struct Faults {
    bool failDirect3DCreate = false; // Direct3DCreate9 returns null
    bool failCreateDevice = false;   // IDirect3D9::CreateDevice fails
    int failCreateVertexBuffer = 0;  // the next N CreateVertexBuffer calls fail
    int failVertexBufferLock = 0;    // the next N IDirect3DVertexBuffer9::Lock calls fail
    int failCreateTexture = 0;       // the next N CreateTexture calls fail
    int failZeroedMemory = 0;        // the next N blocks of texels or alpha runs find no memory
};
Faults& faults();
void resetFaults();

// One DrawPrimitive call the device took; refused calls are not logged.
struct DrawRecord {
    IDirect3DBaseTexture9* texture = nullptr; // bound to stage 0 at the draw
    IDirect3DVertexBuffer9* stream = nullptr; // bound to stream 0 at the draw
    D3DPRIMITIVETYPE type = D3DPT_TRIANGLELIST;
    UINT startVertex = 0;
    UINT primitiveCount = 0;
};

// Recording is off until started; starting clears the log.
void startRecording(IDirect3DDevice9* device);
void stopRecording(IDirect3DDevice9* device);
const std::vector<DrawRecord>& drawLog(IDirect3DDevice9* device);

// Draws the device has rasterised, whole or in part, since it was made: a
// frame like the last one shown adds none.
uint64_t rasterisedDraws(IDirect3DDevice9* device);

// Number of live objects of each kind, to see that every reference was released.
struct LiveObjects {
    int direct3d = 0;
    int devices = 0;
    int textures = 0;
    int vertexBuffers = 0;
};
LiveObjects liveObjects();

} // namespace d3d9_testing
