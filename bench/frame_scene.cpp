#include "frame_scene.h"

#include <cstddef>

namespace bench {

namespace {

void addRow(std::vector<SceneQuad>& quads, int count, int x, int y, int dx, int dy, int width,
            int height, Coverage coverage) {
    for (int i = 0; i < count; ++i) {
        quads.push_back({x + i * dx, y + i * dy, width, height, coverage});
    }
}

uint32_t mix(uint32_t value) {
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    return value ^ (value >> 16);
}

uint32_t shapeAlpha(int x, int y, int width, int height) {
    const double dx = (x + 0.5 - width / 2.0) / (width / 2.0);
    const double dy = (y + 0.5 - height / 2.0) / (height / 2.0);
    const double distance = dx * dx + dy * dy;
    if (distance <= 0.8) {
        return 255;
    }
    if (distance >= 1.0) {
        return 0;
    }
    return uint32_t((1.0 - distance) / 0.2 * 255.0);
}

} // namespace

std::vector<SceneQuad> gameFrame() {
    std::vector<SceneQuad> quads;
    quads.push_back({0, 0, 599, 599, Coverage::Opaque});
    quads.push_back({35, 53, 448, 448, Coverage::Shape});
    // The cross of 33 holes: two rows of three, three rows of seven, two rows of three.
    const int pitch = 54;
    for (int row = 0; row < 7; ++row) {
        const bool wide = row >= 2 && row <= 4;
        addRow(quads, wide ? 7 : 3, wide ? 72 : 72 + 2 * pitch, 90 + row * pitch, pitch, 0, 50, 50,
               Coverage::Shape);
    }
    quads.push_back({500, 10, 75, 90, Coverage::Shape});
    addRow(quads, 4, 500, 110, 0, 40, 75, 30, Coverage::Shape);
    addRow(quads, 11, 460, 270, 10, 22, 30, 30, Coverage::Shape);
    addRow(quads, 10, 80, 80, 37, 41, 75, 30, Coverage::Shape);
    quads.push_back({47, 100, 500, 350, Coverage::Translucent});
    return quads;
}

std::vector<uint32_t> sceneTexels(const SceneQuad& quad, uint32_t seed) {
    std::vector<uint32_t> texels;
    texels.reserve(std::size_t(quad.width) * quad.height);
    for (int y = 0; y < quad.height; ++y) {
        for (int x = 0; x < quad.width; ++x) {
            // One colour per quad with a grain, so that each quad can be told apart.
            const uint32_t grain = mix(seed * 1000003u + uint32_t(y * quad.width + x)) & 0x3F3F3F;
            const uint32_t colour = (mix(seed) & 0xC0C0C0) | grain;
            uint32_t alpha = 255;
            if (quad.coverage == Coverage::Shape) {
                alpha = shapeAlpha(x, y, quad.width, quad.height);
            } else if (quad.coverage == Coverage::Translucent) {
                const bool border = x < 8 || y < 8 || x >= quad.width - 8 || y >= quad.height - 8;
                alpha = border ? 255 : 180;
            }
            texels.push_back(alpha << 24 | colour);
        }
    }
    return texels;
}

} // namespace bench
