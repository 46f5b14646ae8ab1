#include "small_pictures.h"

#include <cairo-svg.h>

#include <algorithm>
#include <cmath>

#include "../content/common/cairo_image.h"
#include "../gui_art/control_art.h"
#include "art_kit.h"

namespace {

const Rgb GOLD = Hex(0xE8B84A);
const Rgb CREAM = Hex(0xFFF4DA);
const Rgb INK = Hex(0x1A1030);

ControlState StateOf(const std::string& state) {
    if (state == "over") {
        return ControlState::Over;
    }
    if (state == "down") {
        return ControlState::Down;
    }
    return ControlState::Normal;
}

void Arrow(cairo_t* cr, double x, double y, double angle, double size) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, size, 0);
    cairo_line_to(cr, -size * 0.6, -size * 0.8);
    cairo_line_to(cr, -size * 0.6, size * 0.8);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_fill(cr);
}

void UndoSign(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    cairo_arc(cr, cx + 1, cy + 2, 6, -PI * 0.9, PI * 0.5);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    Arrow(cr, cx - 5, cy - 1, -PI * 0.45, 4);
}

void RetrySign(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 6.5, -PI * 0.35, PI * 1.35);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    Arrow(cr, cx + 5.5, cy - 4.5, PI * 0.2, 4);
}

void HintSign(cairo_t* cr, double cx, double cy) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - 1.5, 5.5, PI * 0.75, PI * 2.25);
    cairo_line_to(cr, cx + 2.5, cy + 5);
    cairo_line_to(cr, cx - 2.5, cy + 5);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 2.5, cy + 6, 5, 2);
    cairo_fill(cr);
}

// The part of circle a outside circle b (the circles must cross).
void CrescentPath(cairo_t* cr, double ax, double ay, double ar, double bx, double by, double br) {
    const double d = std::hypot(bx - ax, by - ay);
    const double along = (ar * ar - br * br + d * d) / (2 * d);
    const double h = std::sqrt(std::max(0.0, ar * ar - along * along));
    const double px = ax + along * (bx - ax) / d, py = ay + along * (by - ay) / d;
    const double nx = -(by - ay) / d, ny = (bx - ax) / d;
    double x1 = px + h * nx, y1 = py + h * ny, x2 = px - h * nx, y2 = py - h * ny;
    const double away = std::atan2(ay - by, ax - bx);  // from b towards a
    // True when going from angle 'from' with growing angles reaches 'angle' before 'to'.
    auto sweeps = [](double from, double to, double angle) {
        const double span = std::fmod(to - from + 4 * PI, 2 * PI);
        return std::fmod(angle - from + 4 * PI, 2 * PI) < span;
    };
    if (!sweeps(std::atan2(y1 - ay, x1 - ax), std::atan2(y2 - ay, x2 - ax), away)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    cairo_new_path(cr);
    cairo_arc(cr, ax, ay, ar, std::atan2(y1 - ay, x1 - ax), std::atan2(y2 - ay, x2 - ax));
    const double from = std::atan2(y2 - by, x2 - bx), to = std::atan2(y1 - by, x1 - bx);
    if (sweeps(from, to, away)) {
        cairo_arc(cr, bx, by, br, from, to);
    } else {
        cairo_arc_negative(cr, bx, by, br, from, to);
    }
    cairo_close_path(cr);
}

// The status bar's captioned buttons: deep blue bodies, so the bar's gold
// captions read well on them.
RgbaImage PaintCaptionButton(const std::string& state, int w, int h) {
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const bool over = state == "over", down = state == "down";
    const double drop = down ? 1 : 0;
    RoundedRect(cr, 1, 1 + drop, w - 2, h - 2 - drop, 8);
    FillVertical(cr, 1, h - 1, over ? Hex(0x4A4F9A) : Hex(0x353978),
                 down ? Hex(0x101232) : Hex(0x191B48));
    SetColour(cr, over ? Hex(0xFFD166) : Hex(0x7A80C8), 1.0);
    cairo_set_line_width(cr, over ? 2.0 : 1.4);
    cairo_stroke(cr);
    RoundedRect(cr, 4, 3 + drop, w - 8, h * 0.4, 5);
    SetColour(cr, Hex(0xFFFFFF), down ? 0.04 : 0.10);
    cairo_fill(cr);
    return canvas.Image();
}

}  // namespace

