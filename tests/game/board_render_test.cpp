#include "tests/game/board_test_support.h"

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
    ScriptedDraws::Serve(board.hotButton.random);
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

// One channel of a texel blended over the target by its alpha.
uint32_t BlendChannel(uint32_t source, uint32_t target, uint32_t alpha, int shift) {
    uint32_t s = (source >> shift) & 0xFF, t = (target >> shift) & 0xFF;
    return ((s * alpha + t * (255 - alpha) + 127) / 255) << shift;
}

uint32_t BlendOver(uint32_t texel, uint32_t target) {
    uint32_t alpha = texel >> 24;
    return 0xFF000000 | BlendChannel(texel, target, alpha, 16) |
           BlendChannel(texel, target, alpha, 8) | BlendChannel(texel, target, alpha, 0);
}

// A frame of a game in play, as the player sees it: each hole in the colour of
// its state, the half-transparent badge over the hot peg and its overhang, and
// the labels over everything.
TEST_F(BoardDeviceTest, FrameOfABoardInPlayShowsEachHoleTheBadgeAndTheLabels) {
    const uint32_t black = 0xFF000000, hole = 0xFF402010, peg = 0xFFE0E0E0, selected = 0xFFE0C000,
                   badge = 0x80FF2000, label = 0xFF00FF00;
    PlayJump(board, 4, 16);
    PlayJump(board, 11, 9);
    PlayJump(board, 2, 10);
    ClickHole(board, 28);
    board.popups.Update(0.2f);
    ScriptedDraws::AddBadgeOn(24);
    board.Update(0.0f);
    board.hotButton.SetVisible(1);

    ASSERT_EQ(g_graphics.EndScene(), S_OK); // the fixture's scene
    g_graphics.Clear(black);
    g_graphics.BeginScene();
    EXPECT_EQ(board.Render(0.0f), S_OK);
    g_graphics.EndScene();
    ASSERT_EQ(g_graphics.Present(), S_OK);
    g_graphics.BeginScene();
    EXPECT_TRUE(WriteSurfacePng(window.surface, scratch.Path("board-frame.png").c_str()));
    const PresentSurface& frame = window.surface;
    ASSERT_EQ(frame.frameWidth, 600);
    auto pixel = [&frame](int x, int y) { return frame.frame[(size_t)y * frame.frameWidth + x]; };
    auto underLabel = [this](int x, int y) {
        for (Popup& slot : board.popups.slots)
            if (slot.IsVisible() && x >= slot.GetX() && x < slot.GetX() + kPopupWidth &&
                y >= slot.GetY() && y < slot.GetY() + kPopupHeight)
                return true;
        return false;
    };

    int labelled = 0;
    for (int i = 0; i < kBoardHoles; ++i) {
        const Hole& h = board.holes[i];
        const int x = (int)h.x + 25, y = (int)h.y + 25;
        uint32_t expected = h.empty ? hole : h.selected ? selected : peg;
        if (i == 24)
            expected = BlendOver(badge, peg);
        if (underLabel(x, y)) {
            expected = label;
            ++labelled;
        }
        EXPECT_EQ(pixel(x, y), expected) << "hole " << i;
    }
    EXPECT_GT(labelled, 0);
    EXPECT_EQ(pixel(340, 330), BlendOver(badge, black)); // the badge's overhang
    EXPECT_EQ(pixel(349, 330), peg);                     // hole 25, past the badge
    EXPECT_EQ(pixel(60, 60), black);                     // off the board
}
