// Checks that a test gave back every device object it made.
#pragma once

#include "platform/d3d9_testing.h"

#include <gtest/gtest.h>

inline void ExpectNoLiveDeviceObjects() {
    const d3d9_testing::LiveObjects live = d3d9_testing::liveObjects();
    EXPECT_EQ(live.direct3d, 0);
    EXPECT_EQ(live.devices, 0);
    EXPECT_EQ(live.textures, 0);
    EXPECT_EQ(live.vertexBuffers, 0);
}
