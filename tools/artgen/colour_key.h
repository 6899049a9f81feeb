// The colour key: where the board shows through the hole and selected-peg images.
#pragma once

#include "canvas.h"

#include <cairo.h>
#include <cstdint>

// Replaces every pixel of exactly `from` (premultiplied 0xAARRGGBB) with `to`.
void ReplaceExactColour(cairo_surface_t* image, uint32_t from, uint32_t to);

// Turns every pixel of exactly the board's felt colour into the colour key.
// The image was drawn on opaque felt, so whatever still shows plain felt is
// where the board may show through; every other pixel, soft edges included,
// was blended against the felt and keeps its colour.
void KeyOutFelt(Canvas& canvas);
