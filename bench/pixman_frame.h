// The same scene composited with pixman, the yardstick: OVER with nearest
// filtering, each texture scaled to its quad.
#pragma once

#include "frame_scene.h"

#include <pixman.h>

#include <vector>

namespace bench {

class PixmanFrame {
public:
    explicit PixmanFrame(const std::vector<SceneQuad>& quads);
    ~PixmanFrame();
    PixmanFrame(const PixmanFrame&) = delete;
    PixmanFrame& operator=(const PixmanFrame&) = delete;

    void draw();
    const uint32_t* pixels() const { return target.data(); }

private:
    std::vector<SceneQuad> quads;
    std::vector<std::vector<uint32_t>> premultiplied;
    std::vector<pixman_image_t*> sources;
    std::vector<uint32_t> target;
    pixman_image_t* destination = nullptr;
};

} // namespace bench
