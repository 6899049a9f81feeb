// The Action mode's 30-second countdown, shown in the window's top-left
// corner: a label, two digits, and blinking highlights in the last ten seconds.
#pragma once

#include "BlinkSprite.h"
#include "DigitSprite.h"

class TimePanel : public Sprite {
public:
    TimePanel() {}

    HRESULT Init();
    HRESULT Update(float dt);
    HRESULT Draw(float dt);
    HRESULT Reset();
    HRESULT Release();

    int IsExpired() { return expired; }
    HRESULT SetExpired(int v);
    int IsLoaded() { return loaded; }
    float GetTimeLeft() { return timeLeft; }

    // highlights[0] lies behind the tens digit, highlights[1] behind the ones.
    BlinkSprite highlights[2];
    // digits[0] is the ones digit, digits[1] the tens digit.
    DigitSprite digits[2];
    float timeLeft = 0.0f;
    int warn = 0;
    int loaded = 0;
    int expired = 0;

private:
    int ShownSeconds();
};
