// The jump rule: what a click selects or jumps, what a jump scores, chains,
// and whether any jump is left.
#include "Board.h"

#include <limits>

namespace {

const float kJumpDistance = 2 * kCellPitch;

// Points for a jump, by the pegs left after it; the first row that fits pays.
// The top prize is for exactly one peg left; a smaller count pays as "two or fewer".
struct JumpReward {
    int fewestPegsLeft;
    int mostPegsLeft;
    int points;
    const char* label;
    float labelDx;
    float labelDy;
};
const int kAnyPegsLeft = std::numeric_limits<int>::min();
const JumpReward kJumpRewards[] = {
    {1, 1, 2950, "Grafik//3000p.png", 0.0f, 0.0f},
    {kAnyPegsLeft, 2, 950, "Grafik//1000p.png", 0.0f, 0.0f},
    {kAnyPegsLeft, 5, 200, "Grafik//250p.png", 0.0f, 0.0f},
    {kAnyPegsLeft, 15, 100, "Grafik//150p.png", 0.0f, 0.0f},
    {kAnyPegsLeft, 31, 50, "Grafik//50p.png", -20.0f, -10.0f},
};
const float kJumpLabelRise = 1.5f;

const int kHotPegBonus = 300;
const int kChainBonus = 250;
const int kChainBonusMinJumps = 3;

} // namespace

// The hole whose pitch square holds the point: the row first, then the cell in
// it. Points above or left of the cross belong to the first row or cell.
int Board::HitTest(int x, int y) {
    int row = 0;
    while (row < kBoardHoles && !(y < holes[row].y + kCellPitch)) {
        ++row;
    }
    for (int i = row; i < kBoardHoles && holes[i].y == holes[row].y; ++i) {
        if (x < holes[i].x + kCellPitch) {
            return i;
        }
    }
    return kNoHole;
}

HRESULT Board::Click(int x, int y) {
    int target = HitTest(x, y);
    if (target == kNoHole) {
        return S_OK;
    }
    const Hole& hole = holes[target];
    if (!hole.empty) {
        if (!hole.selected && !hole.hot) {
            Select(target);
        }
        return S_OK;
    }
    if (!hasSelection) {
        return S_OK;
    }
    int middle = FindJumpMiddle(selectedHole, target);
    if (middle != kNoHole) {
        Jump(selectedHole, middle, target);
    }
    return S_OK;
}

// Choosing another peg ends the running chain; its bonus shows at the new peg.
void Board::Select(int hole) {
    if (hasSelection) {
        holes[selectedHole].selected = 0;
    }
    holes[hole].selected = 1;
    selectedHole = hole;
    hasSelection = 1;
    chainActive = 0;
    UpdateCombo();
}

// The hole a jump from `from` to `to` passes over, when they lie two cells
// apart in a row or column and a peg stands between; kNoHole otherwise.
int Board::FindJumpMiddle(int from, int to) {
    const Hole& start = holes[from];
    const Hole& landing = holes[to];
    float middleX = start.x;
    float middleY = start.y;
    if (landing.x == start.x && start.y - landing.y == kJumpDistance) {
        middleY = start.y - kCellPitch;
    } else if (landing.x == start.x && start.y - landing.y == -kJumpDistance) {
        middleY = start.y + kCellPitch;
    } else if (landing.y == start.y && start.x - landing.x == kJumpDistance) {
        middleX = start.x - kCellPitch;
    } else if (landing.y == start.y && start.x - landing.x == -kJumpDistance) {
        middleX = start.x + kCellPitch;
    } else {
        return kNoHole;
    }
    int middle = FindHole(middleX, middleY);
    if (middle == kNoHole || holes[middle].empty) {
        return kNoHole;
    }
    return middle;
}

// The jumping peg lands and stays selected, so the next jump continues the chain.
void Board::Jump(int from, int middle, int to) {
    holes[middle].empty = 1;
    holes[middle].selected = 0;
    holes[from].empty = 1;
    holes[from].selected = 0;
    selectedHole = to;
    holes[to].selected = 1;
    holes[to].empty = 0;
    chainActive = 1;
    ScoreJump(middle);
}

HRESULT Board::ScoreJump(int middle) {
    ++moves;
    --pegsLeft;
    const Hole& landing = holes[selectedHole];
    for (const JumpReward& reward : kJumpRewards) {
        if (pegsLeft >= reward.fewestPegsLeft && pegsLeft <= reward.mostPegsLeft) {
            score += reward.points;
            popups.Spawn(reward.label, landing.x + reward.labelDx, landing.y + reward.labelDy,
                         kJumpLabelRise);
            break;
        }
    }
    if (hotButton.IsActive() && hotButton.GetHole() == middle) {
        score += kHotPegBonus;
        hotButton.SetBlinking(0);
        holes[middle].hot = 0;
        popups.Spawn("Grafik//pHotButton.png", landing.x + 40.0f, landing.y + 5.0f, 1.0f);
    }
    UpdateCombo();
    return S_OK;
}

HRESULT Board::UpdateCombo() {
    if (chainActive) {
        ++chainLength;
        return S_OK;
    }
    if (chainLength >= kChainBonusMinJumps) {
        score += kChainBonus;
        const Hole& hole = holes[selectedHole];
        popups.Spawn("Grafik//250p.png", hole.x, hole.y, 2.0f);
        popups.Spawn("Grafik//combo.png", hole.x + 20.0f, hole.y + 5.0f, 1.0f);
    }
    chainLength = 0;
    return S_OK;
}

int Board::CheckGameOver() {
    for (int i = kBoardHoles - 1; i >= 0; --i) {
        if (holes[i].empty) {
            continue;
        }
        for (int d = 0; d < kHoleDirections; ++d) {
            int over = holes[i].neighbour[d];
            if (over == kNoHole || holes[over].empty) {
                continue;
            }
            int onto = holes[over].neighbour[d];
            if (onto != kNoHole && holes[onto].empty) {
                return 0;
            }
        }
    }
    chainActive = 0;
    UpdateCombo();
    return 1;
}

int Board::GetFinalScore() {
    chainActive = 0;
    UpdateCombo();
    return score;
}
