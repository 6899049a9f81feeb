// The 50 x 50 cell images of the board and the 60 x 60 hot-peg badge.
#include "artwork.h"
#include "canvas.h"
#include "colour_key.h"
#include "palette.h"
#include "shapes.h"

#include <cmath>

namespace {

const int kCell = 50;
const double kCentre = 25.0;
const double kHoleRadius = 14.0;
const double kPegRadius = 16.5;

void fillFelt(Canvas& canvas) {
    SetFeltSource(canvas.cr());
    cairo_paint(canvas.cr());
}

bool drawEmptyHole(const std::string& grafik) {
    Canvas canvas(kCell, kCell);
    fillFelt(canvas);
    DrawHole(canvas.cr(), kCentre, kCentre, kHoleRadius);
    KeyOutFelt(canvas);
    return canvas.savePng(grafik + "/loch.png");
}

// A plain peg keeps real alpha: it is the one board image loaded without a key.
bool drawPeg(const std::string& grafik) {
    Canvas canvas(kCell, kCell);
    DrawHole(canvas.cr(), kCentre, kCentre, kHoleRadius);
    DrawPeg(canvas.cr(), kCentre, kCentre - 1.0, kPegRadius, kIvoryPeg);
    return canvas.savePng(grafik + "/spielstein.png");
}

// A gold halo round the peg, easing out to nothing just inside the cell.
void drawHalo(cairo_t* cr) {
    cairo_pattern_t* halo =
        cairo_pattern_create_radial(kCentre, kCentre, kPegRadius - 1.0, kCentre, kCentre, 24.5);
    const double stops[5][2] = {{0.0, 0.9}, {0.4, 0.4}, {0.7, 0.12}, {0.88, 0.03}, {1.0, 0.0}};
    for (const auto& stop : stops) {
        cairo_pattern_add_color_stop_rgba(halo, stop[0], 1.0, 0.85, 0.35, stop[1]);
    }
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, 24.5, 0.0, 2.0 * M_PI);
    cairo_set_source(cr, halo);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
}

// The selected peg glows gold, so it stands out from the ivory pegs at a glance.
bool drawSelectedPeg(const std::string& grafik) {
    Canvas canvas(kCell, kCell);
    fillFelt(canvas);
    cairo_t* cr = canvas.cr();
    drawHalo(cr);
    DrawHole(cr, kCentre, kCentre, kHoleRadius);
    DrawPeg(cr, kCentre, kCentre - 1.0, kPegRadius, kGoldPeg);
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre - 1.0, kPegRadius + 1.5, 0.0, 2.0 * M_PI);
    cairo_set_source_rgba(cr, 1.0, 0.97, 0.75, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    KeyOutFelt(canvas);
    return canvas.savePng(grafik + "/spielsteinaktiv.png");
}

// Drawn over a peg with its corner on the cell's corner, so the peg's centre is
// (25, 25) here: a ring of fire says "hands off", and the flame tag in the
// overhang says the peg is worth jumping.
bool drawHotBadge(const std::string& grafik) {
    Canvas canvas(60, 60);
    cairo_t* cr = canvas.cr();
    DrawGlow(cr, kCentre, kCentre, 27.0, {1.0, 0.35, 0.05, 0.55});
    cairo_new_path(cr);
    cairo_arc(cr, kCentre, kCentre, 20.5, 0.0, 2.0 * M_PI);
    cairo_set_source_rgba(cr, 0.45, 0.03, 0.0, 0.9);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* ring = cairo_pattern_create_linear(0.0, 4.0, 0.0, 46.0);
    cairo_pattern_add_color_stop_rgb(ring, 0.0, 1.0, 0.85, 0.3);
    cairo_pattern_add_color_stop_rgb(ring, 0.5, 1.0, 0.45, 0.05);
    cairo_pattern_add_color_stop_rgb(ring, 1.0, 0.9, 0.1, 0.02);
    cairo_set_source(cr, ring);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(ring);

    const double tagX = 46.0;
    const double tagY = 46.0;
    const double tagRadius = 12.5;
    cairo_new_path(cr);
    cairo_arc(cr, tagX, tagY, tagRadius, 0.0, 2.0 * M_PI);
    cairo_set_source_rgb(cr, 0.78, 0.08, 0.04);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 1.0, 0.95, 0.8);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    DrawFlame(cr, tagX, tagY + 8.0, 16.0);
    return canvas.savePng(grafik + "/hotbutton.png");
}

} // namespace

bool DrawPieces(const std::string& grafik) {
    bool ok = drawEmptyHole(grafik);
    ok = drawPeg(grafik) && ok;
    ok = drawSelectedPeg(grafik) && ok;
    return drawHotBadge(grafik) && ok;
}
