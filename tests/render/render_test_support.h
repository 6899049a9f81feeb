// What the rendering tests share: a headless window with the program's
// device on it, a scratch working folder with its own "Grafik", small PNG
// images written on demand, and a look into a sprite's vertices.
#pragma once

#include "tests/support/live_objects.h"
#include "tests/support/scratch_dir.h"

#include "platform/d3d9_testing.h"
#include "platform/surface.h"
#include "Graphics.h"
#include "Sprite.h"
#include "tests/support/headless_window.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// Writes a width x height PNG of the given pixels (0xAARRGGBB, row-major,
// alpha kept).
inline bool WritePng(const std::string& path, int width, int height,
                     const std::vector<uint32_t>& pixels) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = (png_uint_32)width;
    image.height = (png_uint_32)height;
    // 0xAARRGGBB in little-endian memory is B, G, R, A.
    image.format = PNG_FORMAT_BGRA;
    return png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
}

inline bool WriteSolidPng(const std::string& path, int width, int height, uint32_t argb) {
    return WritePng(path, width, height, std::vector<uint32_t>((size_t)width * height, argb));
}

// A scratch folder with an empty "Grafik" inside, made the working directory for the
// object's lifetime.
class ScratchFolder {
public:
    ScratchFolder() : madeImages(std::filesystem::create_directory(scratch.root / "Grafik")) {}

    // An image under "Grafik"; the width tells images apart in a texture.
    void AddImage(const std::string& name, int width, int height = 4, uint32_t argb = 0xFFFFFFFF) {
        ASSERT_TRUE(WriteSolidPng(ImagePath(name), width, height, argb));
    }

    std::string ImagePath(const std::string& name) { return scratch.Path("Grafik/" + name); }

private:
    ScratchDir scratch;
    bool madeImages = false;
    WorkingDirectory here{scratch.root};
};

// The program's device on a small headless window, and a check when the
// test ends that every object was given back.
class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override {
        d3d9_testing::resetFaults();
        ASSERT_EQ(g_graphics.Create(window.hwnd()), S_OK);
        // Direct3D 9 draws only inside a scene; these tests draw piece by piece inside one.
        ASSERT_EQ(g_graphics.BeginScene(), S_OK);
    }

    void TearDown() override {
        g_graphics.Destroy();
        d3d9_testing::resetFaults();
        ExpectNoLiveDeviceObjects();
    }

    IDirect3DDevice9* Device() { return g_graphics.GetDevice(); }

    const std::vector<d3d9_testing::DrawRecord>& Draws() { return d3d9_testing::drawLog(Device()); }

    HeadlessWindow window{64, 48};
};

// A sprite whose vertices in memory a test may read.
struct InspectableSprite : Sprite {
    using Sprite::vertices;

    std::array<Vertex, 6> MemoryVertices() const {
        std::array<Vertex, 6> quad;
        std::copy(std::begin(vertices), std::end(vertices), quad.begin());
        return quad;
    }
};

// The six vertices as the sprite's buffer holds them.
inline std::array<Vertex, 6> BufferVertices(Sprite& sprite) {
    std::array<Vertex, 6> quad;
    IDirect3DVertexBuffer9* buffer = sprite.GetVertexBuffer();
    EXPECT_NE(buffer, nullptr);
    if (buffer && buffer->Length() >= sizeof quad)
        std::memcpy(quad.data(), buffer->Bytes(), sizeof quad);
    return quad;
}

inline void ExpectCorner(const Vertex& v, float x, float y, float u, float w) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, 0.5f);
    EXPECT_FLOAT_EQ(v.rhw, 1.0f);
    EXPECT_FLOAT_EQ(v.u, u);
    EXPECT_FLOAT_EQ(v.v, w);
}

// The quad of the rectangle from (x, y) of the given size, wound clockwise.
inline void ExpectQuad(const std::array<Vertex, 6>& quad, float x, float y, float width,
                       float height) {
    ExpectCorner(quad[0], x, y, 0, 0);
    ExpectCorner(quad[1], x + width, y, 1, 0);
    ExpectCorner(quad[2], x, y + height, 0, 1);
    ExpectCorner(quad[3], x + width, y, 1, 0);
    ExpectCorner(quad[4], x + width, y + height, 1, 1);
    ExpectCorner(quad[5], x, y + height, 0, 1);
}
