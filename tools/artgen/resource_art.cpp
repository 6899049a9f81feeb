// The window's icon and the mouse cursor, 32 x 32 each.
#include "artwork.h"
#include "canvas.h"
#include "icon_file.h"
#include "palette.h"
#include "shapes.h"

#include <cmath>
#include <cstring>

namespace {

// The board in little: a walnut disc, the felt cross, four pegs round the empty centre;
// once in 24-bit colour and once in 256 colours.
bool drawIcon(const std::string& resources) {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    cairo_pattern_t* wood = cairo_pattern_create_radial(12.0, 10.0, 2.0, 16.0, 16.0, 15.5);
    cairo_pattern_add_color_stop_rgb(wood, 0.0, 0.62, 0.38, 0.20);
    cairo_pattern_add_color_stop_rgb(wood, 1.0, 0.26, 0.14, 0.07);
    cairo_arc(cr, 16.0, 16.0, 15.5, 0.0, 2.0 * M_PI);
    cairo_set_source(cr, wood);
    cairo_fill(cr);
    cairo_pattern_destroy(wood);

    cairo_set_source_rgb(cr, kGold.r, kGold.g, kGold.b);
    cairo_rectangle(cr, 10.0, 2.5, 12.0, 27.0);
    cairo_rectangle(cr, 2.5, 10.0, 27.0, 12.0);
    cairo_fill(cr);
    SetFeltSource(cr);
    cairo_rectangle(cr, 11.0, 3.5, 10.0, 25.0);
    cairo_rectangle(cr, 3.5, 11.0, 25.0, 10.0);
    cairo_fill(cr);

    DrawHole(cr, 16.0, 16.0, 3.0);
    const double pegs[4][2] = {{16.0, 7.5}, {7.5, 16.0}, {24.5, 16.0}, {16.0, 24.5}};
    for (const auto& p : pegs) {
        DrawPeg(cr, p[0], p[1], 4.0, kIvoryPeg);
    }
    return SaveIcon(resources + "/icon107.ico", {{&canvas, 24}, {&canvas, 8}});
}

// A white arrow with a black outline in 16 colours; its tip, the hotspot, is pixel (0, 1).
bool drawCursor(const std::string& resources) {
    static const char* const kArrow[] = {
        "B",           "BB",           "BWB",        "BWWB",      "BWWWB",
        "BWWWWB",      "BWWWWWB",      "BWWWWWWB",   "BWWWWWWWB", "BWWWWWWWWB",
        "BWWWWWWWWWB", "BWWWWWWBBBBB", "BWWWBWWB",   "BWWBBWWB",  "BWB  BWWB",
        "BB   BWWB",   "B     BWWB",   "      BWWB", "       BB",
    };
    const int tipX = 0;
    const int tipY = 1;
    Canvas canvas(32, 32);
    canvas.flush();
    int row = tipY;
    for (const char* line : kArrow) {
        for (int x = 0; x < static_cast<int>(std::strlen(line)); ++x) {
            if (line[x] == 'B') {
                canvas.pixel(tipX + x, row) = 0xFF000000u;
            } else if (line[x] == 'W') {
                canvas.pixel(tipX + x, row) = 0xFFFFFFFFu;
            }
        }
        ++row;
    }
    canvas.markDirty();
    return SaveCursor(resources + "/cursor105.cur", {&canvas, 4}, tipX, tipY);
}

} // namespace

bool DrawResources(const std::string& resources) {
    bool ok = drawIcon(resources);
    return drawCursor(resources) && ok;
}
