#include "tests/render/render_test_support.h"

namespace {

class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override { d3d9_testing::resetFaults(); }
    void TearDown() override {
        d3d9_testing::resetFaults();
        const d3d9_testing::LiveObjects live = d3d9_testing::liveObjects();
        EXPECT_EQ(live.direct3d, 0);
        EXPECT_EQ(live.devices, 0);
    }

    HeadlessWindow headless{40, 30};
    HWND window = headless.hwnd();
    PresentSurface& surface = headless.surface();
    Graphics graphics; // zeroed like the global one
};

TEST_F(GraphicsTest, ZeroedWrapperRefusesEveryFrameCall) {
    EXPECT_EQ(graphics.IsReady(), 0);
    EXPECT_EQ(graphics.GetDevice(), nullptr);
    EXPECT_EQ(graphics.GetD3D(), nullptr);
    EXPECT_EQ(graphics.Clear(0xFF000000), E_FAIL);
    EXPECT_EQ(graphics.BeginScene(), E_FAIL);
    EXPECT_EQ(graphics.EndScene(), E_FAIL);
    EXPECT_EQ(graphics.Present(), E_FAIL);
    EXPECT_EQ(graphics.Destroy(), E_FAIL);
}

TEST_F(GraphicsTest, CreateWithoutDirect3DFailsAndKeepsTheWindow) {
    d3d9_testing::faults().failDirect3DCreate = true;
    EXPECT_EQ(graphics.Create(window), E_FAIL);
    EXPECT_EQ(graphics.IsReady(), 0);
    EXPECT_EQ(graphics.GetD3D(), nullptr);
    EXPECT_EQ(graphics.GetDevice(), nullptr);
    EXPECT_EQ(graphics.hwnd, window);
    EXPECT_EQ(graphics.Clear(0xFF000000), E_FAIL);
}

TEST_F(GraphicsTest, RefusedDeviceLeavesDirect3DHeldAndNotReady) {
    d3d9_testing::faults().failCreateDevice = true;
    EXPECT_EQ(graphics.Create(window), E_FAIL);
    EXPECT_EQ(graphics.IsReady(), 0);
    EXPECT_EQ(graphics.GetDevice(), nullptr);
    ASSERT_NE(graphics.GetD3D(), nullptr);

    // What Create asked for: a windowed device, everything else left to it.
    const D3DPRESENT_PARAMETERS& params = graphics.presentParams;
    EXPECT_EQ(params.Windowed, 1);
    EXPECT_EQ(params.SwapEffect, D3DSWAPEFFECT_DISCARD);
    EXPECT_EQ(params.BackBufferWidth | params.BackBufferCount | params.PresentationInterval, 0u);
    EXPECT_EQ(params.hDeviceWindow, nullptr);

    // Destroy refuses while not ready, so the Direct3D object stays held.
    EXPECT_EQ(graphics.Destroy(), E_FAIL);
    EXPECT_NE(graphics.GetD3D(), nullptr);
    EXPECT_EQ(graphics.GetD3D()->Release(), 0u);
}

TEST_F(GraphicsTest, DeviceLivesFromCreateToDestroy) {
    ASSERT_EQ(graphics.Create(window), S_OK);
    EXPECT_EQ(graphics.IsReady(), 1);
    IDirect3DDevice9* device = graphics.GetDevice();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->Window(), window);

    DWORD value = 0;
    for (auto [state, expected] : {std::pair{D3DRS_ALPHABLENDENABLE, 1},
                                   {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
                                   {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA}}) {
        device->GetRenderState(state, &value);
        EXPECT_EQ(value, (DWORD)expected) << state;
    }
    for (auto [state, expected] : {std::pair{D3DTSS_ALPHAOP, (DWORD)D3DTOP_MODULATE},
                                   {D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
                                   {D3DTSS_ALPHAARG2, D3DTA_CURRENT}}) {
        device->GetTextureStageState(0, state, &value);
        EXPECT_EQ(value, expected) << state;
    }
    device->GetFVF(&value);
    EXPECT_EQ(value, 0x104u);

    // A frame fills the window's whole client area.
    EXPECT_EQ(graphics.Clear(0xFF336699), S_OK);
    EXPECT_EQ(graphics.BeginScene(), S_OK);
    EXPECT_EQ(graphics.EndScene(), S_OK);
    EXPECT_EQ(graphics.Present(), S_OK);
    EXPECT_EQ(surface.presentCount, 1u);
    ASSERT_EQ(surface.frameWidth, 40);
    ASSERT_EQ(surface.frameHeight, 30);
    for (uint32_t pixel : surface.frame)
        ASSERT_EQ(pixel & 0xFFFFFF, 0x336699u);

    EXPECT_EQ(graphics.Destroy(), S_OK);
    EXPECT_EQ(graphics.IsReady(), 0);
    EXPECT_EQ(graphics.GetDevice(), nullptr);
    EXPECT_EQ(graphics.GetD3D(), nullptr);
    EXPECT_EQ(graphics.hwnd, nullptr);
    EXPECT_EQ(graphics.Destroy(), E_FAIL);
    EXPECT_EQ(graphics.Present(), E_FAIL);
}

TEST_F(GraphicsTest, DestroyUnbindsTheLastTextureAndStreamBeforeLettingGo) {
    ScratchFolder folder;
    folder.AddImage("last.png", 2);
    ASSERT_EQ(g_graphics.Create(window), S_OK);
    IDirect3DDevice9* device = g_graphics.GetDevice();
    // The last sprite drawn is released while the device still holds its
    // texture and buffer, as at shutdown.
    Sprite last;
    ASSERT_EQ(last.Load("Grafik//last.png", 0, 0, 4, 4), S_OK);
    last.Draw(0);
    last.Release();
    ASSERT_EQ(d3d9_testing::liveObjects().textures, 1);

    // Another holder keeps the device alive past Destroy, so only the
    // unbinding can have given the two objects back.
    device->AddRef();
    EXPECT_EQ(g_graphics.Destroy(), S_OK);
    EXPECT_EQ(d3d9_testing::liveObjects().devices, 1);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 0);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, 0);
    EXPECT_EQ(device->Release(), 0u);
}

} // namespace
