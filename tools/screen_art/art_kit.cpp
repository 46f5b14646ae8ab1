#include "art_kit.h"

#include <cairo-ft.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <sstream>
#include <tuple>

namespace {

struct SkyStops {
    unsigned top, middle, bottom;
};

SkyStops StopsOf(SkyKind sky) {
    switch (sky) {
        case SkyKind::Night:
            return {0x0A0D2E, 0x28235E, 0x5E3C72};
        case SkyKind::Dusk:
            return {0x1C1A48, 0x6E3A6C, 0xE8905C};
        case SkyKind::Dawn:
            return {0x26356A, 0xA0709C, 0xF6C08E};
        case SkyKind::Day:
            return {0x3E70B4, 0x7FAEDC, 0xCFE4EE};
        case SkyKind::Storm:
            return {0x1E2434, 0x3A4458, 0x5E6878};
        case SkyKind::BlueHour:
            return {0x0E1C3C, 0x2A5080, 0x78A0C0};
        case SkyKind::SnowNight:
            return {0x161C3A, 0x3E4872, 0x8C96BA};
    }
    return {0, 0, 0};
}

void BoxBlurRows(std::vector<float>& v, int w, int h, int r) {
    std::vector<float> row(static_cast<size_t>(w));
    for (int y = 0; y < h; ++y) {
        float* p = v.data() + static_cast<size_t>(y) * w;
        double sum = 0;
        for (int x = -r; x <= r; ++x) {
            sum += p[std::clamp(x, 0, w - 1)];
        }
        for (int x = 0; x < w; ++x) {
            row[static_cast<size_t>(x)] = static_cast<float>(sum / (2 * r + 1));
            sum += p[std::min(x + r + 1, w - 1)] - p[std::max(x - r, 0)];
        }
        std::memcpy(p, row.data(), sizeof(float) * static_cast<size_t>(w));
    }
}

void BoxBlurColumns(std::vector<float>& v, int w, int h, int r) {
    std::vector<float> col(static_cast<size_t>(h));
    for (int x = 0; x < w; ++x) {
        double sum = 0;
        for (int y = -r; y <= r; ++y) {
            sum += v[static_cast<size_t>(std::clamp(y, 0, h - 1)) * w + x];
        }
        for (int y = 0; y < h; ++y) {
            col[static_cast<size_t>(y)] = static_cast<float>(sum / (2 * r + 1));
            sum += v[static_cast<size_t>(std::min(y + r + 1, h - 1)) * w + x] -
                   v[static_cast<size_t>(std::max(y - r, 0)) * w + x];
        }
        for (int y = 0; y < h; ++y) {
            v[static_cast<size_t>(y) * w + x] = col[static_cast<size_t>(y)];
        }
    }
}

}  // namespace

const PlaceLook& LookOf(Place place) {
    static const PlaceLook LOOKS[] = {
        {Hex(0x4A3A5E), Hex(0x2E2238), Hex(0xE8A048), Hex(0xFFC870)},  // home
        {Hex(0x1E4A44), Hex(0x12302A), Hex(0x6CC070), Hex(0xE8F090)},  // forest
        {Hex(0x28507A), Hex(0x1A3452), Hex(0x3CB4D8), Hex(0xFFE0A0)},  // seaside
        {Hex(0x4A4E72), Hex(0x2C2E4C), Hex(0xA08CE0), Hex(0xFFD0A0)},  // mountains
        {Hex(0x40305E), Hex(0x24183C), Hex(0xE0607A), Hex(0xFFD070)},  // castle
        {Hex(0x3A2A5C), Hex(0x22183A), Hex(0xF0C040), Hex(0xFFE090)},  // fair
    };
    return LOOKS[static_cast<int>(place)];
}

