#include "tests/d3d9/device_fixture.h"

// Textures draw on 256 MB of texture memory, four bytes a texel, as on a card
// of the game's time; four textures of 4096 x 4096, its largest, take it to the last byte.
class TextureMemoryTest : public DeviceTest {
protected:
    HRESULT create(UINT width, UINT height, IDirect3DTexture9** texture) {
        return device->CreateTexture(width, height, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT, texture,
                                     nullptr);
    }
};

TEST_F(TextureMemoryTest, TexturesBeyondTheTextureMemoryAreRefusedUntilOneIsFreed) {
    const UINT quarter = 64u << 20;
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

// Texels (four bytes each) and alpha runs (one) just under, at and over a huge page, 2 MB: a
// block is taken one way or another by its size, and must be given back the same way.
TEST_F(TextureMemoryTest, BlocksAroundAHugePageAreGivenBackAsTheyWereTaken) {
    for (UINT width : {1023u, 1024u, 1025u, 2047u, 2048u, 2049u}) {
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(create(width, width < 2047 ? 512 : 1024, &texture), S_OK);
        texture->Release();
    }
}

TEST_F(TextureMemoryTest, NoSideLongerThanTheCardsLargestIsMade) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(create(4096, 1, &texture), S_OK);
    owned.push_back(texture);
    for (UINT side : {4097u, 8192u}) {
        texture = reinterpret_cast<IDirect3DTexture9*>(0x1234);
        EXPECT_EQ(create(side, 1, &texture), D3DERR_INVALIDCALL);
        EXPECT_EQ(texture, nullptr);
        EXPECT_EQ(create(1, side, &texture), D3DERR_INVALIDCALL);
    }
    EXPECT_EQ(device->GetAvailableTextureMem(), (256u << 20) - 4096 * 4);
}
