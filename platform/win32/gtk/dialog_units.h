// Dialog units to pixels, from the font the dialog is shown in.
#pragma once

#include "platform/win32/objects.h"

#include <gtk/gtk.h>

namespace win32_gtk {

struct DialogUnits {
    double x = 1.5; // pixels per horizontal dialog unit
    double y = 1.625;
    int PixelsX(int units) const { return (int)(units * x + 0.5); }
    int PixelsY(int units) const { return (int)(units * y + 0.5); }
};

// The font's base units (average letter width / 4, line height / 8), enlarged
// step by step until every control's text fits its box.
DialogUnits MeasureDialogUnits(GtkWidget* fontSource, const win32::Window& dialog);

} // namespace win32_gtk