RgbaImage PaintStatusBar() {
    CairoCanvas canvas(800, 25);
    cairo_t* cr = canvas.Cr();
    cairo_rectangle(cr, 0, 0, 800, 25);
    FillVertical(cr, 0, 25, Hex(0x3D4185), Hex(0x1E2050));
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 800, 2);
    SetColour(cr, GOLD);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 2, 800, 1);
    SetColour(cr, Hex(0x000000), 0.35);
    cairo_fill(cr);
    // Recessed slots for the score, the three counters and the time.
    struct Slot {
        double x, w;
    };
    for (const Slot slot :
         {Slot{15, 104}, Slot{298, 46}, Slot{415, 46}, Slot{532, 46}, Slot{733, 34}}) {
        RoundedRect(cr, slot.x, 4.5, slot.w, 18, 7);
        SetColour(cr, Hex(0x0E0C28), 0.8);
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0x6A6FC0), 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    // A small clock face beside the time.
    cairo_arc(cr, 723, 14, 8, 0, 2 * PI);
    SetColour(cr, CREAM);
    cairo_fill_preserve(cr);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_move_to(cr, 723, 14);
    cairo_line_to(cr, 723, 8.5);
    cairo_move_to(cr, 723, 14);
    cairo_line_to(cr, 727, 15);
    SetColour(cr, INK);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Counter signs after each button.
    for (const double x : {291.0, 408.0, 525.0}) {
        cairo_arc(cr, x, 14, 1.8, 0, 2 * PI);
        SetColour(cr, GOLD, 0.8);
        cairo_fill(cr);
    }
    return canvas.Image();
}

RgbaImage PaintBarButton(const std::string& kind, const std::string& state, int w, int h) {
    if (kind == "widebutton") {
        return PaintCaptionButton(state, w, h);
    }
    RgbaImage body = PaintButton(w, h, StateOf(state));
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    DrawPicture(cr, body, 0, 0, w, h);
    const double drop = state == "down" ? 1 : 0;
    const double cx = w / 2.0, cy = h / 2.0 + drop - 0.5;
    for (int pass = 0; pass < 2; ++pass) {
        cairo_save(cr);
        if (pass == 0) {
            cairo_translate(cr, 0.8, 1.0);
            SetColour(cr, Hex(0x0E3C38), 0.7);
        } else {
            SetColour(cr, state == "over" ? Hex(0xFFF1B0) : CREAM);
        }
        if (kind == "undo") {
            UndoSign(cr, cx, cy);
        } else if (kind == "retry") {
            RetrySign(cr, cx, cy);
        } else {
            HintSign(cr, cx, cy);
        }
        cairo_restore(cr);
    }
    return canvas.Image();
}

RgbaImage PaintToolTip(const std::string& text, int w, int h) {
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const double bodyH = h - 8;
    RoundedRect(cr, 1.5, 1.5, w - 3, bodyH - 2, 10);
    cairo_move_to(cr, w / 2.0 - 7, bodyH - 1);
    cairo_line_to(cr, w / 2.0, h - 1.5);
    cairo_line_to(cr, w / 2.0 + 7, bodyH - 1);
    cairo_close_path(cr);
    FillVertical(cr, 0, h, Hex(0xFFF8E4), Hex(0xF4DFA8));
    SetColour(cr, Hex(0xB88A30));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    UseFont(cr, FittedSize(cr, text, 15, w - 16));
    const double tw = TextWidth(cr, text);
    cairo_move_to(cr, (w - tw) / 2, bodyH / 2 + 5.5);
    SetColour(cr, Hex(0x3A2450));
    cairo_show_text(cr, text.c_str());
    return canvas.Image();
}