void PaintSky(cairo_t* cr, int w, int h, SkyKind sky) {
    const SkyStops s = StopsOf(sky);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    const Rgb top = Hex(s.top), middle = Hex(s.middle), bottom = Hex(s.bottom);
    cairo_pattern_add_color_stop_rgb(p, 0.0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, middle.r, middle.g, middle.b);
    cairo_pattern_add_color_stop_rgb(p, 0.85, bottom.r, bottom.g, bottom.b);
    cairo_pattern_add_color_stop_rgb(p, 1.0, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void PaintStars(cairo_t* cr, int w, double maxY, int count, unsigned seed, double alpha) {
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const double x = dice.Range(0, w);
        const double y = dice.Range(0, maxY);
        const double size = 0.5 + 1.5 * dice.Next() * dice.Next();
        const double a = alpha * (0.3 + 0.7 * dice.Next()) * (1.0 - 0.6 * y / maxY);
        cairo_arc(cr, x, y, size, 0, 2 * PI);
        cairo_set_source_rgba(cr, 1.0, 0.97, 0.88, a);
        cairo_fill(cr);
        if (size > 1.55) {
            cairo_move_to(cr, x - size * 3.2, y);
            cairo_line_to(cr, x + size * 3.2, y);
            cairo_move_to(cr, x, y - size * 3.2);
            cairo_line_to(cr, x, y + size * 3.2);
            cairo_set_line_width(cr, 0.7);
            cairo_set_source_rgba(cr, 1.0, 0.97, 0.88, a * 0.6);
            cairo_stroke(cr);
        }
    }
}

void PaintSun(cairo_t* cr, double cx, double cy, double r, Rgb colour) {
    PaintGlow(cr, cx, cy, r * 0.5, r * 4, colour, 0.55);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    SetColour(cr, Mix(colour, Hex(0xFFFFFF), 0.45));
    cairo_fill(cr);
}

void PaintCloud(cairo_t* cr, double x, double y, double scale, Rgb colour, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 22, 0, 2 * PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 30, -10, 28, 0, 2 * PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 62, -2, 22, 0, 2 * PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 86, 6, 15, 0, 2 * PI);
    cairo_new_sub_path(cr);
    RoundedRect(cr, -10, 0, 108, 21, 10);
    cairo_restore(cr);
    cairo_push_group(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void PaintRidge(cairo_t* cr, int w, int h, double base, double amplitude, double waves,
                double phase, Rgb top, Rgb bottom) {
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w + 6; x += 6) {
        const double t = x / static_cast<double>(w);
        const double y = base - amplitude * std::sin(t * waves + phase) -
                         amplitude * 0.4 * std::sin(t * waves * 2.3 + phase * 1.7);
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    FillVertical(cr, base - amplitude * 1.4, h, top, bottom);
    cairo_new_path(cr);
    // A soft rim of light along the crest.
    for (int x = 0; x <= w + 6; x += 6) {
        const double t = x / static_cast<double>(w);
        const double y = base - amplitude * std::sin(t * waves + phase) -
                         amplitude * 0.4 * std::sin(t * waves * 2.3 + phase * 1.7);
        cairo_line_to(cr, x, y + 1);
    }
    SetColour(cr, Mix(top, Hex(0xFFE8C8), 0.25), 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void PaintPine(cairo_t* cr, double x, double baseY, double height, Rgb colour) {
    const double w = height * 0.42;
    cairo_rectangle(cr, x - w * 0.08, baseY - height * 0.15, w * 0.16, height * 0.15);
    SetColour(cr, Mix(colour, Hex(0x000000), 0.3));
    cairo_fill(cr);
    for (int tier = 0; tier < 3; ++tier) {
        const double top = baseY - height * (1.0 - tier * 0.22);
        const double bottom = baseY - height * (0.5 - tier * 0.18);
        const double half = w * (0.3 + tier * 0.2);
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + half * 0.3, top + (bottom - top) * 0.4, x + half * 0.8, bottom - 3,
                       x + half, bottom);
        cairo_line_to(cr, x - half, bottom);
        cairo_curve_to(cr, x - half * 0.8, bottom - 3, x - half * 0.3, top + (bottom - top) * 0.4,
                       x, top);
        cairo_close_path(cr);
        SetColour(cr, Mix(colour, Hex(0xFFFFFF), 0.04 * tier));
        cairo_fill(cr);
    }
}

void PaintRoundTree(cairo_t* cr, double x, double baseY, double height, Rgb leaves, Rgb trunk) {
    cairo_rectangle(cr, x - height * 0.05, baseY - height * 0.45, height * 0.1, height * 0.45);
    SetColour(cr, trunk);
    cairo_fill(cr);
    const double r = height * 0.3;
    cairo_arc(cr, x, baseY - height + r, r, 0, 2 * PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x - r * 0.6, baseY - height + r * 1.6, r * 0.75, 0, 2 * PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + r * 0.6, baseY - height + r * 1.6, r * 0.75, 0, 2 * PI);
    SetColour(cr, leaves);
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.3, baseY - height + r * 0.7, r * 0.4, 0, 2 * PI);
    SetColour(cr, Mix(leaves, Hex(0xFFFFFF), 0.12), 0.6);
    cairo_fill(cr);
}

void PaintHouse(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof,
                Rgb window) {
    RoundedRect(cr, x, baseY - h, w, h + 2, 3);
    SetColour(cr, wall);
    cairo_fill(cr);
    cairo_move_to(cr, x - w * 0.12, baseY - h + 2);
    cairo_line_to(cr, x + w / 2, baseY - h - w * 0.5);
    cairo_line_to(cr, x + w * 1.12, baseY - h + 2);
    cairo_close_path(cr);
    SetColour(cr, roof);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    // chimney
    cairo_rectangle(cr, x + w * 0.68, baseY - h - w * 0.42, w * 0.12, w * 0.26);
    cairo_fill(cr);
    const double ww = w * 0.22, wh = h * 0.3;
    for (const double wx : {x + w * 0.16, x + w * 0.62}) {
        const double wy = baseY - h * 0.72;
        PaintGlow(cr, wx + ww / 2, wy + wh / 2, 1, w * 0.5, window, 0.35);
        RoundedRect(cr, wx, wy, ww, wh, 2);
        SetColour(cr, window);
        cairo_fill(cr);
        cairo_move_to(cr, wx + ww / 2, wy);
        cairo_line_to(cr, wx + ww / 2, wy + wh);
        cairo_move_to(cr, wx, wy + wh / 2);
        cairo_line_to(cr, wx + ww, wy + wh / 2);
        SetColour(cr, wall);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void PaintLantern(cairo_t* cr, double x, double y, double r, Rgb light) {
    PaintGlow(cr, x, y, r * 0.3, r * 4, light, 0.5);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 1.25);
    cairo_arc(cr, 0, 0, r, 0, 2 * PI);
    cairo_restore(cr);
    SetColour(cr, Mix(light, Hex(0xFFFFFF), 0.3));
    cairo_fill(cr);
    cairo_rectangle(cr, x - r * 0.45, y - r * 1.45, r * 0.9, r * 0.3);
    cairo_rectangle(cr, x - r * 0.45, y + r * 1.15, r * 0.9, r * 0.3);
    SetColour(cr, Hex(0x3A2A30));
    cairo_fill(cr);
}

void PaintTower(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof,
                Rgb window) {
    cairo_rectangle(cr, x, baseY - h, w, h);
    SetColour(cr, wall);
    cairo_fill(cr);
    const int teeth = 3;
    for (int i = 0; i < teeth; ++i) {
        cairo_rectangle(cr, x + i * w / teeth + w / (teeth * 4.0), baseY - h - w * 0.16,
                        w / (teeth * 2.0), w * 0.17);
    }
    cairo_fill(cr);
    cairo_move_to(cr, x - w * 0.1, baseY - h - w * 0.15);
    cairo_line_to(cr, x + w / 2, baseY - h - w * 1.1);
    cairo_line_to(cr, x + w * 1.1, baseY - h - w * 0.15);
    cairo_close_path(cr);
    SetColour(cr, roof);
    cairo_fill(cr);
    // a pennant
    cairo_move_to(cr, x + w / 2, baseY - h - w * 1.1);
    cairo_line_to(cr, x + w / 2, baseY - h - w * 1.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, x + w / 2, baseY - h - w * 1.45);
    cairo_line_to(cr, x + w / 2 + w * 0.4, baseY - h - w * 1.37);
    cairo_line_to(cr, x + w / 2, baseY - h - w * 1.29);
    cairo_fill(cr);
    RoundedRect(cr, x + w * 0.36, baseY - h * 0.75, w * 0.28, h * 0.14, w * 0.14);
    SetColour(cr, window);
    cairo_fill(cr);
}

void PaintPeak(cairo_t* cr, double x, double baseY, double w, double h, Rgb rock, Rgb snow) {
    cairo_move_to(cr, x - w / 2, baseY);
    cairo_line_to(cr, x - w * 0.08, baseY - h * 0.96);
    cairo_curve_to(cr, x - w * 0.03, baseY - h * 1.01, x + w * 0.03, baseY - h * 1.01, x + w * 0.08,
                   baseY - h * 0.96);
    cairo_line_to(cr, x + w / 2, baseY);
    cairo_close_path(cr);
    FillVertical(cr, baseY - h, baseY, Mix(rock, Hex(0xFFFFFF), 0.1), rock);
    cairo_new_path(cr);
    // the shaded side
    cairo_move_to(cr, x, baseY - h);
    cairo_line_to(cr, x + w / 2, baseY);
    cairo_line_to(cr, x + w * 0.1, baseY);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0, 0, 0.05, 0.18);
    cairo_fill(cr);
    // snow cap
    const double capY = baseY - h * 0.68;
    cairo_move_to(cr, x - w * 0.08, baseY - h * 0.96);
    cairo_line_to(cr, x - w * 0.16 * 1.0, capY);
    cairo_line_to(cr, x - w * 0.06, capY - h * 0.05);
    cairo_line_to(cr, x, capY + h * 0.02);
    cairo_line_to(cr, x + w * 0.07, capY - h * 0.06);
    cairo_line_to(cr, x + w * 0.16, capY);
    cairo_line_to(cr, x + w * 0.08, baseY - h * 0.96);
    cairo_close_path(cr);
    SetColour(cr, snow);
    cairo_fill(cr);
}

void PaintWaves(cairo_t* cr, int w, double top, double bottom, Rgb deep, Rgb crest, unsigned seed) {
    cairo_rectangle(cr, 0, top, w, bottom - top);
    FillVertical(cr, top, bottom, Mix(deep, crest, 0.25), deep);
    cairo_new_path(cr);
    Dice dice(seed);
    for (double y = top + 6; y < bottom; y += 8 + (y - top) * 0.12) {
        const double depth = (y - top) / (bottom - top);
        for (int i = 0; i < 10; ++i) {
            const double x = dice.Range(-20, w);
            const double len = 20 + 50 * depth + dice.Range(0, 30);
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + len * 0.3, y - 3 - 3 * depth, x + len * 0.7, y - 3 - 3 * depth,
                           x + len, y);
            cairo_set_line_width(cr, 1.0 + 1.5 * depth);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            SetColour(cr, crest, 0.25 + 0.2 * dice.Next());
            cairo_stroke(cr);
        }
    }
}

void PaintRain(cairo_t* cr, int w, int h, int count, unsigned seed, double alpha) {
    Dice dice(seed);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double x = dice.Range(-40, w);
        const double y = dice.Range(-20, h);
        const double len = dice.Range(10, 22);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len * 0.25, y + len);
        cairo_set_line_width(cr, dice.Range(0.8, 1.6));
        cairo_set_source_rgba(cr, 0.8, 0.86, 1.0, alpha * dice.Range(0.3, 1.0));
        cairo_stroke(cr);
    }
}

