// Where the pictures of two frames can differ, told from their commands alone.
// Both frames begin with a clear of the whole target. The commands they share
// in the same order (the longest such run) draw alike; every pixel that only
// such commands touch is the same in both pictures, so the areas are the
// bounds of the commands that are not shared, joined into a few rectangles.
#pragma once

#include "platform/d3d9/frame_command.h"

#include <vector>

namespace d3d9_internal {

// None when the frames are alike.
std::vector<RECT> changedAreas(const std::vector<FrameCommand>& before,
                               const std::vector<FrameCommand>& after);

} // namespace d3d9_internal
