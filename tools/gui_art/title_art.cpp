#include "title_art.h"
#include "../content/common/pi.h"

#include <cmath>

#include "../content/common/cairo_image.h"
#include "paint.h"

namespace {

void PaintSky(cairo_t* cr, int w, int h) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(sky, 0.00, 0.04, 0.05, 0.18);
    cairo_pattern_add_color_stop_rgb(sky, 0.45, 0.16, 0.14, 0.41);
    cairo_pattern_add_color_stop_rgb(sky, 0.72, 0.42, 0.25, 0.50);
    cairo_pattern_add_color_stop_rgb(sky, 1.00, 0.80, 0.45, 0.45);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, sky);
    cairo_fill(cr);
    cairo_pattern_destroy(sky);
}

void PaintStars(cairo_t* cr, int w, int h) {
    Dice dice(20261209u);
    for (int i = 0; i < 190; ++i) {
        const double x = dice.Range(0, w);
        const double y = dice.Range(0, h * 0.7);
        const double size = 0.5 + 1.6 * dice.Next() * dice.Next();
        const double alpha = 0.35 + 0.65 * dice.Next() * (1.0 - y / h);
        cairo_arc(cr, x, y, size, 0, 2 * PI);
        cairo_set_source_rgba(cr, 1.0, 0.97, 0.88, alpha);
        cairo_fill(cr);
        if (size > 1.5) {  // a few bright ones sparkle
            cairo_move_to(cr, x - size * 3.5, y);
            cairo_line_to(cr, x + size * 3.5, y);
            cairo_move_to(cr, x, y - size * 3.5);
            cairo_line_to(cr, x, y + size * 3.5);
            cairo_set_line_width(cr, 0.8);
            cairo_set_source_rgba(cr, 1.0, 0.97, 0.88, alpha * 0.7);
            cairo_stroke(cr);
        }
    }
}

void PaintHills(cairo_t* cr, int w, int h) {
    struct Layer {
        double base, amplitude, phase;
        Rgb top, bottom;
    };
    const Layer layers[] = {
        {h * 0.74, 26, 0.6, Hex(0x3A2A62), Hex(0x24193F)},
        {h * 0.82, 20, 2.1, Hex(0x251A45), Hex(0x140E28)},
    };
    for (const Layer& layer : layers) {
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= w; x += 8) {
            const double t = x / static_cast<double>(w);
            const double y = layer.base - layer.amplitude * std::sin(t * 5.0 + layer.phase) -
                             layer.amplitude * 0.5 * std::sin(t * 11.0 + layer.phase * 2);
            cairo_line_to(cr, x, y);
        }
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        FillVertical(cr, layer.base - layer.amplitude, h, layer.top, layer.bottom);
        cairo_new_path(cr);
    }
}

enum class Symbol { Star, Moon, Heart, Flower, Drop };

