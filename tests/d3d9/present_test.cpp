// Presenting frames into the window's surface and saving them.
#include "tests/d3d9/device_fixture.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

// A file name in the system's temporary directory that no other test run
// (another build tree testing at the same time) uses.
std::string temporaryPath(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/quorvel_d3d9_" +
           std::to_string(::getpid()) + "_" + name;
}

} // namespace

TEST_F(DeviceTest, PresentStoresTheFrameAndTellsTheBackend) {
    int calls = 0;
    window.surface().onPresent = [&calls](const PresentSurface& surface) {
        ++calls;
        EXPECT_EQ(surface.presentCount, uint64_t(calls));
    };
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF336699, 1.0f, 0);
    EXPECT_EQ(device->BeginScene(), S_OK);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->EndScene(), S_OK);
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), S_OK);
    const PresentSurface& surface = window.surface();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(surface.frameWidth, 594);
    EXPECT_EQ(surface.frameHeight, 551);
    ASSERT_EQ(surface.frame.size(), 594u * 551u);
    EXPECT_EQ(surface.frame[594 * 551 - 1], 0xFF336699u);

    // Without a backend callback the frame is simply kept.
    window.surface().onPresent = nullptr;
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(surface.presentCount, 2u);
    EXPECT_EQ(surface.frame[0], 0xFF000000u);
}

TEST_F(DeviceTest, WriteSurfacePngWritesTheFrameAsAReadableImage) {
    EXPECT_FALSE(WriteSurfacePng(window.surface(), temporaryPath("none.png").c_str()))
        << "nothing presented yet";
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF102030, 1.0f, 0);
    drawQuad(makeSolidTexture(0xFFFF8000), 10, 20, 30, 40);
    device->Present(nullptr, nullptr, nullptr, nullptr);
    const std::string path = temporaryPath("frame.png");
    ASSERT_TRUE(WriteSurfacePng(window.surface(), path.c_str()));
    EXPECT_FALSE(WriteSurfacePng(window.surface(), "/nonexistent-dir/frame.png"));

    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    EXPECT_EQ(image.width, 594u);
    EXPECT_EQ(image.height, 551u);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    const auto at = [&rgb](int x, int y) { return &rgb[(size_t(y) * 594 + x) * 3]; };
    EXPECT_EQ(at(0, 0)[0], 0x10);
    EXPECT_EQ(at(0, 0)[2], 0x30);
    EXPECT_EQ(at(15, 25)[0], 0xFF);
    EXPECT_EQ(at(15, 25)[1], 0x80);
    EXPECT_EQ(at(15, 25)[2], 0x00);
    std::remove(path.c_str());
}
