#include "pixman_frame.h"

#include <algorithm>
#include <cstddef>

namespace bench {

namespace {

// pixman composites premultiplied colour.
uint32_t premultiply(uint32_t texel) {
    const uint32_t alpha = texel >> 24;
    uint32_t result = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        result |= ((((texel >> shift) & 0xFF) * alpha + 127) / 255) << shift;
    }
    return result;
}

} // namespace

PixmanFrame::PixmanFrame(const std::vector<SceneQuad>& sceneQuads)
    : quads(sceneQuads), target(size_t(kFrameWidth) * kFrameHeight, 0xFF000000u) {
    destination = pixman_image_create_bits(PIXMAN_x8r8g8b8, kFrameWidth, kFrameHeight, target.data(),
                                           kFrameWidth * 4);
    premultiplied.reserve(quads.size());
    for (size_t i = 0; i < quads.size(); ++i) {
        const SceneQuad& quad = quads[i];
        std::vector<uint32_t> texels = sceneTexels(quad, uint32_t(i));
        std::transform(texels.begin(), texels.end(), texels.begin(), premultiply);
        premultiplied.push_back(std::move(texels));
        pixman_image_t* source = pixman_image_create_bits(
            PIXMAN_a8r8g8b8, quad.width, quad.height, premultiplied.back().data(), quad.width * 4);
        // The game's images have their quads' sizes, so the scale is 1; it is
        // set all the same so that pixman samples through its nearest filter.
        pixman_transform_t scale;
        pixman_transform_init_scale(&scale, pixman_int_to_fixed(1), pixman_int_to_fixed(1));
        pixman_image_set_transform(source, &scale);
        pixman_image_set_filter(source, PIXMAN_FILTER_NEAREST, nullptr, 0);
        sources.push_back(source);
    }
}

PixmanFrame::~PixmanFrame() {
    for (pixman_image_t* source : sources) {
        pixman_image_unref(source);
    }
    pixman_image_unref(destination);
}

void PixmanFrame::draw() {
    std::fill(target.begin(), target.end(), 0xFF000000u);
    for (size_t i = 0; i < quads.size(); ++i) {
        const SceneQuad& quad = quads[i];
        pixman_image_composite32(PIXMAN_OP_OVER, sources[i], nullptr, destination, 0, 0, 0, 0,
                                 quad.x, quad.y, quad.width, quad.height);
    }
}

} // namespace bench
