#include "scene_shapes.h"
#include "../common/pi.h"

#include <cmath>

namespace {}

void Fill(cairo_t* cr, const Rgb& c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
    cairo_fill(cr);
}

void Sky(cairo_t* cr, const Rgb& top, const Rgb& bottom, double height) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, 0, 0, 128, 192);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Sun(cairo_t* cr, double x, double y, double r, const Rgb& c) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, r * 0.6, x, y, r * 2.2);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_arc(cr, x, y, r * 2.2, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    Fill(cr, c);
}

void Cloud(cairo_t* cr, double x, double y, double s) {
    const double bumps[4][3] = {{0, 0, 6}, {7, -4, 7}, {15, -1, 6}, {21, 1, 4.5}};
    for (const auto& b : bumps) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + b[0] * s, y + b[1] * s, b[2] * s, 0, 2 * PI);
    }
    cairo_rectangle(cr, x, y, 21 * s, 4.5 * s);
    Fill(cr, {1, 1, 1}, 0.9);
}

void Hill(cairo_t* cr, double yl, double crestX, double crestY, double yr, const Rgb& c) {
    cairo_move_to(cr, 0, 192);
    cairo_line_to(cr, 0, yl);
    cairo_curve_to(cr, crestX * 0.5, crestY, crestX, crestY, crestX, crestY);
    cairo_curve_to(cr, crestX + (128 - crestX) * 0.5, crestY, 128, yr, 128, yr);
    cairo_line_to(cr, 128, 192);
    cairo_close_path(cr);
    Fill(cr, c);
}

void PineTree(cairo_t* cr, double x, double baseY, double h, const Rgb& c) {
    Rect(cr, x - h * 0.05, baseY - h * 0.15, h * 0.1, h * 0.15, {0.35, 0.22, 0.1});
    for (int tier = 0; tier < 3; ++tier) {
        const double top = baseY - h + tier * h * 0.25;
        const double w = h * (0.22 + tier * 0.1);
        Triangle(cr, x, top, x - w, top + h * 0.42, x + w, top + h * 0.42,
                 {c.r * (1 - tier * 0.08), c.g * (1 - tier * 0.08), c.b * (1 - tier * 0.08)});
    }
}

void RoundTree(cairo_t* cr, double x, double baseY, double h) {
    Rect(cr, x - h * 0.07, baseY - h * 0.45, h * 0.14, h * 0.45, {0.4, 0.25, 0.12});
    cairo_arc(cr, x, baseY - h * 0.65, h * 0.33, 0, 2 * PI);
    Fill(cr, {0.22, 0.55, 0.2});
    cairo_arc(cr, x - h * 0.1, baseY - h * 0.72, h * 0.16, 0, 2 * PI);
    Fill(cr, {0.35, 0.7, 0.3});
}

void Rect(cairo_t* cr, double x, double y, double w, double h, const Rgb& c) {
    cairo_rectangle(cr, x, y, w, h);
    Fill(cr, c);
}

void Triangle(cairo_t* cr, double x1, double y1, double x2, double y2, double x3, double y3,
              const Rgb& c) {
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_line_to(cr, x3, y3);
    cairo_close_path(cr);
    Fill(cr, c);
}

void Dots(cairo_t* cr, int count, double x0, double y0, double w, double h, double r, const Rgb& c,
          unsigned seed) {
    unsigned state = seed;
    auto next = [&state]() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / static_cast<double>(1u << 24);
    };
    for (int i = 0; i < count; ++i) {
        cairo_arc(cr, x0 + next() * w, y0 + next() * h, r, 0, 2 * PI);
        Fill(cr, c);
    }
}
