// Book-keeping shared by the device's objects: how many of each kind are
// alive, and the faults tests ask the next calls to meet.
#pragma once

#include "platform/d3d9_testing.h"

namespace d3d9_internal {

// Counts kept up to date by the objects' constructors and destructors.
d3d9_testing::LiveObjects& liveCounts();

// True when a fault counter asks this call to fail; the counter is consumed.
bool takeFault(int& remaining);

} // namespace d3d9_internal
