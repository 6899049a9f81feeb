#include "tests/game/board_test_support.h"

#include <string>

namespace {

// Where the click lands with a fresh board: the selected hole, or -1.
int SelectedAfterClick(Board& board, int x, int y) {
    board.Reset();
    board.Click(x, y);
    return board.hasSelection ? board.selectedHole : -1;
}

// A visible label at (x, y) showing the image of the given width, or null.
Popup* LabelAt(Board& board, float x, float y, int imageWidth) {
    for (Popup& slot : board.popups.slots)
        if (slot.IsVisible() && slot.GetX() == x && slot.GetY() == y &&
            ImageWidth(slot) == imageWidth)
            return &slot;
    return nullptr;
}

// The hole at a column and row of the cross (both 0 to 6), numbered row by
// row; -1 off the cross.
int HoleAt(int column, int row) {
    static const int kFirstOfRow[7] = {0, 3, 6, 13, 20, 27, 30};
    const bool wideRow = row >= 2 && row <= 4;
    if (row < 0 || row > 6 || column < (wideRow ? 0 : 2) || column > (wideRow ? 6 : 4))
        return -1;
    return kFirstOfRow[row] + column - (wideRow ? 0 : 2);
}

// A game that leaves one peg, with one chain of three jumps ({3, 15}, {15, 17},
// {17, 5}) and a few of two: from and to of each jump.
const int kSolution[31][2] = {{4, 16},  {7, 9},   {0, 8},   {2, 0},   {9, 7},   {6, 8},   {10, 2},
                              {12, 10}, {15, 3},  {0, 8},   {13, 15}, {15, 3},  {17, 5},  {2, 10},
                              {25, 11}, {23, 25}, {26, 12}, {27, 15}, {20, 22}, {22, 8},  {3, 15},
                              {15, 17}, {17, 5},  {12, 10}, {5, 17},  {32, 24}, {17, 29}, {30, 32},
                              {32, 24}, {25, 23}, {23, 31}};

int PointsFor(int pegsLeft) {
    if (pegsLeft == 1)
        return 2950;
    if (pegsLeft == 2)
        return 950;
    if (pegsLeft <= 5)
        return 200;
    if (pegsLeft <= 15)
        return 100;
    return 50;
}

} // namespace

TEST_F(BoardDeviceTest, ClicksHitTheHoleWhosePitchSquareHoldsThem) {
    EXPECT_EQ(SelectedAfterClick(board, 341, 100), 2);
    EXPECT_EQ(SelectedAfterClick(board, 342, 100), -1);
    EXPECT_EQ(SelectedAfterClick(board, 449, 220), 12);
    EXPECT_EQ(SelectedAfterClick(board, 450, 220), -1);
    EXPECT_EQ(SelectedAfterClick(board, 200, 467), 30);
    EXPECT_EQ(SelectedAfterClick(board, 200, 468), -1);
    // Above or left of the cross still counts for the first row or cell.
    EXPECT_EQ(SelectedAfterClick(board, 200, 50), 0);
    EXPECT_EQ(SelectedAfterClick(board, 100, 100), 0);
    EXPECT_EQ(SelectedAfterClick(board, 40, 220), 6);
    EXPECT_EQ(SelectedAfterClick(board, -500, -500), 0);
    EXPECT_EQ(SelectedAfterClick(board, 232, 100), 0);
    EXPECT_EQ(SelectedAfterClick(board, 233, 100), 0);
    EXPECT_EQ(SelectedAfterClick(board, 234, 100), 1);
}

TEST_F(BoardDeviceTest, FirstMoveJumpsIntoTheCentre) {
    ClickHole(board, 16); // empty, and nothing is selected yet
    EXPECT_EQ(board.hasSelection, 0);
    EXPECT_EQ(VisibleLabels(board), 0);

    PlayJump(board, 4, 16);
    EXPECT_EQ(board.holes[4].empty, 1);
    EXPECT_EQ(board.holes[9].empty, 1);
    EXPECT_EQ(board.holes[16].empty, 0);
    EXPECT_EQ(board.holes[16].selected, 1);
    EXPECT_EQ(board.holes[4].selected, 0);
    EXPECT_EQ(board.selectedHole, 16);
    EXPECT_EQ(board.GetMoves(), 1);
    EXPECT_EQ(board.GetPegsLeft(), 31);
    EXPECT_EQ(board.GetScore(), 50);
    EXPECT_EQ(board.GetCombo(), 1);
    EXPECT_EQ(VisibleLabels(board), 1);
    Popup* label = LabelAt(board, 214, 242, 50);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetRise(), 1.5f);
    EXPECT_EQ(board.CheckGameOver(), 0);
}

