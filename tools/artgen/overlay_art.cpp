// The overlays: the game-over banner, the click-to-begin prompt and the credits.
#include "artwork.h"
#include "canvas.h"
#include "palette.h"

#include <cmath>

namespace {

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2.0, 0.0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0.0, M_PI / 2.0);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2.0, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

// A dark walnut panel with a gold rim and a shadow, filling the canvas but
// for a margin that holds the shadow.
void drawPanel(Canvas& canvas, double radius, double opacity) {
    cairo_t* cr = canvas.cr();
    const double m = 4.0;
    double w = canvas.width() - 2.0 * m;
    double h = canvas.height() - 2.0 * m;
    roundedRect(cr, m + 2.0, m + 3.0, w, h, radius);
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.4);
    cairo_fill(cr);

    roundedRect(cr, m, m, w, h, radius);
    cairo_pattern_t* body = cairo_pattern_create_linear(0.0, m, 0.0, m + h);
    cairo_pattern_add_color_stop_rgba(body, 0.0, 0.30, 0.17, 0.09, opacity);
    cairo_pattern_add_color_stop_rgba(body, 1.0, kPanel.r, kPanel.g, kPanel.b, opacity);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_set_source_rgb(cr, kGold.r, kGold.g, kGold.b);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    roundedRect(cr, m + 4.0, m + 4.0, w - 8.0, h - 8.0, radius - 3.0);
    cairo_set_source_rgba(cr, kGold.r, kGold.g, kGold.b, 0.35);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

TextStyle titleStyle(double size) {
    TextStyle style = LabelStyle(size, {1.0, 0.95, 0.7, 1.0}, kGold);
    style.outlineWidth = 2.5;
    style.shadowOffset = 2.5;
    return style;
}

bool drawGameOver(const std::string& grafik) {
    Canvas canvas(450, 100);
    UseMachineIndependentFontOptions(canvas.cr());
    drawPanel(canvas, 18.0, 0.9);
    DrawFittedText(canvas.cr(), "Game Over", {20.0, 14.0, 410.0, 70.0}, Align::Centre,
                   titleStyle(64.0));
    return canvas.savePng(grafik + "/GameOver.png");
}

bool drawClickToBegin(const std::string& grafik) {
    Canvas canvas(350, 65);
    UseMachineIndependentFontOptions(canvas.cr());
    drawPanel(canvas, 26.0, 0.85);
    DrawFittedText(canvas.cr(), "Zum Starten klicken", {22.0, 14.0, 306.0, 36.0}, Align::Centre,
                   LabelStyle(28.0, kCream, kCreamDeep));
    return canvas.savePng(grafik + "/CTB.png");
}

// The credits: the name, the rules in brief, and how the artwork was made. They name no
// library the program runs on, which differs between the Linux and the Windows program.
bool drawAbout(const std::string& grafik) {
    Canvas canvas(500, 350);
    cairo_t* cr = canvas.cr();
    UseMachineIndependentFontOptions(cr);
    drawPanel(canvas, 16.0, 0.96);
    DrawFittedText(cr, "Quorvel 2.0", {30.0, 16.0, 440.0, 50.0}, Align::Centre, titleStyle(44.0));

    cairo_set_source_rgba(cr, kGold.r, kGold.g, kGold.b, 0.6);
    cairo_rectangle(cr, 60.0, 74.0, 380.0, 1.5);
    cairo_fill(cr);

    const char* const rules[] = {
        u8"Springe mit einem Stein über seinen Nachbarn",
        u8"in das freie Loch dahinter; der übersprungene Stein",
        u8"verlässt das Brett. Je weniger Steine übrig sind,",
        u8"desto mehr Punkte bringt ein Sprung.",
        u8"Drei Sprünge desselben Steins in Folge: Kombo-Bonus.",
        u8"Der blinkende heiße Stein: überspringen, nicht anfassen!",
        u8"Action Modus: 30 Sekunden ab dem ersten Klick.",
    };
    const int ruleCount = sizeof(rules) / sizeof(rules[0]);
    TextStyle body = LabelStyle(16.0, kCream, kCreamDeep);
    body.bold = false;
    body.outlineWidth = 1.0;
    body.shadowOffset = 1.0;
    const double lineHeight = 24.0;
    TextBox line = {36.0, 84.0, 428.0, lineHeight};
    body.size = FitTextSize(cr, rules, ruleCount, line, body);
    for (int i = 0; i < ruleCount; ++i) {
        line.y = 84.0 + i * lineHeight;
        DrawFittedText(cr, rules[i], line, Align::Left, body);
    }

    cairo_set_source_rgba(cr, kGold.r, kGold.g, kGold.b, 0.6);
    cairo_rectangle(cr, 60.0, 260.0, 380.0, 1.5);
    cairo_fill(cr);
    TextStyle small = body;
    small.top = {0.95, 0.85, 0.62, 1.0};
    small.bottom = small.top;
    DrawFittedText(cr, "Die Grafik ist mit cairo gezeichnet.", {36.0, 279.0, 428.0, 22.0},
                   Align::Centre, small);
    TextStyle hint = LabelStyle(13.0, kGold, kGold);
    hint.outlineWidth = 1.0;
    DrawFittedText(cr, u8"Klicken zum Schließen", {36.0, 316.0, 428.0, 20.0}, Align::Centre, hint);
    return canvas.savePng(grafik + "/About.png");
}

} // namespace

bool DrawOverlays(const std::string& grafik) {
    bool ok = drawGameOver(grafik);
    ok = drawClickToBegin(grafik) && ok;
    return drawAbout(grafik) && ok;
}
