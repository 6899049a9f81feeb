#include "palette.h"

TextStyle LabelStyle(double size, const Rgba& top, const Rgba& bottom) {
    TextStyle style;
    style.size = size;
    style.top = top;
    style.bottom = bottom;
    style.outline = kInk;
    style.outlineWidth = 2.0;
    style.shadow = kSoftShadow;
    style.shadowOffset = 1.5;
    return style;
}

void SetFeltSource(cairo_t* cr) {
    cairo_set_source_rgb(cr, kFeltRed / 255.0, kFeltGreen / 255.0, kFeltBlue / 255.0);
}
