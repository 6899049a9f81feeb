// Presenting frames into the window's surface and saving them, and the frame's
// order of calls, which the device holds to as Direct3D 9 does.
#include "tests/d3d9/device_fixture.h"
#include "tests/support/scratch_dir.h"

#include <png.h>

#include <string>

TEST_F(DeviceTest, PresentStoresTheFrameAndTellsTheBackend) {
    int calls = 0;
    window.surface().onPresent = [&calls](const PresentSurface& surface) {
        ++calls;
        EXPECT_EQ(surface.presentCount, uint64_t(calls));
    };
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF336699, 1.0f, 0);
    ASSERT_EQ(device->EndScene(), S_OK);
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
    ScratchDir scratch;
    EXPECT_FALSE(WriteSurfacePng(window.surface(), scratch.Path("none.png").c_str()))
        << "nothing presented yet";
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF102030, 1.0f, 0);
    drawQuad(makeSolidTexture(0xFFFF8000), 10, 20, 30, 40);
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
    const std::string path = scratch.Path("frame.png");
    ASSERT_TRUE(WriteSurfacePng(window.surface(), path.c_str()));
    EXPECT_FALSE(
        WriteSurfacePng(window.surface(), scratch.Path("no-such-folder/frame.png").c_str()));

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
}

// Each call out of its place in the frame is refused and leaves no trace: not
// on the back buffer, not in the window, not in the draw log.
TEST_F(DeviceTest, CallsOutOfTheirPlaceInTheFrameAreRefusedWithoutEffect) {
    const uint32_t blue = 0xFF0000FF;
    const uint32_t red = 0xFFFF0000;
    IDirect3DVertexBuffer9* quad = makeBuffer(quadVertices(0, 0, 10, 10));
    IDirect3DTexture9* redTexel = makeSolidTexture(red);
    int presents = 0;
    window.surface().onPresent = [&presents](const PresentSurface&) { ++presents; };
    d3d9_testing::startRecording(device);

    // Inside the fixture's scene: no second scene, no presenting, no depth or stencil.
    device->Clear(0, nullptr, D3DCLEAR_TARGET, blue, 1.0f, 0);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(presents, 0);
    EXPECT_EQ(window.surface().presentCount, 0u);
    EXPECT_TRUE(window.surface().frame.empty());
    for (DWORD flags : {D3DCLEAR_ZBUFFER, D3DCLEAR_STENCIL, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER,
                        D3DCLEAR_TARGET | D3DCLEAR_STENCIL}) {
        EXPECT_EQ(device->Clear(0, nullptr, flags, red, 1.0f, 0), D3DERR_INVALIDCALL) << flags;
        EXPECT_EQ(pixel(20, 20), blue) << "flags " << flags;
    }
    // The refused BeginScene left the scene open: a draw still goes through.
    EXPECT_EQ(drawBuffer(quad, redTexel, 2), S_OK);
    EXPECT_EQ(pixel(5, 5), red);
    EXPECT_EQ(device->EndScene(), S_OK);

    // Outside a scene: no second end, no draw, no depth or stencil; clearing
    // the target and presenting are in their place.
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, blue, 1.0f, 0);
    EXPECT_EQ(drawBuffer(quad, redTexel, 2), D3DERR_INVALIDCALL);
    EXPECT_EQ(pixel(5, 5), blue);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, red, 1.0f, 0),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(pixel(20, 20), blue);
    EXPECT_EQ(d3d9_testing::drawLog(device).size(), 1u) << "only the draw inside the scene";
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(presents, 1);
    EXPECT_EQ(window.surface().frame[5], blue);

    // The next frame begins as the first did.
    EXPECT_EQ(device->BeginScene(), S_OK);
    EXPECT_EQ(drawBuffer(quad, redTexel, 2), S_OK);
    EXPECT_EQ(device->EndScene(), S_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(window.surface().frame[5], red);
}