void PaintSymbol(cairo_t* cr, Symbol symbol, double s) {
    switch (symbol) {
        case Symbol::Star:
            for (int i = 0; i < 10; ++i) {
                const double a = -PI / 2 + i * PI / 5;
                const double r = i % 2 == 0 ? s * 0.42 : s * 0.18;
                cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
            }
            cairo_close_path(cr);
            SetColour(cr, Hex(0xF2A91E));
            break;
        case Symbol::Moon:
            cairo_arc(cr, 0, 0, s * 0.36, 0, 2 * PI);
            cairo_new_sub_path(cr);
            cairo_arc_negative(cr, s * 0.16, -s * 0.10, s * 0.30, 2 * PI, 0);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            SetColour(cr, Hex(0x3D5FC4));
            break;
        case Symbol::Heart:
            cairo_move_to(cr, 0, s * 0.36);
            cairo_curve_to(cr, -s * 0.52, 0, -s * 0.30, -s * 0.42, 0, -s * 0.16);
            cairo_curve_to(cr, s * 0.30, -s * 0.42, s * 0.52, 0, 0, s * 0.36);
            SetColour(cr, Hex(0xE0455E));
            break;
        case Symbol::Flower:
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * PI / 5;
                cairo_new_sub_path(cr);
                cairo_arc(cr, s * 0.2 * std::cos(a), s * 0.2 * std::sin(a), s * 0.15, 0, 2 * PI);
            }
            SetColour(cr, Hex(0xB65CD6));
            cairo_fill(cr);
            cairo_arc(cr, 0, 0, s * 0.11, 0, 2 * PI);
            SetColour(cr, Hex(0xFFD166));
            break;
        case Symbol::Drop:
            cairo_move_to(cr, 0, -s * 0.40);
            cairo_curve_to(cr, s * 0.38, 0, s * 0.30, s * 0.36, 0, s * 0.36);
            cairo_curve_to(cr, -s * 0.30, s * 0.36, -s * 0.38, 0, 0, -s * 0.40);
            SetColour(cr, Hex(0x2BB3A8));
            break;
    }
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void PaintTile(cairo_t* cr, double cx, double cy, double size, double degrees, Symbol symbol) {
    const double w = size * 0.78;
    const double h = size;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, degrees * PI / 180.0);
    RoundedRect(cr, -w / 2 + 4, -h / 2 + 6, w, h, 9);
    cairo_set_source_rgba(cr, 0, 0, 0.05, 0.35);
    cairo_fill(cr);
    RoundedRect(cr, -w / 2, -h / 2, w, h, 9);
    FillVertical(cr, -h / 2, h / 2, Hex(0xFFF9EC), Hex(0xEADBC0));
    SetColour(cr, Hex(0xB89B6E));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    PaintSymbol(cr, symbol, size * 0.95);
    cairo_restore(cr);
}

// A glowing three-segment route between two matching tiles.
void PaintRoute(cairo_t* cr, double x0, double y0, double x1, double y1, double bendY) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x0, bendY);
        cairo_line_to(cr, x1, bendY);
        cairo_line_to(cr, x1, y1);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, pass == 0 ? 12 : 4);
        if (pass == 0) {
            cairo_set_source_rgba(cr, 1.0, 0.82, 0.40, 0.30);
        } else {
            cairo_set_source_rgba(cr, 1.0, 0.95, 0.75, 0.95);
        }
        cairo_stroke(cr);
    }
}

void PaintName(cairo_t* cr, int w, double baseline, const std::string& name) {
    cairo_select_font_face(cr, "Comic Neue", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 118);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, name.c_str(), &extents);
    const double x = (w - extents.width) / 2 - extents.x_bearing;

    cairo_move_to(cr, x + 5, baseline + 7);
    cairo_text_path(cr, name.c_str());
    cairo_set_source_rgba(cr, 0.03, 0.02, 0.12, 0.55);
    cairo_fill(cr);

    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, name.c_str());
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 10);
    SetColour(cr, Hex(0x2A1650));
    cairo_stroke_preserve(cr);
    const double top = baseline + extents.y_bearing;
    FillVertical(cr, top, baseline, Hex(0xFFF1B0), Hex(0xF0A030));
    cairo_set_line_width(cr, 2);
    SetColour(cr, Hex(0xFFF8DC), 0.6);
    cairo_stroke(cr);
}

}  // namespace

RgbaImage PaintTitle(int width, int height, const std::string& name) {
    CairoCanvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    PaintSky(cr, width, height);
    PaintStars(cr, width, height);
    PaintMoon(cr, 640, 118, 70);
    PaintHills(cr, width, height);

    PaintRoute(cr, 118, 372, 690, 376, 428);
    PaintTile(cr, 118, 372, 70, -8, Symbol::Star);
    PaintTile(cr, 690, 376, 70, 7, Symbol::Star);
    PaintTile(cr, 96, 150, 58, 12, Symbol::Heart);
    PaintTile(cr, 210, 96, 50, -14, Symbol::Flower);
    PaintTile(cr, 520, 70, 46, 9, Symbol::Drop);
    PaintTile(cr, 742, 228, 54, -10, Symbol::Moon);
    PaintTile(cr, 372, 88, 42, 15, Symbol::Moon);
    PaintTile(cr, 40, 262, 44, -6, Symbol::Drop);

    PaintName(cr, width, 300, name);
    return canvas.Image();
}
