#include "platform/d3d9/frame_journal.h"
#include "platform/d3d9/frame_diff.h"
#include "platform/d3d9/pixel_rect.h"
#include "platform/d3d9/watch.h"

#include <algorithm>

namespace d3d9_internal {

FrameJournal::FrameJournal(const IDirect3DDevice9* device, uint32_t* backBuffer, int width,
                           int height)
    : device(device), whole{0, 0, LONG(width), LONG(height)} {
    target.pixels = backBuffer;
    target.width = width;
    target.height = height;
}

void FrameJournal::take(FrameCommand command) {
    // Nothing drawn before a clear of everything shows, so a frame can start
    // over at each one.
    if (command.clearsEverything()) {
        building = Building::Recorded;
        recorded.clear();
        recorded.push_back(std::move(command));
        return;
    }
    switch (building) {
    case Building::Nothing:
        building = Building::Drawn;
        shownKnown = false;
        run(command, whole);
        return;
    case Building::Recorded:
        recorded.push_back(std::move(command));
        return;
    case Building::Drawn:
        run(command, whole);
        return;
    }
}

void FrameJournal::drawRecorded() {
    if (building != Building::Recorded) {
        return;
    }
    for (const FrameCommand& command : recorded) {
        run(command, whole);
    }
    recorded.clear();
    building = Building::Drawn;
    shownKnown = false;
}

void FrameJournal::present(PresentSurface& surface) {
    std::vector<RECT> changed;
    if (building == Building::Recorded) {
        changed = shownKnown ? changedAreas(shown, recorded) : std::vector<RECT>{whole};
        for (const RECT& area : changed) {
            for (const FrameCommand& command : recorded) {
                run(command, area);
            }
        }
        shown.swap(recorded);
        recorded.clear();
        shownKnown = true;
    } else if (building == Building::Drawn) {
        changed = {whole};
    }
    building = Building::Nothing;
    handOver(surface, std::move(changed));
}

void FrameJournal::run(const FrameCommand& command, const RECT& clip) {
    if (isEmptyRect(intersectRects(command.bounds, clip))) {
        return;
    }
    if (command.kind == FrameCommand::Kind::Draw) {
        d3d9_watch::rasterised(device);
    }
    RenderTarget clipped = target;
    clipped.clip = clip;
    runCommand(command, clipped);
}

void FrameJournal::handOver(PresentSurface& surface, std::vector<RECT> changed) {
    const size_t pixels = size_t(target.width) * target.height;
    const bool surfaceCurrent =
        &surface == lastSurface && surface.presentCount == lastPresentCount &&
        surface.frameWidth == target.width && surface.frameHeight == target.height &&
        surface.frame.size() == pixels;
    if (!surfaceCurrent) {
        surface.frame.resize(pixels);
        surface.frameWidth = target.width;
        surface.frameHeight = target.height;
        changed = {whole};
    }
    for (const RECT& area : changed) {
        for (LONG y = area.top; y < area.bottom; ++y) {
            const size_t rowStart = size_t(y) * target.width;
            std::copy(target.pixels + rowStart + area.left, target.pixels + rowStart + area.right,
                      surface.frame.begin() + std::ptrdiff_t(rowStart + area.left));
        }
    }
    surface.damage = std::move(changed);
    ++surface.presentCount;
    lastSurface = &surface;
    lastPresentCount = surface.presentCount;
    if (surface.onPresent) {
        surface.onPresent(surface);
    }
}

} // namespace d3d9_internal
