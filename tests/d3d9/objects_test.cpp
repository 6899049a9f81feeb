// Object lifetimes, states, resource calls and the test seams.
#include "tests/d3d9/device_fixture.h"

TEST_F(DeviceTest, TheBackBufferTakesTheClientAreaAndTheStatesStartAtTheirDefaults) {
    EXPECT_EQ(device->BackBufferWidth(), 594u);
    EXPECT_EQ(device->BackBufferHeight(), 551u);
    EXPECT_EQ(device->Window(), window.hwnd());
    DWORD value = 0;
    device->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, DWORD(D3DCULL_CCW));
    device->GetRenderState(D3DRS_ALPHABLENDENABLE, &value);
    EXPECT_EQ(value, DWORD(FALSE));
    device->GetRenderState(D3DRS_SRCBLEND, &value);
    EXPECT_EQ(value, DWORD(D3DBLEND_ONE));
    device->GetTextureStageState(0, D3DTSS_COLOROP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_MODULATE));
    device->GetTextureStageState(0, D3DTSS_ALPHAOP, &value);
    EXPECT_EQ(value, DWORD(D3DTOP_SELECTARG1));

    useGameBlending();
    device->GetRenderState(D3DRS_DESTBLEND, &value);
    EXPECT_EQ(value, DWORD(D3DBLEND_INVSRCALPHA));
    device->GetFVF(&value);
    EXPECT_EQ(value, DWORD(0x104));
    EXPECT_EQ(device->SetTextureStageState(8, D3DTSS_COLOROP, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->GetRenderState(D3DRENDERSTATETYPE(300), &value), D3DERR_INVALIDCALL);
}

TEST_F(DeviceTest, BoundObjectsLiveUntilTheDeviceLetsGoInAnyReleaseOrder) {
    IDirect3DTexture9* texture = nullptr;
    IDirect3DVertexBuffer9* buffer = nullptr;
    ASSERT_EQ(
        device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture, nullptr),
        S_OK);
    ASSERT_EQ(device->CreateVertexBuffer(144, 0, 0x104, D3DPOOL_DEFAULT, &buffer, nullptr), S_OK);
    EXPECT_EQ(texture->GetRefCount(), 1u);
    device->SetTexture(0, texture);
    device->SetTexture(0, texture);
    device->SetStreamSource(0, buffer, 0, 24);
    EXPECT_EQ(texture->GetRefCount(), 2u);
    EXPECT_EQ(buffer->GetRefCount(), 2u);

    EXPECT_EQ(texture->Release(), 1u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 1);
    device->SetTexture(0, nullptr);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 0);

    // The Direct3D object first, then the device still holding the buffer.
    EXPECT_EQ(d3d->Release(), 1u);
    d3d = nullptr;
    EXPECT_EQ(d3d9_testing::liveObjects().direct3d, 1);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, 1);
    EXPECT_EQ(device->Release(), 0u);
    device = nullptr;
    // TearDown checks that nothing is left.
}

TEST_F(DeviceTest, TexturesAndBuffersCheckTheirLocks) {
    IDirect3DTexture9* texture = makeTexture(4, 2, std::vector<uint32_t>(8, 0));
    D3DLOCKED_RECT locked = {};
    const RECT part = {1, 1, 3, 2};
    ASSERT_EQ(texture->LockRect(0, &locked, &part, 0), S_OK);
    EXPECT_EQ(locked.Pitch, 16);
    static_cast<uint32_t*>(locked.pBits)[1] = 0xAABBCCDD;
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->UnlockRect(0), S_OK);
    EXPECT_EQ(texture->UnlockRect(0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->Texels()[6], 0xAABBCCDDu);
    const RECT outside = {2, 0, 5, 1};
    EXPECT_EQ(texture->LockRect(0, &locked, &outside, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(texture->LockRect(1, &locked, nullptr, 0), D3DERR_INVALIDCALL);
    D3DSURFACE_DESC desc = {};
    ASSERT_EQ(texture->GetLevelDesc(0, &desc), S_OK);
    EXPECT_EQ(desc.Width, 4u);
    EXPECT_EQ(desc.Height, 2u);
    EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);

    IDirect3DVertexBuffer9* buffer = makeBuffer(std::vector<float>(36, 0.0f));
    void* data = nullptr;
    EXPECT_EQ(buffer->Lock(0, 0, &data, 0), S_OK) << "size 0 locks the whole buffer";
    EXPECT_EQ(buffer->Unlock(), S_OK);
    EXPECT_EQ(buffer->Unlock(), D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer->Lock(100, 100, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer->Lock(144, 0, &data, 0), D3DERR_INVALIDCALL);

    IDirect3DTexture9* none = nullptr;
    EXPECT_EQ(device->CreateTexture(0, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &none, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(none, nullptr);
}

TEST_F(DeviceTest, DrawsThatWouldReadOutsideTheBufferAreRefused) {
    IDirect3DVertexBuffer9* quad = makeBuffer(quadVertices(0, 0, 10, 10));
    IDirect3DTexture9* texture = makeSolidTexture(0xFFFF0000);
    device->SetTexture(0, texture);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3DERR_INVALIDCALL)
        << "no stream bound";
    device->SetStreamSource(0, quad, 0, 24);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 3), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 4, 1), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0xFFFFFFFFu, 0x7FFFFFFF),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 3, 1), S_OK);
    // A stride whose product with the vertex count wraps to nothing in 64 bits.
    device->SetStreamSource(0, quad, 0, 0x80000000u);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2863311531u), D3DERR_INVALIDCALL);
    device->SetStreamSource(0, quad, 200, 24);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);
    device->SetStreamSource(0, quad, 0, 12);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);
    device->SetStreamSource(0, quad, 0, 24);
    device->SetFVF(0);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);
}

