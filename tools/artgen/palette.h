// The colours the pieces of artwork share, so that they sit together: the
// board's felt (the holes are blended against it), wood, gold trim, text.
#pragma once

#include "text.h"

#include <cstdint>

// The felt inlay of the board, 8-bit exact: the colour-keyed piece images are
// drawn over it so that their soft edges match the board beneath.
const int kFeltRed = 30;
const int kFeltGreen = 84;
const int kFeltBlue = 56;
const uint32_t kFeltArgb = 0xFF000000u | (kFeltRed << 16) | (kFeltGreen << 8) | kFeltBlue;

// Opaque magenta: the colour key of the hole and selected-peg images.
const uint32_t kColourKeyArgb = 0xFFFF00FFu;

const Rgba kGold = {0.93, 0.74, 0.30, 1.0};
const Rgba kGoldDeep = {0.62, 0.42, 0.12, 1.0};
const Rgba kCream = {1.0, 0.96, 0.84, 1.0};
const Rgba kCreamDeep = {0.96, 0.84, 0.60, 1.0};
const Rgba kInk = {0.14, 0.07, 0.03, 1.0};
const Rgba kSoftShadow = {0.0, 0.0, 0.0, 0.35};
const Rgba kPanel = {0.16, 0.09, 0.05, 0.88};

// Makes the felt, exactly, the source of the next fill.
void SetFeltSource(cairo_t* cr);

// Outlined text that reads on light wood and on the dark board alike.
TextStyle LabelStyle(double size, const Rgba& top, const Rgba& bottom);