TEST_F(BoardDeviceTest, JumpPointsFollowThePegsLeftAfterTheJump) {
    const struct {
        int pegsLeftBefore;
        int points;
        int labelWidth; // 0: no label
    } rows[] = {{2, 2950, 3000},
                {3, 950, 1000},
                {4, 200, 250},
                {6, 200, 250},
                {7, 100, 150},
                {16, 100, 150},
                {17, 50, 50},
                {32, 50, 50},
                // Never reached in play: below one peg is no top prize, above
                // 31 pays nothing.
                {1, 950, 1000},
                {0, 950, 1000},
                {33, 0, 0}};
    for (const auto& row : rows) {
        board.Reset();
        board.selectedHole = 16;
        board.chainActive = 1;
        board.pegsLeft = row.pegsLeftBefore;
        board.ScoreJump(9);
        EXPECT_EQ(board.GetPegsLeft(), row.pegsLeftBefore - 1);
        EXPECT_EQ(board.GetScore(), row.points) << row.pegsLeftBefore << " pegs before";
        EXPECT_EQ(VisibleLabels(board), row.labelWidth ? 1 : 0) << row.pegsLeftBefore;
        if (row.labelWidth) {
            float x = row.labelWidth == 50 ? 214.0f : 234.0f;
            float y = row.labelWidth == 50 ? 242.0f : 252.0f;
            EXPECT_NE(LabelAt(board, x, y, row.labelWidth), nullptr) << row.pegsLeftBefore;
        }
    }
}

TEST_F(BoardDeviceTest, ANewGameForgetsTheSelectionAndTheLabels) {
    PlayJump(board, 28, 16);
    ClickHole(board, 4); // selected, two cells above the centre
    ASSERT_GT(VisibleLabels(board), 0);
    board.Reset();
    EXPECT_EQ(VisibleLabels(board), 0);
    ClickHole(board, 16);
    EXPECT_EQ(board.holes[16].empty, 1);
    EXPECT_EQ(board.holes[4].empty, 0);
    EXPECT_EQ(board.holes[4].selected, 0);
    EXPECT_EQ(board.GetMoves(), 0);
    ClickHole(board, 4);
    ClickHole(board, 16);
    EXPECT_EQ(board.GetMoves(), 1);
}

TEST_F(BoardDeviceTest, ClicksThatAreNoJumpChangeNothing) {
    PlacePegs(board, {4, 9, 17, 10, 25, 30});
    board.holes[30].hot = 1;
    PlayJump(board, 4, 16);
    ASSERT_EQ(board.GetCombo(), 1);
    for (int hole : {15, 14, 13, 16, 30, 31}) // one away, two with none between, three,
        ClickHole(board, hole);               // itself, the hot peg, off line
    EXPECT_EQ(board.selectedHole, 16);
    EXPECT_EQ(board.holes[16].selected, 1);
    EXPECT_EQ(board.holes[30].selected, 0);
    EXPECT_EQ(board.chainActive, 1);
    EXPECT_EQ(board.GetCombo(), 1);
    EXPECT_EQ(board.GetMoves(), 1);

    PlayJump(board, 16, 18);
    EXPECT_EQ(board.GetCombo(), 2);
    ClickHole(board, 4); // two cells away diagonally, a peg on the diagonal
    EXPECT_EQ(board.holes[4].empty, 1);
    EXPECT_EQ(board.GetMoves(), 2);

    // Two jumps earn no chain bonus.
    int score = board.GetScore();
    ClickHole(board, 25);
    EXPECT_EQ(board.selectedHole, 25);
    EXPECT_EQ(board.holes[18].selected, 0);
    EXPECT_EQ(board.GetScore(), score);
    EXPECT_EQ(board.GetCombo(), 0);
}

