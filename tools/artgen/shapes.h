// Drawing pieces used by several images: hole, peg, flame.
#pragma once

#include "text.h"

#include <cairo.h>

struct PegColours {
    Rgba light; // where the light falls
    Rgba body;
    Rgba shade; // the side turned away from the light
};

const PegColours kIvoryPeg = {
    {1.0, 0.99, 0.95, 1.0}, {0.93, 0.87, 0.74, 1.0}, {0.52, 0.42, 0.28, 1.0}};
const PegColours kGoldPeg = {
    {1.0, 0.98, 0.80, 1.0}, {0.98, 0.76, 0.22, 1.0}, {0.55, 0.32, 0.04, 1.0}};

// A round hole sunk into the felt, centred on (cx, cy), `radius` across the opening.
void DrawHole(cairo_t* cr, double cx, double cy, double radius);

// A polished ball standing in a hole, with its shadow on the felt.
void DrawPeg(cairo_t* cr, double cx, double cy, double radius, const PegColours& colours);

// A flame of the given height, its foot centred on (cx, footY), filled with fire colours.
void DrawFlame(cairo_t* cr, double cx, double footY, double height);

// A soft glow: `inner` at the centre fading to nothing at `radius`.
void DrawGlow(cairo_t* cr, double cx, double cy, double radius, const Rgba& inner);
