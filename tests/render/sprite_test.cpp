#include "tests/render/render_test_support.h"

namespace {

using SpriteTest = DeviceTest;

TEST_F(SpriteTest, BackgroundQuadCoversTheWholeImage) {
    InspectableSprite sprite;
    ASSERT_EQ(sprite.Load("Grafik\\holz.jpg", 0.0f, 0.0f, 599, 599), S_OK);
    EXPECT_EQ(sprite.IsLoaded(), 1);
    EXPECT_EQ(sprite.IsVisible(), 1);
    ExpectQuad(BufferVertices(sprite), 0, 0, 599, 599);
    ExpectQuad(sprite.MemoryVertices(), 0, 0, 599, 599);
    EXPECT_EQ(sprite.GetVertexBuffer()->Length(), 144u);
    EXPECT_EQ(sprite.GetVertexBuffer()->FVF(), 0x104u);
    sprite.Release();
}

TEST_F(SpriteTest, SecondLoadIsRefusedAndChangesNothing) {
    ScratchFolder folder;
    folder.AddImage("a.png", 3);
    folder.AddImage("b.png", 5);
    Sprite sprite;
    ASSERT_EQ(sprite.Load("Grafik//a.png", 10, 20, 30, 40), S_OK);
    IDirect3DTexture9* texture = sprite.GetTexture();
    IDirect3DVertexBuffer9* buffer = sprite.GetVertexBuffer();
    ASSERT_NE(texture, nullptr);
    sprite.SetVisible(0);

    EXPECT_EQ(sprite.Load("Grafik//b.png", 1, 2, 3, 4), E_FAIL);
    EXPECT_EQ(sprite.GetX(), 10);
    EXPECT_EQ(sprite.GetY(), 20);
    EXPECT_EQ(sprite.GetWidth(), 30);
    EXPECT_EQ(sprite.GetHeight(), 40);
    EXPECT_EQ(sprite.GetTexture(), texture);
    EXPECT_EQ(texture->Width(), 3u);
    EXPECT_EQ(sprite.GetVertexBuffer(), buffer);
    EXPECT_EQ(sprite.IsVisible(), 0);
    ExpectQuad(BufferVertices(sprite), 10, 20, 30, 40);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 1);
    sprite.Release();
}

TEST_F(SpriteTest, MissingImageIsNoError) {
    ScratchFolder folder;
    Sprite sprite;
    EXPECT_EQ(sprite.Load("Grafik//nothing.png", 0, 0, 8, 8), S_OK);
    EXPECT_EQ(sprite.IsLoaded(), 1);
    EXPECT_EQ(sprite.IsVisible(), 1);
    EXPECT_EQ(sprite.GetTexture(), nullptr);

    // Drawn all the same, with no texture bound.
    d3d9_testing::startRecording(Device());
    EXPECT_EQ(sprite.Draw(0), S_OK);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_EQ(Draws()[0].texture, nullptr);
    sprite.Release();
}

TEST_F(SpriteTest, SetPositionRewritesTheBufferWhenThereIsOne) {
    InspectableSprite sprite;
    ASSERT_EQ(sprite.Load("Grafik//none.png", 0, 0, 30, 30), S_OK);
    sprite.SetVisible(0); // hidden sprites move too
    EXPECT_EQ(sprite.SetPosition(500.0f, 80.0f), S_OK);
    ExpectQuad(BufferVertices(sprite), 500, 80, 30, 30);

    d3d9_testing::faults().failVertexBufferLock = 1;
    EXPECT_EQ(sprite.SetPosition(7.0f, 9.0f), E_FAIL);
    ExpectQuad(sprite.MemoryVertices(), 7, 9, 30, 30);
    ExpectQuad(BufferVertices(sprite), 500, 80, 30, 30);
    sprite.Release();

    InspectableSprite never;
    EXPECT_EQ(never.SetPosition(500.0f, 80.0f), E_FAIL);
    EXPECT_EQ(never.GetX(), 500.0f);
    EXPECT_EQ(never.GetY(), 80.0f);
    ExpectQuad(never.MemoryVertices(), 500, 80, 0, 0);
}

TEST_F(SpriteTest, LoadTextureReplacesOrKeepsTheImage) {
    ScratchFolder folder;
    folder.AddImage("old.png", 3);
    folder.AddImage("new.png", 5);
    Sprite sprite;
    ASSERT_EQ(sprite.Load("Grafik//old.png", 0, 0, 8, 8), S_OK);

    EXPECT_EQ(sprite.LoadTexture("Grafik\\new.png"), S_OK);
    ASSERT_NE(sprite.GetTexture(), nullptr);
    EXPECT_EQ(sprite.GetTexture()->Width(), 5u);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 1); // the old one was released

    IDirect3DTexture9* kept = sprite.GetTexture();
    EXPECT_EQ(sprite.LoadTexture("Grafik//gone.png"), S_OK);
    EXPECT_EQ(sprite.GetTexture(), kept);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 1);
    sprite.Release();
}