void PaintSnowfall(cairo_t* cr, int w, int h, int count, unsigned seed, double alpha) {
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const double r = dice.Range(0.8, 3.0);
        cairo_arc(cr, dice.Range(0, w), dice.Range(0, h), r, 0, 2 * PI);
        cairo_set_source_rgba(cr, 1.0, 1.0, 1.0, alpha * dice.Range(0.4, 1.0));
        cairo_fill(cr);
    }
}

void PaintFireflies(cairo_t* cr, double x0, double y0, double w, double h, int count, unsigned seed,
                    Rgb light) {
    Dice dice(seed);
    for (int i = 0; i < count; ++i) {
        const double x = x0 + dice.Range(0, w);
        const double y = y0 + dice.Range(0, h);
        const double r = dice.Range(1.0, 2.2);
        cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r * 5);
        cairo_pattern_add_color_stop_rgba(g, 0, light.r, light.g, light.b, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 0.25, light.r, light.g, light.b, 0.45);
        cairo_pattern_add_color_stop_rgba(g, 1, light.r, light.g, light.b, 0);
        cairo_arc(cr, x, y, r * 5, 0, 2 * PI);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
}

void PaintFog(cairo_t* cr, int w, double y, double height, Rgb colour, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y - height / 2, 0, y + height / 2);
    cairo_pattern_add_color_stop_rgba(p, 0, colour.r, colour.g, colour.b, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, colour.r, colour.g, colour.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, colour.r, colour.g, colour.b, 0);
    cairo_rectangle(cr, 0, y - height / 2, w, height);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void PaintVignette(cairo_t* cr, int w, int h, double strength) {
    cairo_pattern_t* p =
        cairo_pattern_create_radial(w / 2.0, h / 2.0, h * 0.45, w / 2.0, h / 2.0, w * 0.72);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.02, 0.01, 0.08, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.02, 0.01, 0.08, strength);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void UseFont(cairo_t* cr, double size) {
    cairo_select_font_face(cr, "Comic Neue", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
}

std::string GameFontFamily() {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(surface);
    UseFont(cr, 12);
    std::string family;
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr);
    if (cairo_scaled_font_get_type(font) == CAIRO_FONT_TYPE_FT) {
        if (FT_Face face = cairo_ft_scaled_font_lock_face(font)) {
            family = face->family_name != nullptr ? face->family_name : "";
            cairo_ft_scaled_font_unlock_face(font);
        }
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return family;
}

double TextWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void OutlinedText(cairo_t* cr, const std::string& text, double cx, double baseline, double size,
                  Rgb fill, Rgb outline, double outlineWidth) {
    UseFont(cr, size);
    const double x = cx - TextWidth(cr, text) / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text.c_str());
    if (outlineWidth > 0) {
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, outlineWidth);
        SetColour(cr, outline);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, fill);
    cairo_fill(cr);
}

