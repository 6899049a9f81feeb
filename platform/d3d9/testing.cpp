// The test seams: fault injection, the draw log and the live-object counts.
#include "platform/d3d9/object_registry.h"
#include "platform/d3d9/draw_recorder.h"

namespace d3d9_internal {

d3d9_testing::LiveObjects& liveCounts() {
    static d3d9_testing::LiveObjects counts;
    return counts;
}

bool takeFault(int& remaining) {
    if (remaining <= 0) {
        return false;
    }
    --remaining;
    return true;
}

} // namespace d3d9_internal

namespace d3d9_testing {

Faults& faults() {
    static Faults current;
    return current;
}

void resetFaults() {
    faults() = Faults();
}

LiveObjects liveObjects() {
    return d3d9_internal::liveCounts();
}

void startRecording(IDirect3DDevice9* device) {
    DrawRecorder*& recorder = DeviceInternals::recorder(device);
    if (recorder == nullptr) {
        recorder = new DrawRecorder();
    }
    recorder->records.clear();
    recorder->recording = true;
}

void stopRecording(IDirect3DDevice9* device) {
    DrawRecorder* recorder = DeviceInternals::recorder(device);
    if (recorder != nullptr) {
        recorder->recording = false;
    }
}

const std::vector<DrawRecord>& drawLog(IDirect3DDevice9* device) {
    static const std::vector<DrawRecord> nothingRecorded;
    const DrawRecorder* recorder = DeviceInternals::recorder(device);
    return recorder != nullptr ? recorder->records : nothingRecorded;
}

} // namespace d3d9_testing
