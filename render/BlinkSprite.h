// A sprite that blinks in half-second slots of a timer its owner advances.
#pragma once

#include "Sprite.h"

class BlinkSprite : public Sprite {
public:
    BlinkSprite() {}

    HRESULT Load(const char* file, float x, float y, int width, int height);
    HRESULT LoadHighlight();
    HRESULT SetBlinking(bool on);
    HRESULT Blink(float dt);
    HRESULT Update(float dt);
    HRESULT Draw();
    HRESULT Release();
    HRESULT ReleaseHighlight();

    int IsBlinking() const { return blinking; }
    float GetTimer() const { return timer; }

protected:
    int blinking = 0;
    float timer = 0.0f;
};
