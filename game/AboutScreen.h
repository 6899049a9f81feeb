// The credits screen, drawn over everything while it is open.
#pragma once

#include "Sprite.h"

class AboutScreen : public Sprite {
public:
    AboutScreen() {}

    HRESULT Load();
    HRESULT Release();
    HRESULT Update(float dt);
    HRESULT Draw(float dt);
};
