#include "tests/game/board_test_support.h"

namespace {

std::vector<Vertex> QuadOf(Sprite& sprite) {
    std::vector<Vertex> quad(6);
    IDirect3DVertexBuffer9* buffer = sprite.GetVertexBuffer();
    if (buffer && buffer->Length() >= 6 * sizeof(Vertex))
        std::memcpy(quad.data(), buffer->Bytes(), 6 * sizeof(Vertex));
    return quad;
}

} // namespace

TEST_F(BoardDeviceTest, EverySlotStartsHiddenWithItsOwnQuadAndImage) {
    for (int i = 0; i < kPopupSlots; ++i) {
        Popup& slot = board.popups.slots[i];
        EXPECT_EQ(slot.IsLoaded(), 1);
        EXPECT_EQ(slot.IsVisible(), 0);
        EXPECT_EQ(slot.GetRise(), 0.0f);
        EXPECT_EQ(ImageWidth(slot), 50);
        for (int j = 0; j < i; ++j) {
            EXPECT_NE(slot.GetTexture(), board.popups.slots[j].GetTexture());
            EXPECT_NE(slot.GetVertexBuffer(), board.popups.slots[j].GetVertexBuffer());
        }
    }
    // Any image is stretched over the 75 x 30 quad.
    board.popups.Spawn("Grafik//3000p.png", 100.0f, 200.0f, 0.0f);
    std::vector<Vertex> quad = QuadOf(board.popups.slots[0]);
    EXPECT_EQ(quad[0].x, 100.0f);
    EXPECT_EQ(quad[0].y, 200.0f);
    EXPECT_EQ(quad[4].x, 175.0f);
    EXPECT_EQ(quad[4].y, 230.0f);
    EXPECT_EQ(ImageWidth(board.popups.slots[0]), 3000);
}

TEST_F(BoardDeviceTest, SpawnTakesTheFirstFreeSlotAndFailsWhenAllRise) {
    PopupPool& pool = board.popups;
    for (int i = 0; i < kPopupSlots; ++i)
        ASSERT_EQ(pool.Spawn("Grafik//150p.png", (float)i, 300.0f, 1.5f), S_OK);
    EXPECT_EQ(pool.Spawn("Grafik//250p.png", 500.0f, 500.0f, 2.0f), E_FAIL);
    for (int i = 0; i < kPopupSlots; ++i) {
        EXPECT_EQ(pool.slots[i].IsVisible(), 1);
        EXPECT_EQ(pool.slots[i].GetX(), (float)i);
        EXPECT_EQ(pool.slots[i].GetY(), 300.0f);
        EXPECT_EQ(ImageWidth(pool.slots[i]), 150);
    }
    pool.slots[5].SetVisible(0);
    pool.slots[0].SetVisible(0);
    EXPECT_EQ(pool.Spawn("Grafik//250p.png", 60.0f, 70.0f, 2.0f), S_OK);
    EXPECT_EQ(pool.slots[0].GetX(), 60.0f);
    EXPECT_EQ(pool.slots[0].GetRise(), 2.0f);
    EXPECT_EQ(ImageWidth(pool.slots[0]), 250);
    EXPECT_EQ(pool.slots[5].IsVisible(), 0);
}

TEST_F(BoardDeviceTest, LabelsRiseByTimeAndByTheirExtraRise) {
    PopupPool& pool = board.popups;
    pool.Spawn("Grafik//50p.png", 10.0f, 100.0f, 1.5f);
    pool.Update(0.0f);
    EXPECT_EQ(pool.slots[0].GetY(), 98.5f);
    pool.Update(0.25f);
    EXPECT_EQ(pool.slots[0].GetY(), 72.0f);
    EXPECT_EQ(pool.slots[0].GetX(), 10.0f);
    EXPECT_EQ(QuadOf(pool.slots[0])[0].y, 72.0f);

    // Exactly 0.0 hides the label in that update, and it is not drawn.
    pool.HideAll();
    pool.Spawn("Grafik//50p.png", 20.0f, 51.5f, 1.5f);
    pool.Spawn("Grafik//50p.png", 20.0f, 52.0f, 1.5f);
    pool.Update(0.5f);
    EXPECT_EQ(pool.slots[0].GetY(), 0.0f);
    EXPECT_EQ(pool.slots[0].IsVisible(), 0);
    EXPECT_EQ(pool.slots[1].GetY(), 0.5f);
    EXPECT_EQ(pool.slots[1].IsVisible(), 1);
    d3d9_testing::startRecording(Device());
    pool.Draw(0.0f);
    ASSERT_EQ(d3d9_testing::drawLog(Device()).size(), 1u);
    EXPECT_EQ(d3d9_testing::drawLog(Device())[0].stream, pool.slots[1].GetVertexBuffer());
    d3d9_testing::stopRecording(Device());
}

TEST_F(BoardDeviceTest, AnImageThatFailsToLoadLeavesTheOldPicture) {
    PopupPool& pool = board.popups;
    IDirect3DTexture9* initial = pool.slots[0].GetTexture();
    pool.Spawn("Grafik//nothing-here.png", 30.0f, 40.0f, 1.0f);
    EXPECT_EQ(pool.slots[0].GetTexture(), initial);
    EXPECT_EQ(pool.slots[0].IsVisible(), 1);
    EXPECT_EQ(pool.slots[0].GetY(), 40.0f);

    pool.slots[0].SetVisible(0);
    pool.Spawn("Grafik//combo.png", 30.0f, 40.0f, 1.0f);
    IDirect3DTexture9* combo = pool.slots[0].GetTexture();
    EXPECT_EQ(ImageWidth(pool.slots[0]), 7);
    pool.slots[0].SetVisible(0);
    pool.Spawn("Grafik//nothing-here.png", 30.0f, 40.0f, 1.0f);
    EXPECT_EQ(pool.slots[0].GetTexture(), combo);
}

TEST_F(BoardDeviceTest, ManyGamesOfLabelsHoldOneTexturePerSlot) {
    const int held = d3d9_testing::liveObjects().textures;
    const int buffers = d3d9_testing::liveObjects().vertexBuffers;
    const char* images[] = {"Grafik//50p.png", "Grafik//150p.png", "Grafik//combo.png",
                            "Grafik//missing.png"};
    for (int game = 0; game < 20; ++game) {
        for (int i = 0; i < 40; ++i)
            board.popups.Spawn(images[i % 4], 100.0f, 300.0f, 1.5f);
        board.popups.Update(0.1f);
        board.Reset();
    }
    EXPECT_EQ(d3d9_testing::liveObjects().textures, held);
    EXPECT_EQ(d3d9_testing::liveObjects().vertexBuffers, buffers);
}
