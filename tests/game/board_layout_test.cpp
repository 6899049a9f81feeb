#include "Board.h"

#include <gtest/gtest.h>

namespace {

void ExpectVertex(const Vertex& v, float x, float y, float u, float w) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, 0.5f);
    EXPECT_EQ(v.rhw, 1.0f);
    EXPECT_EQ(v.u, u);
    EXPECT_EQ(v.v, w);
}

} // namespace

TEST(BoardLayout, CellsFormTheCrossRowByRow) {
    Board board;
    board.BuildLayout();
    const struct {
        int hole;
        float x, y;
    } corners[] = {{0, 180, 90},   {2, 288, 90},   {3, 180, 144},  {6, 72, 198},
                   {12, 396, 198}, {16, 234, 252}, {19, 396, 252}, {20, 72, 306},
                   {27, 180, 360}, {30, 180, 414}, {32, 288, 414}};
    for (const auto& c : corners) {
        EXPECT_EQ(board.holes[c.hole].x, c.x) << "hole " << c.hole;
        EXPECT_EQ(board.holes[c.hole].y, c.y) << "hole " << c.hole;
    }
    for (int i = 0; i < kBoardHoles; ++i) {
        const Hole& hole = board.holes[i];
        const Vertex* cell = &board.vertices[6 * i];
        EXPECT_EQ(hole.firstVertex, 6 * i);
        ExpectVertex(cell[0], hole.x, hole.y, 0, 0);
        ExpectVertex(cell[1], hole.x + 50, hole.y, 1, 0);
        ExpectVertex(cell[2], hole.x, hole.y + 50, 0, 1);
        ExpectVertex(cell[3], hole.x + 50, hole.y, 1, 0);
        ExpectVertex(cell[4], hole.x + 50, hole.y + 50, 1, 1);
        ExpectVertex(cell[5], hole.x, hole.y + 50, 0, 1);
        if (i > 0 && hole.y == board.holes[i - 1].y) {
            EXPECT_EQ(hole.x, board.holes[i - 1].x + 54) << "hole " << i;
        }
    }
}

TEST(BoardLayout, NewGameHasEveryPegButTheCentre) {
    Board board;
    board.BuildLayout();
    board.score = 900;
    board.moves = 7;
    board.chainLength = 2;
    board.pegsLeft = 5;
    board.hasSelection = 1;
    board.selectedHole = 4;
    board.chainActive = 1;
    board.holes[4].selected = 1;
    board.holes[9].empty = 1;
    board.holes[10].hot = 1;
    board.Reset();
    for (int i = 0; i < kBoardHoles; ++i) {
        EXPECT_EQ(board.holes[i].empty, i == 16 ? 1 : 0) << "hole " << i;
        EXPECT_EQ(board.holes[i].selected, 0) << "hole " << i;
    }
    EXPECT_EQ(board.hasSelection, 0);
    EXPECT_EQ(board.GetScore(), 0);
    EXPECT_EQ(board.GetMoves(), 0);
    EXPECT_EQ(board.GetCombo(), 0);
    EXPECT_EQ(board.GetPegsLeft(), 32);
    // A hot peg and the old chain flag outlive the reset: the next update and
    // the next selection deal with them.
    EXPECT_EQ(board.holes[10].hot, 1);
    EXPECT_EQ(board.chainActive, 1);
    EXPECT_EQ(board.selectedHole, 4);
}

TEST(BoardLayout, NeighbourLinksAreTheAdjacentHolesAndMutual) {
    Board board;
    board.BuildLayout();
    const struct {
        int hole;
        int left, up, right, down;
    } links[] = {{16, 15, 9, 17, 23},  {0, -1, -1, 1, 3},    {3, -1, 0, 4, 8},
                 {6, -1, -1, 7, 13},   {8, 7, 3, 9, 15},     {20, -1, 13, 21, -1},
                 {28, 27, 23, 29, 31}, {32, 31, 29, -1, -1}, {12, 11, -1, -1, 19},
                 {30, -1, 27, 31, -1}, {2, 1, -1, -1, 5}};
    for (const auto& l : links) {
        const int* n = board.holes[l.hole].neighbour;
        EXPECT_EQ(n[kHoleLeft], l.left) << "hole " << l.hole;
        EXPECT_EQ(n[kHoleUp], l.up) << "hole " << l.hole;
        EXPECT_EQ(n[kHoleRight], l.right) << "hole " << l.hole;
        EXPECT_EQ(n[kHoleDown], l.down) << "hole " << l.hole;
    }
    const int opposite[kHoleDirections] = {kHoleRight, kHoleDown, kHoleLeft, kHoleUp};
    int links_found = 0;
    for (int i = 0; i < kBoardHoles; ++i) {
        for (int d = 0; d < kHoleDirections; ++d) {
            int n = board.holes[i].neighbour[d];
            if (n == kNoHole)
                continue;
            ++links_found;
            EXPECT_EQ(board.holes[n].neighbour[opposite[d]], i) << i << " direction " << d;
            float dx = board.holes[n].x - board.holes[i].x;
            float dy = board.holes[n].y - board.holes[i].y;
            EXPECT_EQ(dx * dx + dy * dy, 54.0f * 54.0f) << i << " direction " << d;
        }
    }
    // 52 adjacent pairs on the cross, each seen from both ends.
    EXPECT_EQ(links_found, 2 * 52);
}
