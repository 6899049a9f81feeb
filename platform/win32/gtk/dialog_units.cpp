#include "platform/win32/gtk/dialog_units.h"

#include "platform/win32/cp1252.h"

using namespace win32;

namespace win32_gtk {

namespace {

constexpr double kGrowth = 1.05;
constexpr int kMaxGrowthSteps = 20;
// Room a push button needs around its label, and a text box around its text.
constexpr int kButtonPadding = 16;
constexpr int kEditPadding = 6;

bool TextFits(GtkWidget* fontSource, const Window& control, const DialogUnits& units) {
    const std::string text = Cp1252ToUtf8(control.text.empty() ? "Xg" : control.text);
    PangoLayout* layout = gtk_widget_create_pango_layout(fontSource, text.c_str());
    const int width = units.PixelsX(control.unitsWidth);
    const int height = units.PixelsY(control.unitsHeight);
    bool fits = true;
    int textWidth = 0;
    int textHeight = 0;
    if (control.className == "static") {
        pango_layout_set_width(layout, width * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
        fits = textHeight <= height;
    } else if (control.className == "button") {
        pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
        fits = textWidth + kButtonPadding <= width && textHeight + 4 <= height;
    } else {
        pango_layout_get_pixel_size(layout, &textWidth, &textHeight);
        fits = textHeight + kEditPadding <= height;
    }
    g_object_unref(layout);
    return fits;
}

} // namespace

DialogUnits MeasureDialogUnits(GtkWidget* fontSource, const Window& dialog) {
    PangoLayout* sample = gtk_widget_create_pango_layout(
        fontSource, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(sample, &width, &height);
    g_object_unref(sample);
    DialogUnits units;
    if (width > 0 && height > 0) {
        units.x = (width / 52.0) / 4.0;
        units.y = height / 8.0;
    }
    for (int step = 0; step < kMaxGrowthSteps; ++step) {
        bool allFit = true;
        for (const Window* control : dialog.controls) {
            allFit = allFit && TextFits(fontSource, *control, units);
        }
        if (allFit) {
            break;
        }
        units.x *= kGrowth;
        units.y *= kGrowth;
    }
    return units;
}

} // namespace win32_gtk