double FittedSize(cairo_t* cr, const std::string& text, double size, double width) {
    UseFont(cr, size);
    const double textWidth = TextWidth(cr, text);
    return textWidth > width ? size * width / textWidth : size;
}

std::vector<std::string> WrapText(cairo_t* cr, const std::string& text, double width) {
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) {
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(cr, longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

void CalmMiddle(RgbaImage& image, double strength) {
    const int w = image.width, h = image.height;
    std::vector<float> channels[3];
    for (int c = 0; c < 3; ++c) {
        channels[c].resize(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                channels[c][static_cast<size_t>(y) * w + x] = image.At(x, y)[c];
            }
        }
        for (int pass = 0; pass < 3; ++pass) {
            BoxBlurRows(channels[c], w, h, 7);
            BoxBlurColumns(channels[c], w, h, 7);
        }
    }
    double mean[3] = {0, 0, 0};
    int count = 0;
    for (int y = h / 4; y < h * 3 / 4; y += 4) {
        for (int x = w / 4; x < w * 3 / 4; x += 4) {
            for (int c = 0; c < 3; ++c) {
                mean[c] += channels[c][static_cast<size_t>(y) * w + x];
            }
            ++count;
        }
    }
    for (double& m : mean) {
        m /= count;
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x - w / 2.0) / (w * 0.42);
            const double dy = (y - h / 2.0) / (h * 0.40);
            const double d = std::sqrt(dx * dx + dy * dy);
            const double t = std::clamp((1.15 - d) / 0.45, 0.0, 1.0);
            const double m = strength * t * t * (3 - 2 * t);
            uint8_t* p = image.At(x, y);
            for (int c = 0; c < 3; ++c) {
                const double blurred = channels[c][static_cast<size_t>(y) * w + x];
                double v = p[c] + (blurred - p[c]) * m * 0.85;
                v = mean[c] + (v - mean[c]) * (1.0 - 0.36 * m);
                p[c] = static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
            }
        }
    }
}

