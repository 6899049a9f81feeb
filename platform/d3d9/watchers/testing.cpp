// The tests' watcher, behind platform/d3d9_testing.h: live-object counts,
// faults on demand, a draw log for each device that records and a count of
// the draws each device rasterised.
#include "platform/d3d9/watch.h"
#include "platform/d3d9_testing.h"

#include <map>

namespace {

d3d9_testing::LiveObjects& liveCounts() {
    static d3d9_testing::LiveObjects counts;
    return counts;
}

// The count of one kind, in the order d3d9_watch::Kind names them.
int& liveCount(d3d9_watch::Kind kind) {
    d3d9_testing::LiveObjects& counts = liveCounts();
    int* const byKind[] = {&counts.direct3d, &counts.devices, &counts.textures,
                           &counts.vertexBuffers};
    return *byKind[int(kind)];
}

// True when the counter asks this call to fail; the counter is consumed.
bool takeFault(int& remaining) {
    if (remaining <= 0) {
        return false;
    }
    --remaining;
    return true;
}

// The log stays readable after recording stops, until the device is freed.
struct DrawRecorder {
    bool recording = false;
    std::vector<d3d9_testing::DrawRecord> records;
};

std::map<const IDirect3DDevice9*, uint64_t>& rasterisedCounts() {
    static std::map<const IDirect3DDevice9*, uint64_t> byDevice;
    return byDevice;
}

std::map<const IDirect3DDevice9*, DrawRecorder>& recorders() {
    static std::map<const IDirect3DDevice9*, DrawRecorder> byDevice;
    return byDevice;
}

} // namespace

namespace d3d9_watch {

void made(Kind kind) {
    ++liveCount(kind);
}

void freed(Kind kind) {
    --liveCount(kind);
}

bool refuses(Request request) {
    d3d9_testing::Faults& faults = d3d9_testing::faults();
    if (request == Request::Direct3D) {
        return faults.failDirect3DCreate;
    }
    if (request == Request::Device) {
        return faults.failCreateDevice;
    }
    int& remaining = request == Request::Texture        ? faults.failCreateTexture
                     : request == Request::VertexBuffer ? faults.failCreateVertexBuffer
                     : request == Request::ZeroedMemory ? faults.failZeroedMemory
                                                        : faults.failVertexBufferLock;
    return takeFault(remaining);
}

void drew(const IDirect3DDevice9* device, IDirect3DBaseTexture9* texture,
          IDirect3DVertexBuffer9* stream, D3DPRIMITIVETYPE type, UINT startVertex,
          UINT primitiveCount) {
    auto found = recorders().find(device);
    if (found != recorders().end() && found->second.recording) {
        found->second.records.push_back({texture, stream, type, startVertex, primitiveCount});
    }
}

void rasterised(const IDirect3DDevice9* device) {
    ++rasterisedCounts()[device];
}

void deviceGone(const IDirect3DDevice9* device) {
    recorders().erase(device);
    rasterisedCounts().erase(device);
}

} // namespace d3d9_watch

namespace d3d9_testing {

Faults& faults() {
    static Faults current;
    return current;
}

void resetFaults() {
    faults() = Faults();
}

LiveObjects liveObjects() {
    return liveCounts();
}

void startRecording(IDirect3DDevice9* device) {
    DrawRecorder& recorder = recorders()[device];
    recorder.records.clear();
    recorder.recording = true;
}

void stopRecording(IDirect3DDevice9* device) {
    auto found = recorders().find(device);
    if (found != recorders().end()) {
        found->second.recording = false;
    }
}

const std::vector<DrawRecord>& drawLog(IDirect3DDevice9* device) {
    static const std::vector<DrawRecord> nothingRecorded;
    auto found = recorders().find(device);
    return found != recorders().end() ? found->second.records : nothingRecorded;
}

uint64_t rasterisedDraws(IDirect3DDevice9* device) {
    auto found = rasterisedCounts().find(device);
    return found != rasterisedCounts().end() ? found->second : 0;
}

} // namespace d3d9_testing
