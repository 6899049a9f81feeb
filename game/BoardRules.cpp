// The jump rule: what a click selects or jumps, what a jump scores, chains,
// and whether any jump is left.
#include "game/Board.h"

#include <limits>

namespace {

const float JUMP_DISTANCE = 2 * CELL_PITCH;

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
const int ANY_PEGS_LEFT = std::numeric_limits<int>::min();
const JumpReward JUMP_REWARDS[] = {
    {1, 1, 2950, "Grafik//3000p.png", 0.0f, 0.0f},
    {ANY_PEGS_LEFT, 2, 950, "Grafik//1000p.png", 0.0f, 0.0f},
    {ANY_PEGS_LEFT, 5, 200, "Grafik//250p.png", 0.0f, 0.0f},
    {ANY_PEGS_LEFT, 15, 100, "Grafik//150p.png", 0.0f, 0.0f},
    {ANY_PEGS_LEFT, 31, 50, "Grafik//50p.png", -20.0f, -10.0f},
};
const float JUMP_LABEL_RISE = 1.5f;

const int HOT_PEG_BONUS = 300;
const int CHAIN_BONUS = 250;
const int CHAIN_BONUS_MIN_JUMPS = 3;

} // namespace

// The hole whose pitch square holds the point: the row first, then the cell in
// it. Points above or left of the cross belong to the first row or cell.
int Board::HitTest(int x, int y) {
    int row = 0;
    while (row < BOARD_HOLES && !(y < holes[row].y + CELL_PITCH)) {
        ++row;
    }
    for (int i = row; i < BOARD_HOLES && holes[i].y == holes[row].y; ++i) {
        if (x < holes[i].x + CELL_PITCH) {
            return i;
        }
    }
    return NO_HOLE;
}

HRESULT Board::Click(int x, int y) {
    int target = HitTest(x, y);
    if (target == NO_HOLE) {
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
    if (middle != NO_HOLE) {
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
// apart in a row or column and a peg stands between; NO_HOLE otherwise.
int Board::FindJumpMiddle(int from, int to) {
    const Hole& start = holes[from];
    const Hole& landing = holes[to];
    float middleX = start.x;
    float middleY = start.y;
    if (landing.x == start.x && start.y - landing.y == JUMP_DISTANCE) {
        middleY = start.y - CELL_PITCH;
    } else if (landing.x == start.x && start.y - landing.y == -JUMP_DISTANCE) {
        middleY = start.y + CELL_PITCH;
    } else if (landing.y == start.y && start.x - landing.x == JUMP_DISTANCE) {
        middleX = start.x - CELL_PITCH;
    } else if (landing.y == start.y && start.x - landing.x == -JUMP_DISTANCE) {
        middleX = start.x + CELL_PITCH;
    } else {
        return NO_HOLE;
    }
    int middle = FindHole(middleX, middleY);
    if (middle == NO_HOLE || holes[middle].empty) {
        return NO_HOLE;
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
    for (const JumpReward& reward : JUMP_REWARDS) {
        if (pegsLeft >= reward.fewestPegsLeft && pegsLeft <= reward.mostPegsLeft) {
            score += reward.points;
            popups.Spawn(reward.label, landing.x + reward.labelDx, landing.y + reward.labelDy,
                         JUMP_LABEL_RISE);
            break;
        }
    }
    if (hotButton.IsActive() && hotButton.GetHole() == middle) {
        score += HOT_PEG_BONUS;
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
    if (chainLength >= CHAIN_BONUS_MIN_JUMPS) {
        score += CHAIN_BONUS;
        const Hole& hole = holes[selectedHole];
        popups.Spawn("Grafik//250p.png", hole.x, hole.y, 2.0f);
        popups.Spawn("Grafik//combo.png", hole.x + 20.0f, hole.y + 5.0f, 1.0f);
    }
    chainLength = 0;
    return S_OK;
}

int Board::CheckGameOver() {
    for (int i = BOARD_HOLES - 1; i >= 0; --i) {
        if (holes[i].empty) {
            continue;
        }
        for (int d = 0; d < HOLE_DIRECTIONS; ++d) {
            int over = holes[i].neighbour[d];
            if (over == NO_HOLE || holes[over].empty) {
                continue;
            }
            int onto = holes[over].neighbour[d];
            if (onto != NO_HOLE && holes[onto].empty) {
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
