#include "HotButton.h"

#include "Hole.h"

#include <limits>

namespace {

// One attempt in 1500 draws a residue above this; only those place a badge.
const int kSpawnRange = 1500;
const int kSpawnThreshold = 1490;

// No jump can pass over the eight outer corners, so a draw there moves next door.
struct CornerMove {
    int drawn;
    int placed;
};
const CornerMove kCornerMoves[] = {{0, 1},   {2, 3},   {6, 7},   {12, 13},
                                   {20, 21}, {26, 27}, {30, 31}, {32, 31}};

// The badge blinks in half seconds, then faster, then stays for the end of the
// run. Both ends of every phase are open: a timer exactly on a bound, or past
// the last phase, leaves the visibility as it was.
struct BlinkPhase {
    float after;
    float before;
    int shown;
};
const BlinkPhase kBlinkSchedule[] = {
    {-std::numeric_limits<float>::infinity(), 0.5f, 1},
    {0.5f, 1.0f, 0},
    {1.0f, 1.5f, 1},
    {1.5f, 2.0f, 0},
    {2.0f, 2.2f, 1},
    {2.2f, 2.4f, 0},
    {2.4f, 2.6f, 1},
    {2.6f, 2.8f, 0},
    {2.8f, 3.5f, 1},
};
const float kRunSeconds = 3.0f;

} // namespace

HRESULT HotButton::Init() {
    Load("Grafik//hotbutton.png", 0.0f, 0.0f, kHotButtonSize, kHotButtonSize);
    blinking = 0;
    SetVisible(0);
    timer = 0.0f;
    random.SeedFromClock();
    return S_OK;
}

int HotButton::TrySpawn() {
    if (active) {
        return -1;
    }
    if (random.Next() % kSpawnRange <= kSpawnThreshold) {
        return -1;
    }
    int drawn = random.Next() % kBoardHoles;
    for (const CornerMove& corner : kCornerMoves) {
        if (corner.drawn == drawn) {
            drawn = corner.placed;
            break;
        }
    }
    hole = drawn;
    return hole;
}

HRESULT HotButton::Update(float dt) {
    if (!blinking) {
        timer = 0.0f;
        active = 0;
        return S_OK;
    }
    timer = timer + dt;
    for (const BlinkPhase& phase : kBlinkSchedule) {
        if (timer > phase.after && timer < phase.before) {
            SetVisible(phase.shown);
            break;
        }
    }
    if (timer >= kRunSeconds) {
        blinking = 0;
        active = 0;
    }
    return S_OK;
}

// Drawn whether or not its image loaded, as long as a run shows it.
HRESULT HotButton::Draw(float) {
    if (active && IsVisible()) {
        DrawQuad(GetTexture());
    }
    return S_OK;
}

HRESULT HotButton::SetBlinking(int on) {
    blinking = on;
    return S_OK;
}

HRESULT HotButton::SetActive(int on) {
    active = on;
    return S_OK;
}

HRESULT HotButton::ResetTimer() {
    timer = 0.0f;
    return S_OK;
}
