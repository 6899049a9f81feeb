#include "tests/game/board_test_support.h"

#include <cstdio>

namespace {

class BoardBeforeInitTest : public BoardDeviceTest {
protected:
    bool InitBoard() override { return false; }
};

const std::vector<d3d9_testing::DrawRecord>& RenderFrame(Board& board) {
    IDirect3DDevice9* device = g_graphics.GetDevice();
    d3d9_testing::startRecording(device);
    board.Render(0.0f);
    d3d9_testing::stopRecording(device);
    return d3d9_testing::drawLog(device);
}

void ExpectHoleDraws(const std::vector<d3d9_testing::DrawRecord>& draws, Board& board) {
    ASSERT_GE(draws.size(), 33u);
    for (int i = 0; i < kBoardHoles; ++i) {
        const Hole& hole = board.holes[i];
        IDirect3DTexture9* image = hole.empty      ? board.holeTexture
                                   : hole.selected ? board.activePegTexture
                                                   : board.pegTexture;
        EXPECT_EQ(draws[i].texture, image) << "hole " << i;
        EXPECT_EQ(draws[i].stream, board.vertexBuffer);
        EXPECT_EQ(draws[i].type, D3DPT_TRIANGLELIST);
        EXPECT_EQ(draws[i].startVertex, 6u * i);
        EXPECT_EQ(draws[i].primitiveCount, 2u);
    }
}

} // namespace

TEST_F(BoardDeviceTest, FrameDrawsHolesInOrderThenTheBadgeThenTheLabels) {
    ASSERT_NE(board.vertexBuffer, nullptr);
    ASSERT_EQ(board.vertexBuffer->Length(), 198 * sizeof(Vertex));
    EXPECT_EQ(std::memcmp(board.vertexBuffer->Bytes(), board.vertices, 198 * sizeof(Vertex)), 0);
    ASSERT_NE(board.holeTexture, nullptr);
    ASSERT_NE(board.pegTexture, board.holeTexture);
    ASSERT_NE(board.activePegTexture, board.pegTexture);
    // Opaque magenta would be see-through in the hole images; the images here
    // have none, so all three come through whole.
    EXPECT_EQ(board.holeTexture->Width(), 2u);

    // The badge is loaded at its size but hidden until a run shows it.
    EXPECT_EQ(board.hotButton.IsLoaded(), 1);
    EXPECT_EQ(board.hotButton.IsVisible(), 0);
    EXPECT_EQ(board.hotButton.GetWidth(), 60);
    EXPECT_EQ(board.hotButton.GetHeight(), 60);
    EXPECT_EQ(ImageWidth(board.hotButton), 6);
    EXPECT_EQ(board.hotButton.IsActive(), 0);

    // No badge and no label yet: just the 33 holes.
    ExpectHoleDraws(RenderFrame(board), board);
    EXPECT_EQ(RenderFrame(board).size(), 33u);

    PlayJump(board, 4, 16);
    StartHotRun(board.hotButton, 10);
    board.UpdateHotButton(0.0f);
    const std::vector<d3d9_testing::DrawRecord>& draws = RenderFrame(board);
    ExpectHoleDraws(draws, board);
    ASSERT_EQ(draws.size(), 35u);
    EXPECT_EQ(draws[16].texture, board.activePegTexture);
    EXPECT_EQ(draws[10].texture, board.pegTexture); // hot, drawn as a plain peg
    EXPECT_EQ(draws[33].stream, board.hotButton.GetVertexBuffer());
    EXPECT_EQ(draws[33].texture, board.hotButton.GetTexture());
    EXPECT_EQ(draws[33].startVertex, 0u);
    EXPECT_EQ(draws[33].primitiveCount, 2u);
    EXPECT_EQ(draws[34].stream, board.popups.slots[0].GetVertexBuffer());

    // A hidden badge or one whose run is over is not drawn.
    board.hotButton.SetVisible(0);
    EXPECT_EQ(RenderFrame(board).size(), 34u);
    board.hotButton.SetVisible(1);
    board.hotButton.active = 0;
    EXPECT_EQ(RenderFrame(board).size(), 34u);
}

TEST_F(BoardBeforeInitTest, RenderDrawsNothingUnlessInitialised) {
    EXPECT_EQ(RenderFrame(board).size(), 0u);
    EXPECT_EQ(board.Render(0.0f), E_FAIL);
    ASSERT_EQ(board.Init(), S_OK);
    EXPECT_EQ(board.IsInitialized(), 1);
    EXPECT_EQ(RenderFrame(board).size(), 33u);
    EXPECT_EQ(board.Release(), S_OK);
    EXPECT_EQ(board.IsInitialized(), 0);
    EXPECT_EQ(board.holeTexture, nullptr);
    EXPECT_EQ(board.vertexBuffer, nullptr);
    EXPECT_EQ(board.hotButton.GetTexture(), nullptr);
    EXPECT_EQ(board.popups.slots[31].IsLoaded(), 0);
    EXPECT_EQ(board.Render(0.0f), E_FAIL);
    EXPECT_EQ(RenderFrame(board).size(), 0u);
    EXPECT_EQ(board.Release(), S_OK);
}

