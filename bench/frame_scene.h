// One frame as the game draws it, for measuring: the quads of a full board
// picture on the 594 x 551 client area, each with a texture of its own size
// whose alpha varies as the game's images do.
#pragma once

#include <cstdint>
#include <vector>

namespace bench {

const int kFrameWidth = 594;
const int kFrameHeight = 551;

// How a quad's texture covers it.
enum class Coverage {
    Opaque,      // every texel opaque (the wooden background)
    Shape,       // opaque inside an ellipse, soft rim, transparent outside
    Translucent, // partly see-through everywhere, opaque border (the credits)
};

struct SceneQuad {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Coverage coverage = Coverage::Opaque;
};

// Back to front, as the game draws them.
std::vector<SceneQuad> gameFrame();

// The quad's texture, width x height texels of 0xAARRGGBB, not premultiplied.
std::vector<uint32_t> sceneTexels(const SceneQuad& quad, uint32_t seed);

} // namespace bench
