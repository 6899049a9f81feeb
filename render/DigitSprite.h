// One decimal digit on a 30 x 30 quad, with ten digit textures of its own.
#pragma once

#include "Sprite.h"

class DigitSprite : public Sprite {
public:
    DigitSprite() {}
    // A copy would release the ten digit textures a second time.
    DigitSprite(const DigitSprite&) = delete;
    DigitSprite& operator=(const DigitSprite&) = delete;

    HRESULT Load(float x, float y, int extra);
    // Draws the quad with digit d's image, whether or not the sprite is
    // visible. A value outside 0..9 never reaches past the ten images: below
    // 0 it shows 0, above 9 it shows 9 (a long chain reads as "9").
    HRESULT DrawDigit(int d);
    HRESULT Release();

protected:
    IDirect3DTexture9* digitTexture[10] = {};
};
