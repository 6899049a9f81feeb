// Turns every pixel of exactly the board's felt colour into the colour key.
#pragma once

#include "tools/artgen/Canvas.h"

// The image was drawn on opaque felt, so whatever still shows plain felt is
// where the board may show through; every other pixel, soft edges included,
// was blended against the felt and keeps its colour.
void KeyOutFelt(Canvas& canvas);
