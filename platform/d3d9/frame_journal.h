// What a device has drawn and shown, frame by frame, so that a frame which
// shows nothing new costs almost nothing.
//
// A frame that begins by clearing the whole back buffer depends on its own
// commands alone, so they are only recorded as they come. At Present they are
// compared with those of the frame last shown: where the two pictures can
// differ the new frame is drawn, clipped to those areas (the rest of the back
// buffer holds the last picture, which is the new one there), and only those
// areas are handed to the window. A frame like the last is not drawn at all
// and hands the window nothing new; the back buffer is undefined after a
// Present with D3DSWAPEFFECT_DISCARD, so keeping the last picture in it is
// allowed. Any other frame is drawn as its commands come, and shown whole.
#pragma once

#include "platform/d3d9/frame_command.h"
#include "platform/surface.h"

#include <cstdint>
#include <vector>

namespace d3d9_internal {

class FrameJournal {
public:
    // The device's back buffer, width x height, stays where it is for the
    // journal's life.
    FrameJournal(const IDirect3DDevice9* device, uint32_t* backBuffer, int width, int height);

    // The next command of the frame being built.
    void take(FrameCommand command);
    // Draws what was only recorded, so that the back buffer holds the frame so
    // far; the rest of the frame is drawn as it comes.
    void drawRecorded();
    // Ends the frame: the back buffer holds it, and the surface's frame too,
    // with the areas that changed as its damage; then the backend is told.
    void present(PresentSurface& surface);

private:
    enum class Building { Nothing, Recorded, Drawn };

    void run(const FrameCommand& command, const RECT& clip);
    void handOver(PresentSurface& surface, std::vector<RECT> changed);

    const IDirect3DDevice9* device = nullptr;
    RenderTarget target;
    RECT whole = {0, 0, 0, 0};
    Building building = Building::Nothing;
    std::vector<FrameCommand> recorded;
    // The commands of the picture in the back buffer, when it was drawn from
    // recorded commands.
    std::vector<FrameCommand> shown;
    bool shownKnown = false;
    // The surface that got the last frame, and its count after it: when both
    // still hold, the surface's frame is the back buffer's picture.
    const PresentSurface* lastSurface = nullptr;
    uint64_t lastPresentCount = 0;
};

} // namespace d3d9_internal
