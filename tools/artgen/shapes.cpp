#include "shapes.h"

#include <cmath>

namespace {

void addStop(cairo_pattern_t* p, double offset, const Rgba& c) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, c.a);
}

void fillCircle(cairo_t* cr, double cx, double cy, double r, cairo_pattern_t* pattern) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

} // namespace

void DrawGlow(cairo_t* cr, double cx, double cy, double radius, const Rgba& inner) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0.0, cx, cy, radius);
    addStop(glow, 0.0, inner);
    addStop(glow, 0.45, {inner.r, inner.g, inner.b, inner.a * 0.6});
    // Easing out at the rim keeps the last step onto the background small.
    addStop(glow, 0.8, {inner.r, inner.g, inner.b, inner.a * 0.12});
    addStop(glow, 1.0, {inner.r, inner.g, inner.b, 0.0});
    fillCircle(cr, cx, cy, radius, glow);
}

void DrawHole(cairo_t* cr, double cx, double cy, double radius) {
    // The felt darkens as it dips towards the opening.
    cairo_pattern_t* dip = cairo_pattern_create_radial(cx, cy, radius, cx, cy, radius + 6.0);
    addStop(dip, 0.0, {0.0, 0.0, 0.0, 0.45});
    addStop(dip, 1.0, {0.0, 0.0, 0.0, 0.0});
    fillCircle(cr, cx, cy, radius + 6.0, dip);

    // The opening: darkest under its upper lip, where no light reaches.
    cairo_pattern_t* well =
        cairo_pattern_create_radial(cx, cy + radius * 0.35, radius * 0.1, cx, cy, radius);
    addStop(well, 0.0, {0.13, 0.09, 0.06, 1.0});
    addStop(well, 0.7, {0.07, 0.05, 0.03, 1.0});
    addStop(well, 1.0, {0.02, 0.01, 0.01, 1.0});
    fillCircle(cr, cx, cy, radius, well);

    // Light catches the lower lip.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius - 0.75, 0.15 * M_PI, 0.85 * M_PI);
    cairo_set_source_rgba(cr, 0.75, 0.95, 0.80, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

void DrawPeg(cairo_t* cr, double cx, double cy, double radius, const PegColours& colours) {
    cairo_pattern_t* shadow = cairo_pattern_create_radial(cx + 2.0, cy + 3.0, radius * 0.5,
                                                          cx + 2.0, cy + 3.0, radius + 4.0);
    addStop(shadow, 0.0, {0.0, 0.0, 0.0, 0.55});
    addStop(shadow, 1.0, {0.0, 0.0, 0.0, 0.0});
    fillCircle(cr, cx + 2.0, cy + 3.0, radius + 4.0, shadow);

    double lx = cx - radius * 0.38;
    double ly = cy - radius * 0.42;
    cairo_pattern_t* ball = cairo_pattern_create_radial(lx, ly, radius * 0.05, cx, cy, radius);
    addStop(ball, 0.0, colours.light);
    addStop(ball, 0.35, colours.body);
    addStop(ball, 0.85, colours.shade);
    addStop(ball, 1.0, {colours.shade.r * 0.7, colours.shade.g * 0.7, colours.shade.b * 0.7, 1.0});
    fillCircle(cr, cx, cy, radius, ball);

    // Light thrown back from the felt onto the ball's underside.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius - 1.6, 0.2 * M_PI, 0.8 * M_PI);
    cairo_set_source_rgba(cr, colours.body.r, colours.body.g, colours.body.b, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);

    cairo_save(cr);
    cairo_translate(cr, lx, ly);
    cairo_scale(cr, 1.0, 0.7);
    cairo_pattern_t* spot = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, radius * 0.32);
    addStop(spot, 0.0, {1.0, 1.0, 1.0, 0.95});
    addStop(spot, 1.0, {1.0, 1.0, 1.0, 0.0});
    fillCircle(cr, 0.0, 0.0, radius * 0.32, spot);
    cairo_restore(cr);
}

void DrawFlame(cairo_t* cr, double cx, double footY, double height) {
    double w = height * 0.62;
    double top = footY - height;
    cairo_new_path(cr);
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + w * 0.15, top + height * 0.3, cx + w * 0.62, top + height * 0.38,
                   cx + w * 0.5, top + height * 0.72);
    cairo_curve_to(cr, cx + w * 0.42, top + height * 0.95, cx + w * 0.12, footY, cx, footY);
    cairo_curve_to(cr, cx - w * 0.12, footY, cx - w * 0.42, top + height * 0.95, cx - w * 0.5,
                   top + height * 0.72);
    cairo_curve_to(cr, cx - w * 0.58, top + height * 0.45, cx - w * 0.2, top + height * 0.42,
                   cx - w * 0.08, top + height * 0.18);
    cairo_close_path(cr);
    cairo_pattern_t* fire = cairo_pattern_create_linear(0.0, top, 0.0, footY);
    addStop(fire, 0.0, {0.95, 0.15, 0.05, 1.0});
    addStop(fire, 0.55, {1.0, 0.55, 0.08, 1.0});
    addStop(fire, 1.0, {1.0, 0.92, 0.45, 1.0});
    cairo_set_source(cr, fire);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fire);
    cairo_set_source_rgba(cr, 0.35, 0.04, 0.0, 0.9);
    cairo_set_line_width(cr, height * 0.06);
    cairo_stroke(cr);
}
