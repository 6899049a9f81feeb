// Rising points labels: a fixed pool of 32 small images shown where points are scored.
#pragma once

#include "Sprite.h"

class Popup : public Sprite {
public:
    Popup() {}

    HRESULT Load(const char* file, float x, float y, int width, int height);
    HRESULT SetRise(float rise);
    HRESULT Update(float dt);
    HRESULT Draw();
    float GetRise() { return rise; }

    // Pixels the label climbs at every update on top of its steady speed.
    float rise = 0.0f;
};

const int kPopupSlots = 32;
const int kPopupWidth = 75;
const int kPopupHeight = 30;

// A hidden slot is a free slot; labels are never created or destroyed during play.
class PopupPool {
public:
    PopupPool() {}

    HRESULT Init();
    HRESULT Spawn(const char* file, float x, float y, float rise);
    HRESULT Update(float dt);
    HRESULT Draw(float dt);
    HRESULT HideAll();
    HRESULT Release();

    Popup slots[kPopupSlots];
};
