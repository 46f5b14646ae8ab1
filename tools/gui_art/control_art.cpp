#include "control_art.h"

#include <algorithm>

#include "../content/common/cairo_image.h"
#include "paint.h"

namespace {

struct BodyLook {
    Rgb top;
    Rgb bottom;
    Rgb rim;
    double rimWidth;
    double drop;  // pixels the body sinks while pressed
};

bool IsOff(ControlState state) {
    return state == ControlState::OffNormal || state == ControlState::OffOver ||
           state == ControlState::OffDown;
}
bool IsOver(ControlState state) {
    return state == ControlState::Over || state == ControlState::OffOver;
}
bool IsDown(ControlState state) {
    return state == ControlState::Down || state == ControlState::OffDown;
}

const Rgb GOLD = Hex(0xFFD166);
const Rgb DEEP_TEAL = Hex(0x135450);
const Rgb CREAM = Hex(0xFFF6E0);

BodyLook LookOf(ControlState state) {
    const bool off = IsOff(state);
    Rgb top = off ? Hex(0x98A2B6) : Hex(0x4CC3BA);
    Rgb bottom = off ? Hex(0x5E6880) : Hex(0x1F7F78);
    Rgb rim = off ? Hex(0x3C4356) : DEEP_TEAL;
    if (IsOver(state)) {
        top = Mix(top, Hex(0xFFFFFF), 0.22);
        bottom = Mix(bottom, Hex(0xFFFFFF), 0.12);
        rim = GOLD;
    }
    if (IsDown(state)) {
        std::swap(top, bottom);
        top = Mix(top, Hex(0x000000), 0.15);
    }
    return {top, bottom, rim, IsOver(state) ? 2.5 : 2.0, IsDown(state) ? 1.0 : 0.0};
}

void DropShadow(cairo_t* cr, double x, double y, double w, double h, double radius) {
    for (int i = 3; i >= 1; --i) {
        RoundedRect(cr, x - i * 0.5 + 1, y + i, w + i - 1, h, radius + i * 0.5);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.10);
        cairo_fill(cr);
    }
}

// A rounded body with its gradient, gloss and rim.
void PaintBody(cairo_t* cr, double x, double y, double w, double h, double radius,
               const BodyLook& look, bool shadow) {
    if (shadow && look.drop == 0.0) {
        DropShadow(cr, x, y, w, h, radius);
    }
    y += look.drop;
    RoundedRect(cr, x, y, w, h, radius);
    FillVertical(cr, y, y + h, look.top, look.bottom);
    cairo_new_path(cr);

    // Gloss over the upper half.
    cairo_save(cr);
    RoundedRect(cr, x + 3, y + 2.5, w - 6, h * 0.45, std::max(1.0, radius - 3));
    FillVertical(cr, y + 2, y + h * 0.5, Hex(0xFFFFFF), Hex(0xFFFFFF), look.drop > 0 ? 0.08 : 0.20);
    cairo_new_path(cr);
    cairo_restore(cr);

    RoundedRect(cr, x + look.rimWidth / 2, y + look.rimWidth / 2, w - look.rimWidth,
                h - look.rimWidth, std::max(1.0, radius - look.rimWidth / 2));
    SetColour(cr, look.rim);
    cairo_set_line_width(cr, look.rimWidth);
    cairo_stroke(cr);
}

}  // namespace

std::string StateSuffix(ControlState state) {
    switch (state) {
        case ControlState::Normal:
            return "normal";
        case ControlState::Over:
            return "over";
        case ControlState::Down:
            return "down";
        case ControlState::OffNormal:
            return "off_normal";
        case ControlState::OffOver:
            return "off_over";
        case ControlState::OffDown:
            return "off_down";
    }
    return "normal";
}

RgbaImage PaintButton(int width, int height, ControlState state) {
    CairoCanvas canvas(width, height);
    const double radius = std::min(height / 2.0 - 3, 14.0);
    PaintBody(canvas.Cr(), 2, 1, width - 4, height - 5, radius, LookOf(state), true);
    return canvas.Image();
}

