// The board under the holes: a round walnut board with a felt cross, inlaid
// with a gold trim. The felt lies under every cell and is one flat colour, the
// colour the hole images are blended against.
#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "wood_grain.h"

#include <cmath>

namespace {

const int kSize = 448;
// The cells in image coordinates (client coordinates less the board's (35, 55)).
const double kArmLeft = 145.0, kArmRight = 303.0; // the upright arm's three columns
const double kArmTop = 143.0, kArmBottom = 301.0; // the crossing arm's three rows
const double kCellsLeft = 37.0, kCellsRight = 411.0;
const double kCellsTop = 35.0, kCellsBottom = 409.0;
const double kCentreX = (kCellsLeft + kCellsRight) / 2.0;
const double kCentreY = (kCellsTop + kCellsBottom) / 2.0;
const double kRadius = 214.0;
const double kFeltPad = 9.0;
const double kTrimWidth = 3.0;

const WoodColours kWalnut = {{0.47, 0.28, 0.15, 1.0}, {0.22, 0.12, 0.06, 1.0}};

// Rounds a corner at (cx, cy) between the current point's line and the next.
void roundedCorner(cairo_t* cr, double px, double py, double cx, double cy, double nx, double ny,
                   double r) {
    double inX = px - cx, inY = py - cy;
    double outX = nx - cx, outY = ny - cy;
    double inLen = std::hypot(inX, inY), outLen = std::hypot(outX, outY);
    double ax = cx + inX / inLen * r, ay = cy + inY / inLen * r;
    double bx = cx + outX / outLen * r, by = cy + outY / outLen * r;
    cairo_line_to(cr, ax, ay);
    const double k = 0.55; // how far the control points reach towards the corner
    cairo_curve_to(cr, ax + (cx - ax) * k, ay + (cy - ay) * k, bx + (cx - bx) * k,
                   by + (cy - by) * k, bx, by);
}

// The outline of the cross of cells grown by `pad`, every corner rounded.
void crossPath(cairo_t* cr, double pad, double r) {
    double l = kCellsLeft - pad, rt = kCellsRight + pad;
    double t = kCellsTop - pad, b = kCellsBottom + pad;
    double al = kArmLeft - pad, ar = kArmRight + pad;
    double at = kArmTop - pad, ab = kArmBottom + pad;
    const double pts[12][2] = {{al, t}, {ar, t}, {ar, at}, {rt, at}, {rt, ab}, {ar, ab},
                               {ar, b}, {al, b}, {al, ab}, {l, ab},  {l, at},  {al, at}};
    cairo_new_path(cr);
    cairo_move_to(cr, (pts[0][0] + pts[1][0]) / 2.0, t);
    for (int i = 1; i <= 12; ++i) {
        const double* prev = pts[(i - 1) % 12];
        const double* corner = pts[i % 12];
        const double* next = pts[(i + 1) % 12];
        roundedCorner(cr, prev[0], prev[1], corner[0], corner[1], next[0], next[1], r);
    }
    cairo_close_path(cr);
}

void drawDisc(cairo_t* cr, cairo_surface_t* walnut) {
    cairo_pattern_t* shadow =
        cairo_pattern_create_radial(kCentreX + 3.0, kCentreY + 5.0, kRadius - 6.0, kCentreX + 3.0,
                                    kCentreY + 5.0, kRadius + 8.0);
    cairo_pattern_add_color_stop_rgba(shadow, 0.0, 0.0, 0.0, 0.0, 0.6);
    cairo_pattern_add_color_stop_rgba(shadow, 1.0, 0.0, 0.0, 0.0, 0.0);
    cairo_set_source(cr, shadow);
    cairo_arc(cr, kCentreX + 3.0, kCentreY + 5.0, kRadius + 8.0, 0.0, 2.0 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(shadow);

    cairo_set_source_surface(cr, walnut, 0.0, 0.0);
    cairo_arc(cr, kCentreX, kCentreY, kRadius, 0.0, 2.0 * M_PI);
    cairo_fill(cr);

    // A rounded edge: lit from the top left.
    cairo_pattern_t* bevel = cairo_pattern_create_linear(kCentreX - kRadius, kCentreY - kRadius,
                                                         kCentreX + kRadius, kCentreY + kRadius);
    cairo_pattern_add_color_stop_rgba(bevel, 0.0, 1.0, 0.92, 0.8, 0.45);
    cairo_pattern_add_color_stop_rgba(bevel, 0.5, 1.0, 0.92, 0.8, 0.0);
    cairo_pattern_add_color_stop_rgba(bevel, 0.5, 0.0, 0.0, 0.0, 0.0);
    cairo_pattern_add_color_stop_rgba(bevel, 1.0, 0.0, 0.0, 0.0, 0.5);
    cairo_set_source(cr, bevel);
    cairo_set_line_width(cr, 6.0);
    cairo_arc(cr, kCentreX, kCentreY, kRadius - 3.0, 0.0, 2.0 * M_PI);
    cairo_stroke(cr);
    cairo_pattern_destroy(bevel);
    cairo_set_source_rgba(cr, 0.08, 0.04, 0.02, 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, kCentreX, kCentreY, kRadius - 0.5, 0.0, 2.0 * M_PI);
    cairo_stroke(cr);

    // A thin inlaid ring on the walnut, behind the cross.
    cairo_set_source_rgba(cr, kGold.r, kGold.g, kGold.b, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, kCentreX, kCentreY, kRadius - 14.0, 0.0, 2.0 * M_PI);
    cairo_stroke(cr);
}

void drawFelt(cairo_t* cr) {
    crossPath(cr, kFeltPad + kTrimWidth + 1.0, 12.0 + kTrimWidth);
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.45);
    cairo_fill(cr);
    crossPath(cr, kFeltPad + kTrimWidth, 12.0 + kTrimWidth);
    cairo_pattern_t* trim = cairo_pattern_create_linear(0.0, 0.0, kSize, kSize);
    cairo_pattern_add_color_stop_rgb(trim, 0.0, 1.0, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgb(trim, 0.5, kGold.r, kGold.g, kGold.b);
    cairo_pattern_add_color_stop_rgb(trim, 1.0, kGoldDeep.r, kGoldDeep.g, kGoldDeep.b);
    cairo_set_source(cr, trim);
    cairo_fill(cr);
    cairo_pattern_destroy(trim);

    crossPath(cr, kFeltPad, 12.0);
    SetFeltSource(cr);
    cairo_fill_preserve(cr);
    // The felt sits a little below the trim: a shadow along its edge, gone
    // well before the first cell.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int i = 4; i >= 1; --i) {
        cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.09);
        cairo_set_line_width(cr, 3.0 * i);
        cairo_stroke_preserve(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
}

} // namespace

bool DrawBoard(const std::string& grafik) {
    Canvas walnut(kSize, kSize);
    PaintWood(walnut, kWalnut, 777u, 0, 0);
    Canvas canvas(kSize, kSize);
    drawDisc(canvas.cr(), walnut.surface());
    drawFelt(canvas.cr());
    return canvas.savePng(grafik + "/brett.png");
}
