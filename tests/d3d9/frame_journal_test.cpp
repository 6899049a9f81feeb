// Frames like the last one shown cost nothing; changed ones are drawn and shown only where
// they changed, and the window then holds what a device drawing the whole frame shows.
#include "tests/d3d9/device_fixture.h"

#include <cmath>
#include <map>
#include <random>

namespace {

// A quad drawn as the game draws one: its own buffer, its own texture.
struct SceneQuad {
    IDirect3DVertexBuffer9* buffer = nullptr;
    IDirect3DTexture9* texture = nullptr;
    UINT triangles = 2;
    bool hidden = false; // as a blinking sprite in its dark half
};

struct Scene {
    D3DCOLOR clear = 0xFF000000;
    DWORD sourceBlend = D3DBLEND_SRCALPHA;
    std::vector<SceneQuad> quads;
};

class FrameJournalTest : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        useGameBlending();
    }

    // Inside a scene.
    static void drawScene(IDirect3DDevice9* target, const Scene& scene) {
        target->Clear(0, nullptr, D3DCLEAR_TARGET, scene.clear, 1.0f, 0);
        target->SetRenderState(D3DRS_SRCBLEND, scene.sourceBlend);
        for (const SceneQuad& quad : scene.quads) {
            if (quad.hidden) {
                continue;
            }
            target->SetStreamSource(0, quad.buffer, 0, 24);
            target->SetTexture(0, quad.texture);
            target->DrawPrimitive(D3DPT_TRIANGLELIST, 0, quad.triangles);
        }
    }

    // Ends the scene, presents the frame and begins the next scene, as the game's loop does.
    void present(HWND elsewhere = nullptr) {
        ASSERT_EQ(device->EndScene(), S_OK);
        ASSERT_EQ(device->Present(nullptr, nullptr, elsewhere, nullptr), S_OK);
        ASSERT_EQ(device->BeginScene(), S_OK);
    }

    void show(const Scene& scene) {
        drawScene(device, scene);
        present();
    }

    // The scene as a device that has shown nothing before draws it: whole.
    std::vector<uint32_t> drawnWhole(const Scene& scene) {
        HeadlessWindow fresh;
        IDirect3DDevice9* other = makeDevice(fresh.hwnd());
        useGameBlending(other);
        other->BeginScene();
        drawScene(other, scene);
        other->EndScene();
        other->Present(nullptr, nullptr, nullptr, nullptr);
        other->SetTexture(0, nullptr);
        other->SetStreamSource(0, nullptr, 0, 0);
        other->Release();
        return fresh.surface().frame;
    }

    const PresentSurface& screen() { return window.surface(); }
    uint64_t rasterised() { return d3d9_testing::rasterisedDraws(device); }

    // Every pixel that differs between the two pictures lies in the last present's damage.
    void expectDamageCovers(const std::vector<uint32_t>& before,
                            const std::vector<uint32_t>& after) {
        const int width = screen().frameWidth;
        for (size_t i = 0; i < after.size(); ++i) {
            if (before[i] == after[i]) {
                continue;
            }
            const LONG x = LONG(i % width);
            const LONG y = LONG(i / width);
            bool covered = false;
            for (const RECT& area : screen().damage) {
                covered |= x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            }
            ASSERT_TRUE(covered) << "pixel (" << x << ", " << y << ") changed outside the damage";
        }
    }

    IDirect3DTexture9* randomTexture(std::mt19937& random, int width, int height) {
        std::vector<uint32_t> texels(size_t(width) * height);
        const uint32_t colour = random() & 0xFFFFFF;
        const uint32_t alphas[] = {0x00, 0x60, 0xFF, 0xFF};
        for (uint32_t& texel : texels) {
            texel = alphas[random() % 4] << 24 | (colour ^ (random() & 0x0F0F0F));
        }
        return makeTexture(width, height, texels);
    }
};

