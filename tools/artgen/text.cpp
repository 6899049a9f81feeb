#include "text.h"

namespace {

const double kSmallestSize = 4.0;

void selectFont(cairo_t* cr, const TextStyle& style, double size) {
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL,
                           style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

void setSource(cairo_t* cr, const Rgba& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

// How far the outline reaches beyond the glyphs' ink on each side.
double outlineReach(const TextStyle& style) {
    return style.outline.a > 0.0 ? style.outlineWidth : 0.0;
}

double shadowReach(const TextStyle& style) {
    return style.shadow.a > 0.0 ? style.shadowOffset : 0.0;
}

} // namespace

void UseMachineIndependentFontOptions(cairo_t* cr) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double FitTextSize(cairo_t* cr, const char* const* texts, int count, const TextBox& box,
                   const TextStyle& style) {
    const double extra = 2.0 * outlineReach(style) + shadowReach(style);
    for (double size = style.size;; size -= 0.5) {
        selectFont(cr, style, size);
        bool fits = true;
        for (int i = 0; i < count; ++i) {
            cairo_text_extents_t ink;
            cairo_text_extents(cr, texts[i], &ink);
            fits = fits && ink.width + extra <= box.width && ink.height + extra <= box.height;
        }
        if (fits || size <= kSmallestSize) {
            return size;
        }
    }
}

void DrawFittedText(cairo_t* cr, const char* utf8, const TextBox& box, Align align,
                    const TextStyle& style) {
    const double outline = outlineReach(style);
    const double extra = 2.0 * outline + shadowReach(style);
    double size = FitTextSize(cr, &utf8, 1, box, style);
    selectFont(cr, style, size);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, utf8, &ink);

    // The ink box with outline and shadow, placed in the text box.
    double fullWidth = ink.width + extra;
    double left = box.x + (box.width - fullWidth) / 2.0;
    if (align == Align::Left) {
        left = box.x;
    } else if (align == Align::Right) {
        left = box.x + box.width - fullWidth;
    }
    double top = box.y + (box.height - (ink.height + extra)) / 2.0;
    double originX = left + outline - ink.x_bearing;
    double originY = top + outline - ink.y_bearing;

    cairo_save(cr);
    if (style.shadow.a > 0.0) {
        cairo_move_to(cr, originX + style.shadowOffset, originY + style.shadowOffset);
        cairo_text_path(cr, utf8);
        setSource(cr, style.shadow);
        cairo_set_line_width(cr, 2.0 * outline);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        cairo_fill(cr);
    }
    cairo_move_to(cr, originX, originY);
    cairo_text_path(cr, utf8);
    if (style.outline.a > 0.0) {
        setSource(cr, style.outline);
        cairo_set_line_width(cr, 2.0 * style.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* fill = cairo_pattern_create_linear(0.0, originY + ink.y_bearing, 0.0,
                                                        originY + ink.y_bearing + ink.height);
    cairo_pattern_add_color_stop_rgba(fill, 0.0, style.top.r, style.top.g, style.top.b,
                                      style.top.a);
    cairo_pattern_add_color_stop_rgba(fill, 1.0, style.bottom.r, style.bottom.g, style.bottom.b,
                                      style.bottom.a);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_restore(cr);
}
