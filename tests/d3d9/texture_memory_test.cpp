#include "tests/d3d9/device_fixture.h"

// Textures draw on 256 MB of texture memory, four bytes a texel, as on a card
// of the game's time; four textures of 4096 x 4096 take it to the last byte.
TEST_F(DeviceTest, TexturesBeyondTheTextureMemoryAreRefusedUntilOneIsFreed) {
    const UINT quarter = 64u << 20;
    auto create = [&](UINT width, UINT height, IDirect3DTexture9** texture) {
        return device->CreateTexture(width, height, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT, texture,
                                     nullptr);
    };
    EXPECT_EQ(device->GetAvailableTextureMem(), 4 * quarter);
    IDirect3DTexture9* quarters[4] = {};
    for (IDirect3DTexture9*& texture : quarters)
        ASSERT_EQ(create(4096, 4096, &texture), S_OK);
    EXPECT_EQ(device->GetAvailableTextureMem(), 0u);

    IDirect3DTexture9* extra = reinterpret_cast<IDirect3DTexture9*>(0x1234);
    EXPECT_EQ(create(1, 1, &extra), D3DERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(extra, nullptr);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 4);

    quarters[0]->Release();
    EXPECT_EQ(device->GetAvailableTextureMem(), quarter);
    EXPECT_EQ(create(4096, 4096, &quarters[0]), S_OK)
        << "a freed texture gives its share back, and the refused one took none";
    EXPECT_EQ(create(1, 1, &extra), D3DERR_OUTOFVIDEOMEMORY) << "and gives back no more";
    for (IDirect3DTexture9* texture : quarters)
        owned.push_back(texture);
}