RgbaImage PaintCheckBox(int size, ControlState state) {
    CairoCanvas canvas(size, size);
    cairo_t* cr = canvas.Cr();
    BodyLook look = LookOf(IsOver(state) ? ControlState::Over : ControlState::Normal);
    look.top = IsDown(state) ? Hex(0x16183A) : Hex(0x2E3166);
    look.bottom = IsDown(state) ? Hex(0x2E3166) : Hex(0x1B1D45);
    look.drop = IsDown(state) ? 1.0 : 0.0;
    if (!IsOver(state)) {
        look.rim = Hex(0x4CC3BA);
    }
    PaintBody(cr, 2, 1, size - 4, size - 5, 7, look, true);
    if (!IsOff(state)) {
        const double s = size;
        const double d = look.drop;
        cairo_move_to(cr, s * 0.26, s * 0.50 + d);
        cairo_line_to(cr, s * 0.43, s * 0.68 + d);
        cairo_line_to(cr, s * 0.76, s * 0.27 + d);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, s * 0.15);
        SetColour(cr, Hex(0x0E3B38), 0.6);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, s * 0.10);
        SetColour(cr, IsOver(state) ? GOLD : CREAM);
        cairo_stroke(cr);
    }
    return canvas.Image();
}

RgbaImage PaintSliderKnob(int width, int height, ControlState state) {
    CairoCanvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    const BodyLook look = LookOf(state);
    PaintBody(cr, 2, 1, width - 4, height - 5, std::min(width / 2.0 - 2, 8.0), look, true);
    // Three grip lines across the middle.
    const double mid = height / 2.0 - 2 + look.drop;
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, width * 0.32, mid + i * 4);
        cairo_line_to(cr, width * 0.68, mid + i * 4);
    }
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, DEEP_TEAL, 0.75);
    cairo_stroke(cr);
    return canvas.Image();
}

RgbaImage PaintSliderBar(int width, int height) {
    CairoCanvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    RoundedRect(cr, 1, 1, width - 2, height - 2, (height - 2) / 2.0);
    FillVertical(cr, 1, height - 1, Hex(0x0F1030), Hex(0x2A2D63));
    SetColour(cr, Hex(0x4CC3BA), 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return canvas.Image();
}

RgbaImage PaintInputField(int width, int height) {
    CairoCanvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    RoundedRect(cr, 1.5, 1.5, width - 3, height - 3, 9);
    FillVertical(cr, 1, height - 1, Hex(0x111235), Hex(0x23265A));
    SetColour(cr, Hex(0x4CC3BA));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
    // Inner shadow along the top edge.
    RoundedRect(cr, 4, 3.5, width - 8, 6, 3);
    FillVertical(cr, 3, 10, Hex(0x000000), Hex(0x000000), 0.25);
    cairo_new_path(cr);
    return canvas.Image();
}

RgbaImage PaintPanel(int width, int height) {
    CairoCanvas canvas(width, height);
    cairo_t* cr = canvas.Cr();
    const double inset = 6;
    for (int i = 6; i >= 1; --i) {
        RoundedRect(cr, inset - i + 2, inset - i + 4, width - 2 * inset + 2 * i - 4,
                    height - 2 * inset + 2 * i - 4, 20 + i);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.06);
        cairo_fill(cr);
    }
    RoundedRect(cr, inset, inset, width - 2 * inset, height - 2 * inset, 20);
    FillVertical(cr, inset, height - inset, Hex(0x3D4185), Hex(0x222452), 0.97);
    cairo_new_path(cr);
    // A soft lighter band behind a title line.
    cairo_save(cr);
    RoundedRect(cr, inset, inset, width - 2 * inset, height - 2 * inset, 20);
    cairo_clip(cr);
    cairo_rectangle(cr, inset, inset, width - 2 * inset, 58);
    FillVertical(cr, inset, inset + 58, Hex(0x6A6FC0), Hex(0x3D4185), 0.55);
    cairo_new_path(cr);
    cairo_restore(cr);

    RoundedRect(cr, inset + 1.5, inset + 1.5, width - 2 * inset - 3, height - 2 * inset - 3, 19);
    SetColour(cr, Hex(0xE8B84A));
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    RoundedRect(cr, inset + 5.5, inset + 5.5, width - 2 * inset - 11, height - 2 * inset - 11, 15);
    SetColour(cr, Hex(0xFFFFFF), 0.12);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    return canvas.Image();
}