RgbaImage Shrink(const RgbaImage& image, int width, int height) {
    RgbaImage out(width, height);
    for (int y = 0; y < height; ++y) {
        const int y0 = y * image.height / height, y1 = (y + 1) * image.height / height;
        for (int x = 0; x < width; ++x) {
            const int x0 = x * image.width / width, x1 = (x + 1) * image.width / width;
            double sum[4] = {0, 0, 0, 0};
            for (int sy = y0; sy < y1; ++sy) {
                for (int sx = x0; sx < x1; ++sx) {
                    const uint8_t* p = image.At(sx, sy);
                    const double a = p[3] / 255.0;
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += p[c] * a;
                    }
                    sum[3] += a;
                }
            }
            const int n = std::max(1, (x1 - x0) * (y1 - y0));
            uint8_t* d = out.At(x, y);
            for (int c = 0; c < 3; ++c) {
                d[c] = sum[3] > 0 ? static_cast<uint8_t>(std::lround(sum[c] / sum[3])) : 0;
            }
            d[3] = static_cast<uint8_t>(std::lround(255.0 * sum[3] / n));
        }
    }
    return out;
}

void DrawPicture(cairo_t* cr, const RgbaImage& picture, double x, double y, double w, double h) {
    cairo_surface_t* s =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int py = 0; py < picture.height; ++py) {
        for (int px = 0; px < picture.width; ++px) {
            const uint8_t* p = picture.At(px, py);
            const uint32_t a = p[3];
            const uint32_t r = (p[0] * a + 127) / 255, g = (p[1] * a + 127) / 255,
                           b = (p[2] * a + 127) / 255;
            const uint32_t v = (a << 24) | (r << 16) | (g << 8) | b;
            std::memcpy(data + static_cast<size_t>(py) * stride + px * 4, &v, 4);
        }
    }
    cairo_surface_mark_dirty(s);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / picture.width, h / picture.height);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}
