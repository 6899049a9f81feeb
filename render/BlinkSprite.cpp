#include "BlinkSprite.h"

#include <cmath>

namespace {
const float kSlotSeconds = 0.5f;
}

HRESULT BlinkSprite::Load(const char* file, float x, float y, int width, int height) {
    return Sprite::Load(file, x, y, width, height);
}

HRESULT BlinkSprite::LoadHighlight() {
    return Sprite::Load("Grafik\\highlight.png", 0.0f, 0.0f, 30, 30);
}

HRESULT BlinkSprite::SetBlinking(bool on) {
    blinking = on;
    return S_OK;
}

HRESULT BlinkSprite::Blink(float dt) {
    if (!blinking) {
        SetVisible(0);
        timer = 0.0f;
        return S_OK;
    }
    timer += dt;
    // The slot is truncated in float and its parity taken there too: the
    // timer grows without bound, and a slot past the int range must not be
    // converted to int. Within that range this is the same parity.
    const float slot = std::trunc(timer / kSlotSeconds);
    SetVisible(std::fmod(slot, 2.0f) == 0.0f);
    return S_OK;
}

HRESULT BlinkSprite::Update(float dt) {
    return Blink(dt);
}

HRESULT BlinkSprite::Draw() {
    return Sprite::Draw(0.0f);
}

HRESULT BlinkSprite::Release() {
    Sprite::Release();
    return S_OK;
}

HRESULT BlinkSprite::ReleaseHighlight() {
    return Release();
}
