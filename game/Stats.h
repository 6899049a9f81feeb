// The statistics panel in the window's top-right part: pegs left, moves,
// score and the running chain (the combo), with the countdown panel it owns.
#pragma once

#include "TimePanel.h"

class Stats : public Sprite {
public:
    Stats() {}

    HRESULT Init();
    HRESULT Render(float dt, int score, int moves, int pegsLeft, int combo);
    HRESULT Update(float dt);
    int IsTimeUp() { return timePanel.IsExpired(); }
    HRESULT SetTimeUp(int v);
    HRESULT ResetTime();
    HRESULT SetTimed(int v);
    int IsLoaded() { return loaded; }
    HRESULT Release();

    // Each number starts at x 500, its digits 15 pixels apart from the left.
    DigitSprite scoreDigits[4];
    DigitSprite movesDigits[2];
    DigitSprite pegsDigits[2];
    DigitSprite comboDigit;
    BlinkSprite comboHighlight;
    Sprite comboLabel;
    TimePanel timePanel;
    int loaded = 0;
    // The countdown runs on updates (Action mode).
    int timed = 0;
};
