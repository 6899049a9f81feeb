#include "Popup.h"

// Every label rises at least this fast, whatever its extra rise.
const float kSteadyRisePerSecond = 100.0f;

HRESULT Popup::Load(const char* file, float x, float y, int width, int height) {
    Sprite::Load(file, x, y, width, height);
    SetVisible(0);
    rise = 0.0f;
    return S_OK;
}

HRESULT Popup::SetRise(float pixelsPerUpdate) {
    rise = pixelsPerUpdate;
    return S_OK;
}

HRESULT Popup::Update(float dt) {
    float step = dt * kSteadyRisePerSecond + rise;
    SetPosition(GetX(), GetY() - step);
    if (GetY() <= 0.0f) {
        SetVisible(0);
    }
    return S_OK;
}

HRESULT Popup::Draw() {
    Sprite::Draw(0.0f);
    return S_OK;
}

HRESULT PopupPool::Init() {
    for (Popup& slot : slots) {
        slot.Load("Grafik//50p.png", 0.0f, 0.0f, kPopupWidth, kPopupHeight);
    }
    return S_OK;
}

HRESULT PopupPool::Spawn(const char* file, float x, float y, float rise) {
    for (Popup& slot : slots) {
        if (slot.IsVisible()) {
            continue;
        }
        slot.SetVisible(1);
        slot.LoadTexture(file);
        slot.SetPosition(x, y);
        slot.SetRise(rise);
        return S_OK;
    }
    return E_FAIL;
}

HRESULT PopupPool::Update(float dt) {
    for (Popup& slot : slots) {
        if (slot.IsVisible()) {
            slot.Update(dt);
        }
    }
    return S_OK;
}

HRESULT PopupPool::Draw(float) {
    for (Popup& slot : slots) {
        if (slot.IsVisible()) {
            slot.Draw();
        }
    }
    return S_OK;
}

HRESULT PopupPool::HideAll() {
    for (Popup& slot : slots) {
        slot.SetVisible(0);
    }
    return S_OK;
}

HRESULT PopupPool::Release() {
    for (Popup& slot : slots) {
        slot.Release();
    }
    return S_OK;
}