RgbaImage PaintPanel(int w, int h, double titleHeight) {
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const double inset = 5, r = 20;
    for (int i = 5; i >= 1; --i) {
        RoundedRect(cr, inset - i + 2, inset - i + 4, w - 2 * inset + 2 * i - 4,
                    h - 2 * inset + 2 * i - 4, r + i);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.07);
        cairo_fill(cr);
    }
    RoundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, r);
    FillVertical(cr, inset, h - inset, Hex(0x3D4185), Hex(0x222452), 0.96);
    cairo_new_path(cr);
    cairo_save(cr);
    RoundedRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, r);
    cairo_clip(cr);
    if (titleHeight > 0) {
        cairo_rectangle(cr, inset, inset, w - 2 * inset, titleHeight);
        FillVertical(cr, inset, inset + titleHeight, Hex(0x6A6FC0), Hex(0x3D4185), 0.6);
        cairo_new_path(cr);
        cairo_move_to(cr, inset + 30, inset + titleHeight);
        cairo_line_to(cr, w - inset - 30, inset + titleHeight);
        SetColour(cr, GOLD, 0.45);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // A few faint stars in the corners.
    Dice dice(static_cast<unsigned>(w * 31 + h));
    for (int i = 0; i < 18; ++i) {
        const double x = dice.Next() < 0.5 ? dice.Range(12, 60) : dice.Range(w - 60, w - 12);
        const double y = dice.Range(12, h - 12);
        cairo_arc(cr, x, y, dice.Range(0.6, 1.4), 0, 2 * PI);
        SetColour(cr, CREAM, 0.3);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    RoundedRect(cr, inset + 1.5, inset + 1.5, w - 2 * inset - 3, h - 2 * inset - 3, r - 1);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    RoundedRect(cr, inset + 5.5, inset + 5.5, w - 2 * inset - 11, h - 2 * inset - 11, r - 5);
    SetColour(cr, Hex(0xFFFFFF), 0.12);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    // The little moon at the top.
    const double mx = w / 2.0, my = inset + 1.5;
    cairo_arc(cr, mx, my, 9, 0, 2 * PI);
    SetColour(cr, Hex(0x222452));
    cairo_fill_preserve(cr);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    PaintMoon(cr, mx - 1, my, 5.5);
    return canvas.Image();
}

RgbaImage PaintProgressPanel(int w, int h, int px, int py) {
    const RgbaImage panel = PaintPanel(w, h, 0);
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    DrawPicture(cr, panel, 0, 0, w, h);
    RoundedRect(cr, px - 8, py - 8, 128 + 16, 192 + 16, 10);
    SetColour(cr, Hex(0x0E0C28), 0.85);
    cairo_fill_preserve(cr);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Faint cell lines where the pieces go.
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, px + i * 32, py);
        cairo_line_to(cr, px + i * 32, py + 192);
        cairo_move_to(cr, px, py + i * 48);
        cairo_line_to(cr, px + 128, py + i * 48);
    }
    SetColour(cr, Hex(0x6A6FC0), 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    return canvas.Image();
}

RgbaImage PaintCursor() {
    CairoCanvas canvas(32, 32);
    cairo_t* cr = canvas.Cr();
    auto outline = [&](double dx, double dy) {
        cairo_new_path(cr);
        cairo_move_to(cr, 1.5 + dx, 1.5 + dy);
        cairo_line_to(cr, 1.5 + dx, 22 + dy);
        cairo_line_to(cr, 7 + dx, 17 + dy);
        cairo_line_to(cr, 11 + dx, 25.5 + dy);
        cairo_line_to(cr, 15 + dx, 23.5 + dy);
        cairo_line_to(cr, 11 + dx, 15.5 + dy);
        cairo_line_to(cr, 18 + dx, 15.5 + dy);
        cairo_close_path(cr);
    };
    outline(1.5, 1.5);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    outline(0, 0);
    FillVertical(cr, 1, 25, Hex(0xFFF8E4), Hex(0xF0C860));
    SetColour(cr, Hex(0x2A1650));
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    return canvas.Image();
}

RgbaImage PaintLock(int w, int h) {
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    RoundedRect(cr, 0, 0, w, h, std::min(w, h) * 0.18);
    SetColour(cr, Hex(0x0A0820), 0.62);
    cairo_fill(cr);
    const double s = std::min(w, h) * 0.5;
    const double cx = w / 2.0, cy = h / 2.0 + s * 0.12;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - s * 0.28, s * 0.26, PI, 2 * PI);
    cairo_set_line_width(cr, s * 0.12);
    SetColour(cr, Hex(0xD8DCE8));
    cairo_stroke(cr);
    RoundedRect(cr, cx - s * 0.4, cy - s * 0.3, s * 0.8, s * 0.6, s * 0.1);
    FillVertical(cr, cy - s * 0.3, cy + s * 0.3, Hex(0xFFD98A), Hex(0xD09030));
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy - s * 0.04, s * 0.08, 0, 2 * PI);
    cairo_rectangle(cr, cx - s * 0.03, cy - s * 0.04, s * 0.06, s * 0.18);
    SetColour(cr, Hex(0x4A3010));
    cairo_fill(cr);
    return canvas.Image();
}

