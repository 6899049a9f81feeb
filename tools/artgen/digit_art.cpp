// The ten digits and the glow behind them. Digits stand 15 pixels apart on
// 30 x 30 quads, so each glyph keeps to the middle 15 columns.
#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "shapes.h"

#include <cmath>

namespace {

const int kQuad = 30;
const TextBox kGlyphBox = {7.5, 1.0, 15.0, 28.0};

TextStyle digitStyle() {
    TextStyle style = LabelStyle(26.0, kCream, kCreamDeep);
    style.family = "DejaVu Sans Condensed";
    style.outlineWidth = 1.5;
    style.shadowOffset = 1.0;
    return style;
}

bool drawDigit(int digit, double size, const std::string& grafik) {
    Canvas canvas(kQuad, kQuad);
    UseMachineIndependentFontOptions(canvas.cr());
    const char text[2] = {static_cast<char>('0' + digit), '\0'};
    TextStyle style = digitStyle();
    style.size = size;
    DrawFittedText(canvas.cr(), text, kGlyphBox, Align::Centre, style);
    return canvas.savePng(grafik + "/" + text + ".png");
}

bool drawHighlight(const std::string& grafik) {
    Canvas canvas(kQuad, kQuad);
    // A red-hot core that fades out: it has to show between and around the
    // cream digits drawn over it.
    cairo_t* cr = canvas.cr();
    DrawGlow(cr, 15.0, 15.0, 14.5, {1.0, 0.3, 0.05, 0.9});
    cairo_pattern_t* core = cairo_pattern_create_radial(13.0, 12.0, 1.0, 15.0, 15.0, 11.0);
    cairo_pattern_add_color_stop_rgba(core, 0.0, 1.0, 0.6, 0.2, 0.95);
    cairo_pattern_add_color_stop_rgba(core, 1.0, 0.8, 0.1, 0.03, 0.9);
    cairo_arc(cr, 15.0, 15.0, 11.0, 0.0, 2.0 * M_PI);
    cairo_set_source(cr, core);
    cairo_fill(cr);
    cairo_pattern_destroy(core);
    return canvas.savePng(grafik + "/highlight.png");
}

} // namespace

bool DrawDigits(const std::string& grafik) {
    // One size for all ten, the largest at which the widest still fits.
    const char* const texts[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    Canvas probe(kQuad, kQuad);
    UseMachineIndependentFontOptions(probe.cr());
    double size = FitTextSize(probe.cr(), texts, 10, kGlyphBox, digitStyle());
    bool ok = true;
    for (int digit = 0; digit < 10; ++digit) {
        ok = drawDigit(digit, size, grafik) && ok;
    }
    return drawHighlight(grafik) && ok;
}
