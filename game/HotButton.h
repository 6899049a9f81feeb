// The hot peg: a blinking badge over one peg for a three-second run. The peg
// under it cannot be selected, and jumping over it earns a bonus.
#pragma once

#include "RandomSource.h"
#include "Sprite.h"

const int kHotButtonSize = 60;

class HotButton : public Sprite {
public:
    HotButton() {}

    HRESULT Init();
    int TrySpawn();
    HRESULT Update(float dt);
    HRESULT Draw(float dt);
    HRESULT SetBlinking(int on);
    HRESULT SetActive(int on);
    HRESULT ResetTimer();

    int IsActive() { return active; }
    int IsBlinking() { return blinking; }
    int GetHole() { return hole; }
    float GetTimer() { return timer; }

    int blinking = 0; // a run is under way and its schedule advances
    int active = 0;   // a badge stands on the board
    int hole = 0;     // the latest draw; while active, the hole under the badge
    float timer = 0.0f;
    RandomSource random; // where TrySpawn's numbers come from
};