RgbaImage PaintHighlight(int w, int h) {
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    const double r = std::min(w, h) * 0.18;
    for (int i = 0; i < 3; ++i) {
        RoundedRect(cr, 1 + i, 1 + i, w - 2 - 2 * i, h - 2 - 2 * i, r - i);
        SetColour(cr, Hex(0xFFD166), 0.9 - i * 0.3);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    RoundedRect(cr, 0, 0, w, h, r);
    SetColour(cr, Hex(0xFFE8A0), 0.12);
    cairo_fill(cr);
    return canvas.Image();
}

void PaintIcon(cairo_t* cr, double s) {
    cairo_save(cr);
    cairo_scale(cr, s / 256.0, s / 256.0);
    RoundedRect(cr, 8, 8, 240, 240, 52);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 8, 0, 248);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.10, 0.10, 0.30);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.35, 0.22, 0.48);
    cairo_set_source(cr, sky);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sky);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    // The tile.
    cairo_save(cr);
    cairo_translate(cr, 160, 156);
    cairo_rotate(cr, 10 * PI / 180);
    RoundedRect(cr, -44, -60, 88, 120, 16);
    cairo_set_source_rgba(cr, 0, 0, 0.05, 0.4);
    cairo_fill(cr);
    RoundedRect(cr, -48, -66, 88, 120, 16);
    FillVertical(cr, -66, 54, Hex(0xFFF9EC), Hex(0xEADBC0));
    SetColour(cr, Hex(0xB89B6E));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -PI / 2 + i * PI / 5;
        const double r = i % 2 == 0 ? 32 : 14;
        cairo_line_to(cr, -4 + r * std::cos(a), -6 + r * std::sin(a));
    }
    cairo_close_path(cr);
    SetColour(cr, Hex(0xF2A91E));
    cairo_fill(cr);
    cairo_restore(cr);
    // The crescent moon over it, as one path so the SVG stays vector.
    CrescentPath(cr, 96, 98, 62, 124, 84, 54);
    FillVertical(cr, 36, 160, Hex(0xFFF8E0), Hex(0xF8C860));
    cairo_new_path(cr);
    cairo_restore(cr);
}

RgbaImage PaintIconPng(int size) {
    CairoCanvas canvas(size, size);
    PaintIcon(canvas.Cr(), size);
    return canvas.Image();
}

bool WriteIconSvg(const std::string& path, int size) {
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), size, size);
    cairo_t* cr = cairo_create(surface);
    PaintIcon(cr, size);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

RgbaImage PaintMarker(int location, int size) {
    const Place places[] = {Place::Home, Place::Forest, Place::Seaside, Place::Mountains,
                            Place::Castle};
    const PlaceLook& look = LookOf(places[std::clamp(location, 1, 5) - 1]);
    CairoCanvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    const double c = size / 2.0;
    PaintGlow(cr, c, c, size * 0.2, size * 0.5, Rgb{1.0, 0.85, 0.45}, 0.55);
    cairo_arc(cr, c, c, size * 0.3, 0, 2 * PI);
    FillVertical(cr, c - size * 0.3, c + size * 0.3, Mix(look.accent, Hex(0xFFFFFF), 0.35),
                 Mix(look.accent, Hex(0x000000), 0.2));
    SetColour(cr, CREAM);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // The place's sign.
    SetColour(cr, Hex(0xFFFFFF));
    const double s = size * 0.17;
    cairo_new_path(cr);
    switch (location) {
        case 2:  // a pine
            cairo_move_to(cr, c, c - s);
            cairo_line_to(cr, c + s * 0.8, c + s * 0.7);
            cairo_line_to(cr, c - s * 0.8, c + s * 0.7);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_rectangle(cr, c - s * 0.15, c + s * 0.7, s * 0.3, s * 0.35);
            cairo_fill(cr);
            break;
        case 3:  // a wave
            cairo_move_to(cr, c - s, c + s * 0.2);
            cairo_curve_to(cr, c - s * 0.5, c - s * 0.6, c, c - s * 0.6, c + s * 0.2, c);
            cairo_curve_to(cr, c + s * 0.4, c + s * 0.5, c + s * 0.8, c + s * 0.3, c + s, c);
            cairo_set_line_width(cr, s * 0.35);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
            break;
        case 4:  // a peak
            cairo_move_to(cr, c - s, c + s * 0.7);
            cairo_line_to(cr, c - s * 0.1, c - s * 0.9);
            cairo_line_to(cr, c + s, c + s * 0.7);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        default:  // a tower
            cairo_rectangle(cr, c - s * 0.5, c - s * 0.4, s, s * 1.2);
            cairo_fill(cr);
            cairo_move_to(cr, c - s * 0.7, c - s * 0.4);
            cairo_line_to(cr, c, c - s * 1.1);
            cairo_line_to(cr, c + s * 0.7, c - s * 0.4);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
    }
    return canvas.Image();
}