TEST_F(FrameJournalTest, AFrameLikeTheLastIsNeitherDrawnNorShown) {
    std::vector<uint32_t> texels(40 * 30, 0x80FF8000u);
    Scene scene;
    scene.clear = 0xFF203040;
    scene.quads.push_back({makeBuffer(quadVertices(10, 20, 50, 50)), makeTexture(40, 30, texels)});
    int calls = 0;
    window.surface().onPresent = [&calls](const PresentSurface&) { ++calls; };

    show(scene);
    const std::vector<uint32_t> first = screen().frame;
    EXPECT_EQ(first, drawnWhole(scene));
    ASSERT_EQ(screen().damage.size(), 1u);
    EXPECT_EQ(screen().damage[0].right * screen().damage[0].bottom, 594 * 551) << "shown whole";
    const uint64_t drawn = rasterised();
    EXPECT_EQ(drawn, 1u);

    // The same objects; then new ones holding the same texels and vertices, as a label that
    // loads its image again does; then the same after draws that a clear wipes out: nothing
    // is drawn, nothing new is shown, but the backend still hears of each present, to pace it.
    show(scene);
    scene.quads[0] = {makeBuffer(quadVertices(10, 20, 50, 50)), makeTexture(40, 30, texels)};
    show(scene);
    drawScene(device, Scene{0xFFFFFFFF, D3DBLEND_ONE, scene.quads});
    show(scene);
    EXPECT_EQ(rasterised(), drawn);
    EXPECT_TRUE(screen().damage.empty());
    EXPECT_EQ(screen().presentCount, 4u);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(screen().frame, first);
    // The back buffer keeps the picture shown.
    EXPECT_EQ(std::vector<uint32_t>(device->BackBuffer(), device->BackBuffer() + first.size()),
              first);
}

// A random walk through the changes a game makes from frame to frame; after each, the window
// holds exactly the whole frame, and the damage holds every changed pixel.
TEST_F(FrameJournalTest, EveryKindOfChangeIsDrawnAndShownExactly) {
    std::mt19937 random(20240611);
    // Quarter pixels, some outside the target; half of them a hair beside a pixel centre
    // instead, where snapping to 1/256 pixel decides.
    const auto coordinate = [&random](int limit) {
        const float quarters = float(int(random() % (limit * 4)) - 40) / 4.0f;
        const float hair = random() % 2 == 0 ? 1.0f / 1024.0f : -1.0f / 1024.0f;
        return random() % 2 == 0 ? quarters : std::round(quarters) + hair;
    };
    Scene scene;
    std::map<IDirect3DVertexBuffer9*, std::vector<float>> vertices;
    for (int i = 0; i < 14; ++i) {
        const float left = coordinate(560);
        const float top = coordinate(520);
        const std::vector<float> fields =
            quadVertices(left, top, left + 10 + random() % 90, top + 10 + random() % 90);
        // Some draw a single triangle: not every draw is a quad.
        scene.quads.push_back({makeBuffer(fields),
                               randomTexture(random, 1 + random() % 40, 1 + random() % 40),
                               UINT(i % 5 == 0 ? 1 : 2)});
        vertices[scene.quads.back().buffer] = fields;
    }

    show(scene);
    std::vector<uint32_t> shown = drawnWhole(scene);
    ASSERT_EQ(screen().frame, shown);

    enum Change {
        kNothing,
        kTexel,
        kVertex,
        kWholePixels,
        kState,
        kClearColour,
        kHideOrShow,
        kOrder,
        kSameImageAgain,
        kOtherImage,
        kChangeCount
    };
    for (int step = 0; step < 150; ++step) {
        const Change change = Change(step % kChangeCount);
        SCOPED_TRACE("step " + std::to_string(step) + ", change " + std::to_string(change));
        const size_t pick = random() % scene.quads.size();
        SceneQuad& quad = scene.quads[pick];
        switch (change) {
        case kNothing:
            break;
        case kTexel: {
            D3DSURFACE_DESC desc = {};
            quad.texture->GetLevelDesc(0, &desc);
            const LONG x = LONG(random() % desc.Width);
            const LONG y = LONG(random() % desc.Height);
            const RECT texel = {x, y, x + 1, y + 1};
            D3DLOCKED_RECT locked = {};
            ASSERT_EQ(quad.texture->LockRect(0, &locked, &texel, 0), S_OK);
            *static_cast<uint32_t*>(locked.pBits) ^= 0x80FFFFFFu;
            quad.texture->UnlockRect(0);
            break;
        }
        case kVertex:
        case kWholePixels: {
            std::vector<float>& fields = vertices[quad.buffer];
            const int eighths = int(random() % 8) - 4;
            const float dx =
                change == kVertex ? float(eighths >= 0 ? eighths + 1 : eighths) / 8 : 0;
            const float dy = change == kVertex ? 0.0f : -float(1 + random() % 5);
            for (size_t v = 0; v < 6; ++v) {
                // One corner moves alone; a whole quad moves by whole pixels, as a label rises.
                if (change == kWholePixels || v == 1 || v == 3) {
                    fields[v * 6] += dx;
                    fields[v * 6 + 1] += dy;
                }
            }
            void* data = nullptr;
            ASSERT_EQ(quad.buffer->Lock(0, 0, &data, 0), S_OK);
            std::memcpy(data, fields.data(), fields.size() * sizeof(float));
            quad.buffer->Unlock();
            break;
        }
        case kState:
            scene.sourceBlend =
                scene.sourceBlend == D3DBLEND_SRCALPHA ? D3DBLEND_ONE : D3DBLEND_SRCALPHA;
            break;
        case kClearColour:
            scene.clear = 0xFF000000 | (random() & 0xFFFFFF);
            break;
        case kHideOrShow:
            quad.hidden = !quad.hidden;
            break;
        case kOrder:
            std::swap(quad, scene.quads[(pick + 1) % scene.quads.size()]);
            break;
        case kSameImageAgain:
        case kOtherImage: {
            D3DSURFACE_DESC desc = {};
            quad.texture->GetLevelDesc(0, &desc);
            std::vector<uint32_t> texels(quad.texture->Texels(),
                                         quad.texture->Texels() + desc.Width * desc.Height);
            if (change == kOtherImage) {
                texels[random() % texels.size()] ^= 0x00FF00u;
            }
            quad.texture = makeTexture(int(desc.Width), int(desc.Height), texels);
            break;
        }
        case kChangeCount:
            break;
        }

        const uint64_t drawnBefore = rasterised();
        show(scene);
        const std::vector<uint32_t> whole = drawnWhole(scene);
        ASSERT_EQ(screen().frame, whole);
        expectDamageCovers(shown, whole);
        if (change == kNothing || change == kSameImageAgain) {
            EXPECT_EQ(rasterised(), drawnBefore);
            EXPECT_TRUE(screen().damage.empty());
        } else if (whole != shown) {
            EXPECT_FALSE(screen().damage.empty());
        }
        shown = whole;
    }
}

