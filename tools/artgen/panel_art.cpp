// The captions beside the numbers: pegs left, moves, score and combo at the top
// right, the clock at the top left. The numbers' digits start 25 pixels right of
// the captions' images, so the captions sit flush right.
#include "artwork.h"
#include "canvas.h"
#include "palette.h"

namespace {

const int kWidth = 75;
const int kRowHeight = 30;
const int kStatsHeight = 90;

// The rows of stats.png start 5, 30 and 55 pixels down; their digits are centred
// in 30-pixel quads, and so are the captions.
const char* const kStatsCaptions[3] = {"Steine", u8"Züge", "Punkte"};
const double kStatsRowTop[3] = {5.0, 30.0, 55.0};
const char* const kComboCaption = "Kombo";
const char* const kTimeCaption = "Zeit";

// The clock's caption stops short of its digits, which start at x 90 (70 here).
const double kTimeCaptionRight = 66.0;

const TextBox kCaptionBox = {2.0, 3.0, kWidth - 4.0, kRowHeight - 6.0};

TextStyle captionStyle(double size) {
    return LabelStyle(size, kCream, kCreamDeep);
}

TextBox rowBox(double top, double right) {
    return {kCaptionBox.x, top + kCaptionBox.y, right - kCaptionBox.x, kCaptionBox.height};
}

bool drawStats(double size, const std::string& grafik) {
    Canvas canvas(kWidth, kStatsHeight);
    UseMachineIndependentFontOptions(canvas.cr());
    for (int row = 0; row < 3; ++row) {
        DrawFittedText(canvas.cr(), kStatsCaptions[row], rowBox(kStatsRowTop[row], kWidth - 2.0),
                       Align::Right, captionStyle(size));
    }
    return canvas.savePng(grafik + "/stats.png");
}

bool drawCaption(const char* text, double right, double size, const std::string& path) {
    Canvas canvas(kWidth, kRowHeight);
    UseMachineIndependentFontOptions(canvas.cr());
    DrawFittedText(canvas.cr(), text, rowBox(0.0, right), Align::Right, captionStyle(size));
    return canvas.savePng(path);
}

} // namespace

bool DrawPanels(const std::string& grafik) {
    // One size for every caption: the largest at which the longest fits the
    // narrowest box.
    const char* const all[5] = {kStatsCaptions[0], kStatsCaptions[1], kStatsCaptions[2],
                                kComboCaption, kTimeCaption};
    Canvas probe(kWidth, kRowHeight);
    UseMachineIndependentFontOptions(probe.cr());
    double size =
        FitTextSize(probe.cr(), all, 5, rowBox(0.0, kTimeCaptionRight), captionStyle(17.0));
    bool ok = drawStats(size, grafik);
    ok = drawCaption(kComboCaption, kWidth - 2.0, size, grafik + "/combostat.png") && ok;
    return drawCaption(kTimeCaption, kTimeCaptionRight, size, grafik + "/time.png") && ok;
}