TEST_F(BoardDeviceTest, ThreeOrMoreJumpsOfOnePegPayOneBonusAtTheNextSelection) {
    PlacePegs(board, {13, 14, 16, 18, 0});
    PlayJump(board, 13, 15);
    PlayJump(board, 15, 17);
    PlayJump(board, 17, 19);
    EXPECT_EQ(board.GetCombo(), 3);
    int score = board.GetScore();
    board.HidePopups();
    ClickHole(board, 0);
    EXPECT_EQ(board.GetScore(), score + 250);
    EXPECT_EQ(board.GetCombo(), 0);
    EXPECT_EQ(VisibleLabels(board), 2);
    Popup* points = LabelAt(board, 180, 90, 250);
    Popup* combo = LabelAt(board, 200, 95, 7);
    ASSERT_NE(points, nullptr);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(points->GetRise(), 2.0f);
    EXPECT_EQ(combo->GetRise(), 1.0f);
    EXPECT_LT(points, combo); // the points label first
    ClickHole(board, 19);
    EXPECT_EQ(board.GetScore(), score + 250);

    PlacePegs(board, {6, 7, 9, 17, 23, 15, 3, 30});
    board.score = 0;
    const int path[] = {6, 8, 10, 24, 22, 8, 0};
    for (int i = 0; i + 1 < 7; ++i)
        PlayJump(board, path[i], path[i + 1]);
    EXPECT_EQ(board.GetCombo(), 6);
    EXPECT_EQ(board.holes[0].empty, 0);
    score = board.GetScore();
    ClickHole(board, 30);
    EXPECT_EQ(board.GetScore(), score + 250);
}

TEST_F(BoardDeviceTest, ChainBonusAtTheEndIsPaidOnce) {
    // No jump left after the third jump of a chain.
    PlacePegs(board, {13, 14, 16, 18});
    PlayJump(board, 13, 15);
    PlayJump(board, 15, 17);
    EXPECT_EQ(board.CheckGameOver(), 0);
    PlayJump(board, 17, 19);
    EXPECT_EQ(board.GetScore(), 200 + 950 + 2950);
    EXPECT_EQ(board.CheckGameOver(), 1);
    EXPECT_EQ(board.GetScore(), 4100 + 250);
    EXPECT_EQ(board.GetCombo(), 0);
    EXPECT_EQ(board.GetFinalScore(), 4350);

    // The clock runs out while the chain runs, with jumps still left.
    board.Reset();
    PlacePegs(board, {13, 14, 16, 18, 0, 1});
    PlayJump(board, 13, 15);
    PlayJump(board, 15, 17);
    PlayJump(board, 17, 19);
    int score = board.GetScore();
    EXPECT_EQ(board.GetFinalScore(), score + 250);
    EXPECT_EQ(board.GetFinalScore(), score + 250);
    EXPECT_EQ(board.CheckGameOver(), 0);
    EXPECT_EQ(board.GetScore(), score + 250);
}

TEST_F(BoardDeviceTest, TheHotPegCannotBeSelectedAndPaysWhenJumpedOver) {
    PlacePegs(board, {4, 9});
    StartHotRun(board.hotButton, 9);
    board.holes[9].hot = 1;
    ClickHole(board, 9);
    EXPECT_EQ(board.hasSelection, 0);
    // A jump only the hot peg could make still keeps the game going.
    PlacePegs(board, {13, 14});
    board.holes[13].hot = 1;
    EXPECT_EQ(board.CheckGameOver(), 0);

    PlacePegs(board, {4, 9});
    PlayJump(board, 4, 16);
    EXPECT_EQ(board.GetScore(), 2950 + 300);
    EXPECT_NE(LabelAt(board, 234, 252, 3000), nullptr);
    Popup* bonus = LabelAt(board, 274, 257, 300);
    ASSERT_NE(bonus, nullptr);
    EXPECT_EQ(bonus->GetRise(), 1.0f);
    EXPECT_EQ(board.holes[9].hot, 0);
    EXPECT_EQ(board.hotButton.IsBlinking(), 0);
    EXPECT_EQ(board.hotButton.IsActive(), 1); // until the next update
    board.Update(0.0f);
    EXPECT_EQ(board.hotButton.IsActive(), 0);
}

