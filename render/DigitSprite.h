// One decimal digit on a 30 x 30 quad, with ten digit textures of its own.
#pragma once

#include "render/Sprite.h"

class DigitSprite : public Sprite {
public:
    DigitSprite() {}

    HRESULT Load(float x, float y, int extra);
    HRESULT DrawDigit(int d);
    HRESULT Release();

protected:
    IDirect3DTexture9* digitTexture[10] = {};
};
