// The grain of a wooden surface, shared by the table and the board.
#pragma once

#include "canvas.h"
#include "text.h"

#include <cstdint>

struct WoodColours {
    Rgba light; // early wood between the rings
    Rgba dark;  // late wood of the rings
};

// How dark the grain is at (u, v), 0 light to 1 dark; the grain runs along u.
double GrainDarkness(double u, double v, uint32_t seed);

// Paints every pixel of the canvas as opaque wood whose grain runs along x.
// With a plank height, each band of that many rows (the first ending at row
// plankHeight - plankOffset) is a plank of its own grain; 0 makes one piece.
void PaintWood(Canvas& canvas, const WoodColours& colours, uint32_t seed, int plankHeight,
               int plankOffset);
