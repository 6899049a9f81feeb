// The table top behind everything: light oak planks, laid across.
#include "artwork.h"
#include "jpeg_file.h"
#include "noise.h"
#include "wood_grain.h"

namespace {

const int kSize = 599;
const int kPlankHeight = 86;
const int kFirstPlankOffset = 20; // the first joint lies 66 rows down
const WoodColours kOak = {{0.84, 0.66, 0.44, 1.0}, {0.58, 0.40, 0.22, 1.0}};

// Each plank has its own grain and shade, a dark joint above it and one butt
// joint somewhere along it.
void drawPlanks(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    for (int plank = 0; plank * kPlankHeight - kFirstPlankOffset < kSize; ++plank) {
        double top = plank * kPlankHeight - kFirstPlankOffset;
        // Half the planks a shade darker, half a shade lighter.
        double shade = 0.12 * (HashUnit(plank, 1, 40u) - 0.5);
        cairo_rectangle(cr, 0.0, top, kSize, kPlankHeight);
        if (shade < 0.0) {
            cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, -shade);
        } else {
            cairo_set_source_rgba(cr, 1.0, 0.9, 0.7, shade);
        }
        cairo_fill(cr);

        cairo_rectangle(cr, 0.0, top - 1.0, kSize, 2.0);
        cairo_set_source_rgba(cr, 0.18, 0.10, 0.05, 0.8);
        cairo_fill(cr);
        cairo_rectangle(cr, 0.0, top + 1.0, kSize, 1.0);
        cairo_set_source_rgba(cr, 1.0, 0.9, 0.7, 0.25);
        cairo_fill(cr);

        double joint = 60.0 + HashUnit(plank, 2, 40u) * 480.0;
        cairo_rectangle(cr, joint, top, 1.5, kPlankHeight);
        cairo_set_source_rgba(cr, 0.18, 0.10, 0.05, 0.6);
        cairo_fill(cr);
    }
}

// Darker towards the corners, to hold the eye on the board.
void drawVignette(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    double c = kSize / 2.0;
    cairo_pattern_t* v = cairo_pattern_create_radial(c, c, kSize * 0.35, c, c, kSize * 0.75);
    cairo_pattern_add_color_stop_rgba(v, 0.0, 0.0, 0.0, 0.0, 0.0);
    cairo_pattern_add_color_stop_rgba(v, 1.0, 0.1, 0.04, 0.0, 0.45);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
}

} // namespace

bool DrawWood(const std::string& grafik) {
    Canvas canvas(kSize, kSize);
    PaintWood(canvas, kOak, 1234u, kPlankHeight, kFirstPlankOffset);
    drawPlanks(canvas);
    drawVignette(canvas);
    return SaveJpeg(canvas, grafik + "/holz.jpg", 90);
}
