// The draw log a device keeps while a test records, and the one door to the
// device's private recorder field.
#pragma once

#include "platform/d3d9_testing.h"

#include <vector>

namespace d3d9_testing {
// Made by the first startRecording, freed with the device; the log stays
// readable after recording stops.
struct DrawRecorder {
    bool recording = false;
    std::vector<DrawRecord> records;
};
} // namespace d3d9_testing

struct DeviceInternals {
    static d3d9_testing::DrawRecorder*& recorder(IDirect3DDevice9* device) {
        return device->recorder;
    }
};
