#include "AboutScreen.h"

HRESULT AboutScreen::Load() {
    return Sprite::Load("Grafik//About.png", 50.0f, 100.0f, 500, 350);
}

HRESULT AboutScreen::Release() {
    return Sprite::Release();
}

HRESULT AboutScreen::Update(float) {
    return S_OK;
}

HRESULT AboutScreen::Draw(float dt) {
    return Sprite::Draw(dt);
}
