#include "paint.h"
#include "../content/common/pi.h"

#include <initializer_list>
#include <tuple>

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double pi = 3.14159265358979323846;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -pi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, pi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, pi / 2, pi);
    cairo_arc(cr, x + radius, y + radius, radius, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom, double alpha) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.r, top.g, top.b, alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.r, bottom.g, bottom.b, alpha);
    cairo_set_source(cr, gradient);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gradient);
}

double Dice::Next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / 16777216.0;
}

void PaintGlow(cairo_t* cr, double x, double y, double inner, double outer, Rgb colour,
               double alpha) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, inner, x, y, outer);
    cairo_pattern_add_color_stop_rgba(glow, 0, colour.r, colour.g, colour.b, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, colour.r, colour.g, colour.b, 0.0);
    cairo_arc(cr, x, y, outer, 0, 2 * PI);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

void PaintMoon(cairo_t* cr, double cx, double cy, double r, bool full) {
    PaintGlow(cr, cx, cy, r * 0.8, r * 2.6, Rgb{1.0, 0.93, 0.70}, 0.35);

    cairo_push_group(cr);
    cairo_pattern_t* face =
        cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(face, 0, 1.0, 0.98, 0.88);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.98, 0.84, 0.52);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    if (!full) {
        cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
        cairo_arc(cr, cx + r * 0.45, cy - r * 0.22, r * 0.86, 0, 2 * PI);
        cairo_set_source_rgba(cr, 0, 0, 0, 1);
        cairo_fill(cr);
    } else {
        for (const auto& [dx, dy, s] : {std::tuple{-0.3, -0.2, 0.18}, std::tuple{0.25, 0.3, 0.14},
                                        std::tuple{0.35, -0.35, 0.1}}) {
            cairo_arc(cr, cx + dx * r, cy + dy * r, s * r, 0, 2 * PI);
            cairo_set_source_rgba(cr, 0.85, 0.68, 0.40, 0.35);
            cairo_fill(cr);
        }
    }
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}