TEST_F(DeviceTest, TheDrawLogRecordsEachDrawTakenWithWhatWasBound) {
    IDirect3DVertexBuffer9* quad = makeBuffer(quadVertices(0, 0, 10, 10));
    IDirect3DTexture9* texture = makeSolidTexture(0xFFFF0000);
    drawBuffer(quad, texture, 2);
    EXPECT_TRUE(d3d9_testing::drawLog(device).empty()) << "off until started";

    d3d9_testing::startRecording(device);
    drawBuffer(quad, texture, 2);
    device->SetTexture(0, nullptr);
    device->DrawPrimitive(D3DPT_TRIANGLELIST, 3, 1);
    device->SetStreamSource(0, nullptr, 0, 0);
    device->DrawPrimitive(D3DPT_TRIANGLELIST, 3, 1); // refused: no stream
    d3d9_testing::stopRecording(device);
    drawBuffer(quad, texture, 1);

    const std::vector<d3d9_testing::DrawRecord>& log = d3d9_testing::drawLog(device);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].texture, texture);
    EXPECT_EQ(log[0].stream, quad);
    EXPECT_EQ(log[0].primitiveCount, 2u);
    EXPECT_EQ(log[1].texture, nullptr);
    EXPECT_EQ(log[1].stream, quad);
    EXPECT_EQ(log[1].startVertex, 3u);

    d3d9_testing::startRecording(device);
    EXPECT_TRUE(d3d9_testing::drawLog(device).empty()) << "starting clears the log";
}

TEST(DeviceFaults, EachFaultFailsItsCallsAndIsConsumed) {
    d3d9_testing::resetFaults();
    d3d9_testing::faults().failDirect3DCreate = true;
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION), nullptr);
    d3d9_testing::resetFaults();
    EXPECT_EQ(Direct3DCreate9(30), nullptr) << "another SDK version";

    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    HeadlessWindow window(40, 30);
    D3DPRESENT_PARAMETERS params = {};
    params.Windowed = TRUE;
    IDirect3DDevice9* device = nullptr;
    d3d9_testing::faults().failCreateDevice = true;
    EXPECT_TRUE(FAILED(d3d->CreateDevice(0, D3DDEVTYPE_HAL, window.hwnd(), 0, &params, &device)));
    EXPECT_EQ(device, nullptr);
    d3d9_testing::resetFaults();
    EXPECT_TRUE(FAILED(d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &params, &device)));
    ASSERT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, window.hwnd(), 0, &params, &device), S_OK);
    EXPECT_EQ(params.BackBufferWidth, 40u);
    EXPECT_EQ(params.BackBufferHeight, 30u);

    d3d9_testing::faults().failCreateVertexBuffer = 1;
    d3d9_testing::faults().failCreateTexture = 2;
    d3d9_testing::faults().failVertexBufferLock = 1;
    IDirect3DVertexBuffer9* buffer = nullptr;
    EXPECT_TRUE(
        FAILED(device->CreateVertexBuffer(144, 0, 0x104, D3DPOOL_DEFAULT, &buffer, nullptr)));
    EXPECT_EQ(buffer, nullptr);
    ASSERT_EQ(device->CreateVertexBuffer(144, 0, 0x104, D3DPOOL_DEFAULT, &buffer, nullptr), S_OK);
    IDirect3DTexture9* texture = nullptr;
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_TRUE(FAILED(device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT,
                                                 &texture, nullptr)));
    }
    d3d9_testing::faults().failZeroedMemory = 1;
    const UINT available = device->GetAvailableTextureMem();
    EXPECT_EQ(
        device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture, nullptr),
        E_OUTOFMEMORY);
    EXPECT_EQ(device->GetAvailableTextureMem(), available);
    ASSERT_EQ(
        device->CreateTexture(2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture, nullptr),
        S_OK);
    void* data = nullptr;
    EXPECT_TRUE(FAILED(buffer->Lock(0, 144, &data, 0)));
    EXPECT_EQ(buffer->Lock(0, 144, &data, 0), S_OK);
    buffer->Unlock();

    texture->Release();
    buffer->Release();
    device->Release();
    d3d->Release();
    const d3d9_testing::LiveObjects live = d3d9_testing::liveObjects();
    EXPECT_EQ(live.direct3d + live.devices + live.textures + live.vertexBuffers, 0);
}