TEST_F(SpriteTest, DrawBindsItsOwnBufferAndTextureOnlyWhenLoadedAndVisible) {
    ScratchFolder folder;
    folder.AddImage("a.png", 3);
    Sprite sprite;
    d3d9_testing::startRecording(Device());
    EXPECT_EQ(sprite.Draw(0.1f), E_FAIL);
    EXPECT_TRUE(Draws().empty());

    ASSERT_EQ(sprite.Load("Grafik//a.png", 0, 0, 8, 8), S_OK);
    sprite.SetVisible(0);
    EXPECT_EQ(sprite.Draw(0.1f), S_OK);
    EXPECT_TRUE(Draws().empty());

    sprite.SetVisible(2); // any non-zero value shows it
    EXPECT_EQ(sprite.Draw(0.1f), S_OK);
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_EQ(Draws()[0].texture, sprite.GetTexture());
    EXPECT_EQ(Draws()[0].stream, sprite.GetVertexBuffer());
    EXPECT_EQ(Draws()[0].type, D3DPT_TRIANGLELIST);
    EXPECT_EQ(Draws()[0].startVertex, 0u);
    EXPECT_EQ(Draws()[0].primitiveCount, 2u);

    sprite.Release();
    EXPECT_EQ(sprite.Draw(0.1f), E_FAIL);
    EXPECT_EQ(Draws().size(), 1u);
}

TEST_F(SpriteTest, ReleaseKeepsGeometryAndAllowsANewLoad) {
    Sprite never;
    EXPECT_EQ(never.Release(), S_OK);
    EXPECT_EQ(never.IsLoaded(), 0);
    EXPECT_EQ(never.IsVisible(), 0);

    ScratchFolder folder;
    folder.AddImage("a.png", 3);
    Sprite sprite;
    ASSERT_EQ(sprite.Load("Grafik//a.png", 12, 34, 56, 78), S_OK);
    EXPECT_EQ(sprite.Release(), S_OK);
    EXPECT_EQ(sprite.Release(), S_OK);
    EXPECT_EQ(sprite.IsLoaded(), 0);
    EXPECT_EQ(sprite.IsVisible(), 0);
    EXPECT_EQ(sprite.GetTexture(), nullptr);
    EXPECT_EQ(sprite.GetVertexBuffer(), nullptr);
    EXPECT_EQ(sprite.GetX(), 12.0f);
    EXPECT_EQ(sprite.GetY(), 34.0f);
    EXPECT_EQ(sprite.GetWidth(), 56);
    EXPECT_EQ(sprite.GetHeight(), 78);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 0);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, 0);

    ASSERT_EQ(sprite.Load("Grafik//a.png", 4, 4, 8, 8), S_OK);
    EXPECT_NE(sprite.GetTexture(), nullptr);
    ExpectQuad(BufferVertices(sprite), 4, 4, 8, 8);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 1);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, 1);
    sprite.Release();
}

TEST_F(SpriteTest, FailedBufferLeavesTheSpriteUnloadedUntilReleased) {
    ScratchFolder folder;
    folder.AddImage("a.png", 3);
    Sprite noBuffer;
    d3d9_testing::faults().failCreateVertexBuffer = 1;
    EXPECT_EQ(noBuffer.Load("Grafik//a.png", 0, 0, 8, 8), E_FAIL);
    EXPECT_EQ(noBuffer.IsLoaded(), 0);
    EXPECT_NE(noBuffer.GetTexture(), nullptr); // held until Release
    EXPECT_EQ(noBuffer.Draw(0), E_FAIL);
    noBuffer.Release();

    // A buffer that cannot be filled stays held; loading again replaces it
    // rather than losing it.
    Sprite noLock;
    d3d9_testing::faults().failVertexBufferLock = 1;
    EXPECT_EQ(noLock.Load("Grafik//a.png", 0, 0, 8, 8), E_FAIL);
    EXPECT_EQ(noLock.IsLoaded(), 0);
    EXPECT_NE(noLock.GetVertexBuffer(), nullptr);
    EXPECT_EQ(noLock.Load("Grafik//a.png", 0, 0, 8, 8), S_OK);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, 1);
    EXPECT_EQ(d3d9_testing::liveObjects().textures, 1);
    noLock.Release();
}

TEST(SpriteWithoutDevice, LoadAndDrawFailInsteadOfCrashing) {
    ASSERT_EQ(g_graphics.GetDevice(), nullptr);
    Sprite sprite;
    EXPECT_EQ(sprite.Load("Grafik//none.png", 0, 0, 8, 8), E_FAIL);
    EXPECT_EQ(sprite.IsLoaded(), 0);
    EXPECT_EQ(sprite.Draw(0), E_FAIL);
    EXPECT_EQ(sprite.Release(), S_OK);
}

} // namespace