// Every jump the cross allows, each on a board where it is the only one: the
// peg that jumps, the peg it jumps over and, where there is a hole behind the
// jumper, a peg there that blocks the jump back. The game is not over until a
// player's two clicks make that jump; then it is.
TEST_F(BoardDeviceTest, EachOfTheSeventySixJumpsAloneKeepsTheGameGoingUntilMade) {
    const int dx[4] = {-1, 0, 1, 0}; // left, up, right, down
    const int dy[4] = {0, -1, 0, 1};
    int positions = 0;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 7; ++column) {
            for (int d = 0; d < 4; ++d) {
                const int from = HoleAt(column, row);
                const int over = HoleAt(column + dx[d], row + dy[d]);
                const int onto = HoleAt(column + 2 * dx[d], row + 2 * dy[d]);
                const int behind = HoleAt(column - dx[d], row - dy[d]);
                if (from < 0 || over < 0 || onto < 0)
                    continue;
                ++positions;
                std::vector<int> pegs = {from, over};
                if (behind >= 0)
                    pegs.push_back(behind);
                PlacePegs(board, pegs);
                const std::string jump = std::to_string(from) + " over " + std::to_string(over) +
                                         " into " + std::to_string(onto);
                EXPECT_EQ(board.CheckGameOver(), 0) << jump;
                PlayJump(board, from, onto);
                EXPECT_EQ(board.holes[onto].empty, 0) << jump;
                EXPECT_EQ(board.holes[over].empty, 1) << jump;
                EXPECT_EQ(board.CheckGameOver(), 1) << jump;
            }
        }
    }
    EXPECT_EQ(positions, 76);
}

// The bonus follows the badge's own state, not the hole's flag; the two part
// when a run has just been captured or a flag was left behind.
TEST_F(BoardDeviceTest, OnlyAJumpOverTheHoleUnderAnActiveBadgePaysTheHotPegBonus) {
    const struct {
        int active;
        int badgeHole;
        int hotFlag;
        int bonus;
    } cases[] = {
        {1, 9, 1, 300}, {1, 9, 0, 300}, {0, 9, 1, 0}, {1, 10, 1, 0}, {0, 9, 0, 0},
    };
    for (const auto& c : cases) {
        board.Reset();
        PlacePegs(board, {4, 9, 10});
        StartHotRun(board.hotButton, c.badgeHole);
        board.hotButton.active = c.active;
        board.hotButton.blinking = c.active;
        board.holes[9].hot = c.hotFlag;
        PlayJump(board, 4, 16);
        EXPECT_EQ(board.GetScore(), 950 + c.bonus) << "badge " << (c.active ? "on " : "gone from ")
                                                   << c.badgeHole << ", flag " << c.hotFlag;
        EXPECT_EQ(board.hotButton.IsBlinking(), c.bonus ? 0 : c.active);
    }
}

TEST_F(BoardDeviceTest, AWholeGameAlongASolutionScoresEveryJumpAndChain) {
    int expected = 0, chain = 0, lastLanding = -1, bonuses = 0;
    int jumpsPaying[5] = {}; // 50, 100, 200, 950, 2950
    const int table[5] = {50, 100, 200, 950, 2950};
    for (int i = 0; i < 31; ++i) {
        const int from = kSolution[i][0], to = kSolution[i][1];
        if (from != lastLanding) {
            if (chain >= 3) {
                expected += 250;
                ++bonuses;
            }
            chain = 0;
            ClickHole(board, from);
        }
        EXPECT_EQ(board.GetScore(), expected) << "move " << i;
        ClickHole(board, to);
        ASSERT_EQ(board.GetMoves(), i + 1) << "move " << i;
        int points = board.GetScore() - expected;
        EXPECT_EQ(points, PointsFor(32 - i - 1)) << "move " << i;
        for (int k = 0; k < 5; ++k)
            jumpsPaying[k] += points == table[k];
        expected += points;
        ++chain;
        lastLanding = to;
        if (i < 30) {
            ASSERT_EQ(board.CheckGameOver(), 0) << "move " << i;
        }
    }
    EXPECT_EQ(bonuses, 1);
    EXPECT_EQ(jumpsPaying[0], 16);
    EXPECT_EQ(jumpsPaying[1], 10);
    EXPECT_EQ(jumpsPaying[2], 3);
    EXPECT_EQ(jumpsPaying[3], 1);
    EXPECT_EQ(jumpsPaying[4], 1);
    EXPECT_EQ(board.CheckGameOver(), 1);
    EXPECT_EQ(board.GetScore(), expected);
    EXPECT_EQ(board.GetFinalScore(), expected);
    EXPECT_EQ(board.GetPegsLeft(), 1);
}