// What a draw reads is what the texture and the buffer held when it was issued, as when the
// device drew each call at once.
TEST_F(FrameJournalTest, ADrawReadsTexelsAndVerticesAsTheyWereWhenItWasIssued) {
    IDirect3DTexture9* texture = makeSolidTexture(0xFF0000FF);
    const std::vector<float> square = quadVertices(0, 0, 10, 10);
    IDirect3DVertexBuffer9* buffer = makeBuffer(square);
    const auto paint = [](IDirect3DTexture9* target, uint32_t texel) {
        D3DLOCKED_RECT locked = {};
        target->LockRect(0, &locked, nullptr, 0);
        *static_cast<uint32_t*>(locked.pBits) = texel;
        return target->UnlockRect(0);
    };
    const auto moveRight = [&square](IDirect3DVertexBuffer9* target, float by) {
        std::vector<float> moved = square;
        for (size_t v = 0; v < 6; ++v) {
            moved[v * 6] += by;
        }
        void* data = nullptr;
        target->Lock(0, 0, &data, 0);
        std::memcpy(data, moved.data(), moved.size() * sizeof(float));
    };

    // Changed after the draw: the frame shows them as drawn.
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    drawBuffer(buffer, texture, 2);
    d3d9_testing::faults().failZeroedMemory = 1;
    D3DLOCKED_RECT copy = {};
    EXPECT_EQ(texture->LockRect(0, &copy, nullptr, 0), E_OUTOFMEMORY) << "no memory to copy into";
    paint(texture, 0xFF00FF00);
    moveRight(buffer, 100);
    buffer->Unlock();
    present();
    EXPECT_EQ(screen().frame[5 * 594 + 5], 0xFF0000FFu);
    EXPECT_EQ(screen().frame[5 * 594 + 105], 0xFF000000u);

    // Drawn while locked, then changed before the unlock: the frame shows them as drawn.
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    D3DLOCKED_RECT locked = {};
    texture->LockRect(0, &locked, nullptr, 0);
    moveRight(buffer, 200);
    drawBuffer(buffer, texture, 2);
    *static_cast<uint32_t*>(locked.pBits) = 0xFFFF0000;
    texture->UnlockRect(0);
    moveRight(buffer, 300);
    buffer->Unlock();
    present();
    EXPECT_EQ(screen().frame[5 * 594 + 205], 0xFF00FF00u);
    EXPECT_EQ(screen().frame[5 * 594 + 305], 0xFF000000u);
    EXPECT_EQ(screen().frame[5 * 594 + 105], 0xFF000000u);
}

