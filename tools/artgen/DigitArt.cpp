// The ten digits and the glow behind them. Digits stand 15 pixels apart on
// 30 x 30 quads, so each glyph keeps to the middle 15 columns.
#include "tools/artgen/Artwork.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/Shapes.h"

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
    DrawGlow(canvas.cr(), 15.0, 15.0, 15.0, {1.0, 0.32, 0.08, 0.95});
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
