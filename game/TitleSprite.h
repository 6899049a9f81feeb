// The click-to-begin prompt: a blinking sprite that the game shows until the
// first click of each new game.
#pragma once

#include "BlinkSprite.h"

class TitleSprite : public BlinkSprite {
public:
    TitleSprite() {}
};