// A frame that does not begin by clearing everything builds on the last picture, so even the
// same draws again change it: each is drawn and shown.
TEST_F(FrameJournalTest, FramesThatBuildOnTheLastPictureAreDrawnEveryTime) {
    IDirect3DTexture9* haze = makeSolidTexture(0x40FFFFFF);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    present();
    uint32_t last = screen().frame[0];
    for (int i = 0; i < 3; ++i) {
        drawQuad(haze, 0, 0, 20, 20);
        present();
        EXPECT_GT(screen().frame[0] & 0xFF, last & 0xFF) << "layer " << i;
        EXPECT_FALSE(screen().damage.empty());
        last = screen().frame[0];
    }
    // A partial clear does not free the frame from the last picture either.
    const D3DRECT corner = {0, 0, 5, 5};
    device->Clear(1, &corner, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    drawQuad(haze, 0, 0, 20, 20);
    present();
    EXPECT_GT(screen().frame[10] & 0xFF, last & 0xFF);
    EXPECT_LT(screen().frame[0] & 0xFF, last & 0xFF);
}

// The back buffer read in the middle of a frame holds the frame so far; the window then gets
// the finished frame whole.
TEST_F(FrameJournalTest, ReadingTheBackBufferMidFrameShowsTheFrameSoFar) {
    Scene scene;
    scene.quads.push_back({makeBuffer(quadVertices(0, 0, 30, 30)), makeSolidTexture(0xFFFF0000)});
    scene.quads.push_back({makeBuffer(quadVertices(20, 0, 50, 30)), makeSolidTexture(0xFF00FF00)});
    show(scene);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    drawBuffer(scene.quads[0].buffer, scene.quads[0].texture, 2);
    EXPECT_EQ(pixel(25, 5), 0xFFFF0000u) << "the second quad is not drawn yet";
    drawBuffer(scene.quads[1].buffer, scene.quads[1].texture, 2);
    EXPECT_EQ(pixel(25, 5), 0xFF00FF00u);
    present();
    EXPECT_EQ(screen().frame, drawnWhole(scene));
}

// The window's frame is only built on when this device showed the last one in it.
TEST_F(FrameJournalTest, AWindowThatShowedAnotherPictureMeanwhileGetsTheWholeFrame) {
    Scene scene;
    scene.quads.push_back(
        {makeBuffer(quadVertices(100, 100, 200, 150)), makeSolidTexture(0xFF8080FF)});
    show(scene);
    const std::vector<uint32_t> picture = screen().frame;

    // Another device presents into the window, then this one shows the same frame again.
    HeadlessWindow elsewhere;
    IDirect3DDevice9* other = makeDevice(elsewhere.hwnd());
    other->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0);
    other->Present(nullptr, nullptr, window.hwnd(), nullptr);
    other->Release();
    ASSERT_EQ(screen().frame[0], 0xFFFFFFFFu);
    show(scene);
    EXPECT_EQ(screen().frame, picture);

    // This device shows another frame in another window, whose count happens to match, then
    // the same frame in its own: that window had not seen it, so it gets it whole.
    Scene green = scene;
    green.clear = 0xFF00FF00;
    elsewhere.surface().presentCount = screen().presentCount - 1;
    drawScene(device, green);
    present(elsewhere.hwnd());
    const std::vector<uint32_t> greenPicture = drawnWhole(green);
    EXPECT_EQ(elsewhere.surface().frame, greenPicture);
    const uint64_t drawn = rasterised();
    show(green);
    EXPECT_EQ(rasterised(), drawn) << "the back buffer holds the frame already";
    EXPECT_EQ(screen().frame, greenPicture);
}

} // namespace
