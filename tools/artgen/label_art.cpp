// The rising points labels, each drawn on a 75 x 30 quad. A label shows only
// what was scored: the file names are older than the points they now stand for.
#include "artwork.h"
#include "canvas.h"
#include "palette.h"
#include "shapes.h"

namespace {

const int kWidth = 75;
const int kHeight = 30;

struct PointsLabel {
    const char* file;
    const char* text;
    Rgba top;
    Rgba bottom;
};

const PointsLabel kLabels[] = {
    {"50p.png", "+50", {1.0, 0.98, 0.80, 1.0}, {0.96, 0.86, 0.45, 1.0}},
    {"150p.png", "+100", {1.0, 0.95, 0.55, 1.0}, {0.98, 0.72, 0.15, 1.0}},
    // Shown for 200 points and beside the chain bonus alike, so no number.
    {"250p.png", "Super!", {1.0, 0.88, 0.45, 1.0}, {1.0, 0.50, 0.10, 1.0}},
    {"1000p.png", "+950", {1.0, 0.75, 0.55, 1.0}, {0.95, 0.28, 0.12, 1.0}},
    {"3000p.png", "+2950", {1.0, 0.85, 1.0, 1.0}, {0.72, 0.42, 1.0, 1.0}},
};

// The chain bonus, named with its points on two lines; "Kombo +250" on one
// would shrink past reading.
bool drawChainLabel(const std::string& grafik) {
    Canvas canvas(kWidth, kHeight);
    UseMachineIndependentFontOptions(canvas.cr());
    TextStyle style = LabelStyle(14.0, {0.85, 1.0, 1.0, 1.0}, {0.35, 0.80, 1.0, 1.0});
    style.family = "DejaVu Sans Condensed";
    style.outlineWidth = 1.5;
    style.shadowOffset = 1.0;
    DrawFittedText(canvas.cr(), "Kombo", {1.0, 1.0, kWidth - 2.0, 14.5}, Align::Centre, style);
    DrawFittedText(canvas.cr(), "+250", {1.0, 14.5, kWidth - 2.0, 14.5}, Align::Centre, style);
    return canvas.savePng(grafik + "/combo.png");
}

bool drawLabel(const PointsLabel& label, const std::string& grafik) {
    Canvas canvas(kWidth, kHeight);
    UseMachineIndependentFontOptions(canvas.cr());
    DrawFittedText(canvas.cr(), label.text, {1.0, 1.0, kWidth - 2.0, kHeight - 2.0}, Align::Centre,
                   LabelStyle(22.0, label.top, label.bottom));
    return canvas.savePng(grafik + "/" + label.file);
}

// The hot-peg bonus: its flame beside the points.
bool drawHotPegLabel(const std::string& grafik) {
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    UseMachineIndependentFontOptions(cr);
    DrawFlame(cr, 11.0, 26.0, 22.0);
    DrawFittedText(cr, "+300", {22.0, 1.0, kWidth - 23.0, kHeight - 2.0}, Align::Centre,
                   LabelStyle(22.0, {1.0, 0.85, 0.5, 1.0}, {1.0, 0.35, 0.08, 1.0}));
    return canvas.savePng(grafik + "/pHotButton.png");
}

} // namespace

bool DrawLabels(const std::string& grafik) {
    bool ok = true;
    for (const PointsLabel& label : kLabels) {
        ok = drawLabel(label, grafik) && ok;
    }
    ok = drawChainLabel(grafik) && ok;
    return drawHotPegLabel(grafik) && ok;
}
