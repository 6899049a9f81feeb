// Text for the artwork: DejaVu faces, shrunk until they fit their box, with an
// outline and a drop shadow so they read on wood and on the board alike.
#pragma once

#include <cairo.h>

struct Rgba {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 0.0;
};

struct TextStyle {
    const char* family = "DejaVu Sans";
    bool bold = true;
    double size = 0.0;         // pixels; shrunk in steps of 0.5 until the text fits
    Rgba top;                  // fill at the top of the glyphs ...
    Rgba bottom;               // ... blending to this at their foot
    Rgba outline;              // alpha 0: no outline
    double outlineWidth = 0.0; // pixels beyond the glyph edge
    Rgba shadow;               // alpha 0: no shadow
    double shadowOffset = 0.0; // pixels right and down
};

enum class Align { Left, Centre, Right };

struct TextBox {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Fixes antialiasing and turns hinting off, so that glyphs come out the same
// whatever the machine's font configuration says.
void UseMachineIndependentFontOptions(cairo_t* cr);

// The largest size, from style.size down in steps of 0.5, at which every one of
// the texts fits the box; gives texts drawn side by side one common size.
double FitTextSize(cairo_t* cr, const char* const* texts, int count, const TextBox& box,
                   const TextStyle& style);

// Draws one line of UTF-8 text inside the box: its ink (outline and shadow
// included) is centred vertically and aligned horizontally.
void DrawFittedText(cairo_t* cr, const char* utf8, const TextBox& box, Align align,
                    const TextStyle& style);