TEST_F(BoardBeforeInitTest, MagentaIsSeeThroughInTheHoleImagesOnly) {
    for (const char* name : {"loch.png", "spielstein.png", "spielsteinaktiv.png"})
        ASSERT_TRUE(WriteSolidPng((root / "Grafik" / name).string(), 2, 2, 0xFFFF00FF));
    ASSERT_EQ(board.Init(), S_OK);
    ASSERT_NE(board.holeTexture, nullptr);
    ASSERT_NE(board.pegTexture, nullptr);
    ASSERT_NE(board.activePegTexture, nullptr);
    EXPECT_EQ(board.holeTexture->Texels()[0] >> 24, 0u);
    EXPECT_EQ(board.pegTexture->Texels()[0], 0xFFFF00FFu);
    EXPECT_EQ(board.activePegTexture->Texels()[0] >> 24, 0u);
    ASSERT_NE(board.vertexBuffer, nullptr);
    EXPECT_EQ(board.vertexBuffer->FVF(), (DWORD)(D3DFVF_XYZRHW | D3DFVF_TEX1));
}

TEST_F(BoardBeforeInitTest, MissingImagesLeaveTheBoardPlayable) {
    std::filesystem::remove_all(root / "Grafik");
    ASSERT_EQ(board.Init(), S_OK);
    EXPECT_EQ(board.holeTexture, nullptr);
    EXPECT_EQ(board.pegTexture, nullptr);
    const std::vector<d3d9_testing::DrawRecord>& draws = RenderFrame(board);
    ASSERT_EQ(draws.size(), 33u);
    EXPECT_EQ(draws[0].texture, nullptr);
    PlayJump(board, 4, 16);
    EXPECT_EQ(board.GetScore(), 50);
}

TEST_F(BoardBeforeInitTest, ABoardWithoutItsVertexBufferStaysPlayableAndDrawsWhenItCan) {
    // The buffer cannot be made at first: the holes are left out of the
    // frames, the rest of the board works, and a later frame makes it.
    d3d9_testing::faults().failCreateVertexBuffer = 1;
    ASSERT_EQ(board.Init(), S_OK);
    EXPECT_EQ(board.vertexBuffer, nullptr);
    EXPECT_EQ(board.popups.slots[0].IsLoaded(), 1);
    PlayJump(board, 4, 16);
    EXPECT_EQ(board.GetScore(), 50);
    d3d9_testing::faults().failCreateVertexBuffer = 3;
    const size_t labelOnly = RenderFrame(board).size();
    EXPECT_EQ(labelOnly, 1u);
    EXPECT_EQ(RenderFrame(board).size(), 1u);
    EXPECT_EQ(RenderFrame(board).size(), 1u);
    ExpectHoleDraws(RenderFrame(board), board);
    EXPECT_EQ(RenderFrame(board).size(), 34u);
    board.Release();

    // A buffer that cannot be filled is not drawn from either.
    d3d9_testing::faults().failVertexBufferLock = 1;
    ASSERT_EQ(board.Init(), S_OK);
    EXPECT_EQ(board.vertexBuffer, nullptr);
    ExpectHoleDraws(RenderFrame(board), board);
    EXPECT_EQ(std::memcmp(board.vertexBuffer->Bytes(), board.vertices, 198 * sizeof(Vertex)), 0);
}

TEST(BoardWithoutDevice, PlaysAndDrawsNothingWithoutCrashing) {
    ASSERT_EQ(g_graphics.GetDevice(), nullptr);
    Board board;
    ASSERT_EQ(board.Init(), S_OK);
    EXPECT_EQ(board.vertexBuffer, nullptr);
    PlayJump(board, 4, 16);
    EXPECT_EQ(board.GetScore(), 50);
    StartHotRun(board.hotButton, 10);
    board.Update(0.1f);
    EXPECT_EQ(board.Render(0.0f), S_OK);
    EXPECT_EQ(board.vertexBuffer, nullptr);
    EXPECT_EQ(board.Release(), S_OK);
}

// A frame of a game in play with the real artwork, written as a PNG to look at.
TEST_F(BoardBeforeInitTest, HeadlessFrameOfABoardInPlay) {
    here.reset();
    ASSERT_EQ(board.Init(), S_OK);
    PlayJump(board, 4, 16);
    PlayJump(board, 11, 9);
    PlayJump(board, 2, 10);
    ClickHole(board, 28);
    board.popups.Update(0.2f);
    StartHotRun(board.hotButton, 24);
    board.hotButton.SetPosition(board.holes[24].x, board.holes[24].y);
    board.UpdateHotButton(0.0f);

    g_graphics.Clear(0xFF000000);
    g_graphics.BeginScene();
    EXPECT_EQ(board.Render(0.0f), S_OK);
    g_graphics.EndScene();
    g_graphics.Present();
    std::string path = scratch.Path("board-frame.png");
    ASSERT_TRUE(WriteSurfacePng(window.surface, path.c_str()));
    std::printf("board frame: %s\n", path.c_str());
    EXPECT_EQ(window.surface.frameWidth, 600);
    EXPECT_EQ(window.surface.frameHeight, 600);
}
