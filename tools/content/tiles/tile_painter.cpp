#include "tile_painter.h"
#include "../common/pi.h"

#include <cmath>

namespace {

const Rgb GOLD = {0.86, 0.62, 0.08};
const Rgb TEAL = {0.08, 0.46, 0.66};

void SetRgb(cairo_t* cr, const Rgb& c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
    cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
    cairo_close_path(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void TileBody(cairo_t* cr, const TileTheme& theme, bool selected) {
    const Rgb outline = selected ? Rgb{0.8, 0.3, 0.02} : theme.side;
    RoundedRect(cr, 0, 0, CELL_WIDTH, CELL_HEIGHT, 5);
    SetRgb(cr, outline);
    cairo_fill(cr);
    RoundedRect(cr, 1.5, 1.5, CELL_WIDTH - 3, CELL_HEIGHT - 3, 3.8);
    if (selected) {
        VerticalGradient(cr, 2, 46, {1.0, 0.95, 0.6}, {1.0, 0.76, 0.28});
    } else {
        VerticalGradient(cr, 2, 46, theme.face, theme.faceLow);
    }
    cairo_fill(cr);
    // A thin light rim along the top and left edges of the face.
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 3, 44);
    cairo_line_to(cr, 3, 5);
    cairo_curve_to(cr, 3, 3.5, 3.5, 3, 5, 3);
    cairo_line_to(cr, 28, 3);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.8);
    cairo_stroke(cr);
}

void Diamond(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_move_to(cr, cx, cy - ry);
    cairo_line_to(cr, cx + rx, cy);
    cairo_line_to(cr, cx, cy + ry);
    cairo_line_to(cr, cx - rx, cy);
    cairo_close_path(cr);
}

// Family A: a gold ring with gold diamonds above and below.
void RingFrame(cairo_t* cr) {
    cairo_arc(cr, 16, 24, 13.5, 0, 2 * PI);
    cairo_set_source_rgba(cr, 1.0, 0.96, 0.78, 1.0);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.4);
    SetRgb(cr, GOLD);
    cairo_stroke(cr);
    for (const double y : {6.0, 42.0}) {
        Diamond(cr, 16, y, 3.2, 3.2);
        cairo_fill(cr);
    }
}

// Family B: a teal diamond with teal bars above and below.
void DiamondFrame(cairo_t* cr) {
    Diamond(cr, 16, 24, 14.5, 17);
    cairo_set_source_rgba(cr, 0.93, 0.97, 1.0, 1.0);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2.2);
    SetRgb(cr, TEAL);
    cairo_stroke(cr);
    for (const double y : {3.5, 42.5}) {
        cairo_rectangle(cr, 9, y, 14, 2.2);
        cairo_fill(cr);
    }
}

uint32_t FacePicture(const TileTheme& theme, int face) {
    if (face < 30) {
        return theme.singles[face];
    }
    if (face < 34) {
        return theme.familyA[face - 30];
    }
    if (face < 38) {
        return theme.familyB[face - 34];
    }
    return theme.extras[face - 38];
}

}  // namespace

void PaintFace(cairo_t* cr, const TileTheme& theme, int face, bool selected,
               const EmojiPainter& emoji) {
    TileBody(cr, theme, selected);
    const uint32_t picture = FacePicture(theme, face);
    if (face >= 30 && face < 34) {
        RingFrame(cr);
        emoji.Draw(cr, picture, 16, 24, 19);
    } else if (face >= 34 && face < 38) {
        DiamondFrame(cr);
        emoji.Draw(cr, picture, 16, 24, 17);
    } else {
        emoji.Draw(cr, picture, 16, 24, 26);
    }
}

void PaintBlock(cairo_t* cr, const TileTheme& theme, int kind) {
    if (kind == 0) {
        RoundedRect(cr, 0, 0, CELL_WIDTH, CELL_HEIGHT, 3);
        VerticalGradient(cr, 0, 48, {0.62, 0.62, 0.64}, {0.36, 0.36, 0.4});
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.2);
        cairo_set_source_rgba(cr, 0.2, 0.2, 0.24, 0.8);
        for (int row = 1; row < 4; ++row) {
            cairo_move_to(cr, 1, row * 12);
            cairo_line_to(cr, 31, row * 12);
        }
        for (int row = 0; row < 4; ++row) {
            const double x = row % 2 == 0 ? 16 : 8;
            for (double bx = x; bx < 31; bx += 16) {
                cairo_move_to(cr, bx, row * 12 + 1);
                cairo_line_to(cr, bx, row * 12 + 11);
            }
        }
        cairo_stroke(cr);
    } else {
        RoundedRect(cr, 0, 0, CELL_WIDTH, CELL_HEIGHT, 3);
        SetRgb(cr, {theme.block.r * 0.6, theme.block.g * 0.6, theme.block.b * 0.6});
        cairo_fill(cr);
        RoundedRect(cr, 3, 3, CELL_WIDTH - 6, CELL_HEIGHT - 6, 2);
        VerticalGradient(cr, 3, 45, {theme.block.r * 1.3, theme.block.g * 1.3, theme.block.b * 1.3},
                         theme.block);
        cairo_fill(cr);
        cairo_set_line_width(cr, 2.5);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_move_to(cr, 5, 5);
        cairo_line_to(cr, 27, 43);
        cairo_move_to(cr, 27, 5);
        cairo_line_to(cr, 5, 43);
        cairo_stroke(cr);
        for (const double x : {6.0, 26.0}) {
            for (const double y : {6.0, 42.0}) {
                cairo_arc(cr, x, y, 1.6, 0, 2 * PI);
                cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
                cairo_fill(cr);
            }
        }
    }
}

namespace {

// Sides: 0 top, 1 right, 2 bottom, 3 left; the unit step from the cell's
// centre towards each.
constexpr double SIDE_X[4] = {0, 1, 0, -1}, SIDE_Y[4] = {-1, 0, 1, 0};
constexpr double CENTRE_X = 16, CENTRE_Y = 24;

double SideEdge(int side) {
    return side % 2 == 0 ? CENTRE_Y : CENTRE_X;
}

// The route line from the middle of one side to the middle of the other;
// corners turn on a curve of radius r so the line stays smooth.
void RoutePath(cairo_t* cr, int sideA, int sideB) {
    const double ex = SideEdge(sideA), eb = SideEdge(sideB), r = 9;
    cairo_move_to(cr, CENTRE_X + SIDE_X[sideA] * ex, CENTRE_Y + SIDE_Y[sideA] * ex);
    if ((sideA + 2) % 4 != sideB) {
        cairo_line_to(cr, CENTRE_X + SIDE_X[sideA] * r, CENTRE_Y + SIDE_Y[sideA] * r);
        cairo_curve_to(cr, CENTRE_X, CENTRE_Y, CENTRE_X, CENTRE_Y, CENTRE_X + SIDE_X[sideB] * r,
                       CENTRE_Y + SIDE_Y[sideB] * r);
    }
    cairo_line_to(cr, CENTRE_X + SIDE_X[sideB] * eb, CENTRE_Y + SIDE_Y[sideB] * eb);
}

}  // namespace

void PaintRoutePiece(cairo_t* cr, const TileTheme& theme, int piece) {
    const int sides[6][2] = {{0, 2}, {3, 1}, {3, 2}, {1, 2}, {0, 1}, {0, 3}};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double widths[3] = {11, 6, 2.4};
    const double alphas[3] = {0.3, 0.85, 1.0};
    for (int pass = 0; pass < 3; ++pass) {
        RoutePath(cr, sides[piece][0], sides[piece][1]);
        cairo_set_line_width(cr, widths[pass]);
        if (pass == 2) {
            cairo_set_source_rgba(cr, 1, 1, 0.95, alphas[pass]);
        } else {
            SetRgb(cr, theme.route, alphas[pass]);
        }
        cairo_stroke(cr);
    }
}

namespace {

void Badge(cairo_t* cr, const Rgb& inner, const Rgb& outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(12, 19, 2, 16, 24, 15);
    cairo_pattern_add_color_stop_rgb(p, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(p, 1, outer.r, outer.g, outer.b);
    cairo_arc(cr, 16, 24, 14.5, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.6);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_stroke(cr);
}

void Star(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 10; ++i) {
        const double a = -PI / 2 + i * PI / 5;
        const double rr = i % 2 == 0 ? r : r * 0.45;
        if (i == 0) {
            cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        } else {
            cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
        }
    }
    cairo_close_path(cr);
}

// An arc arrow round (16, 24) from angle a0 to a1 (radians), head at a1.
void ArcArrow(cairo_t* cr, double r, double a0, double a1) {
    cairo_set_line_width(cr, 3.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (a1 > a0) {
        cairo_arc(cr, 16, 24, r, a0, a1);
    } else {
        cairo_arc_negative(cr, 16, 24, r, a0, a1);
    }
    cairo_stroke(cr);
    const double dir = a1 > a0 ? 1 : -1;
    const double hx = 16 + r * std::cos(a1), hy = 24 + r * std::sin(a1);
    const double tx = -std::sin(a1) * dir, ty = std::cos(a1) * dir;  // tangent
    const double nx = std::cos(a1), ny = std::sin(a1);
    cairo_move_to(cr, hx + tx * 6, hy + ty * 6);
    cairo_line_to(cr, hx + nx * 5.2 - tx * 1.5, hy + ny * 5.2 - ty * 1.5);
    cairo_line_to(cr, hx - nx * 5.2 - tx * 1.5, hy - ny * 5.2 - ty * 1.5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void PaintBonus(cairo_t* cr, int item, const EmojiPainter& emoji) {
    switch (item) {
        case 0:  // score: a gold coin with a star
            Badge(cr, {1.0, 0.9, 0.4}, {0.85, 0.55, 0.05});
            Star(cr, 16, 24.5, 10);
            cairo_set_source_rgb(cr, 1, 1, 0.95);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 1);
            cairo_set_source_rgb(cr, 0.6, 0.35, 0);
            cairo_stroke(cr);
            break;
        case 1:  // undo: one arrow turning back
            Badge(cr, {0.5, 0.75, 1.0}, {0.1, 0.3, 0.8});
            cairo_set_source_rgb(cr, 1, 1, 1);
            ArcArrow(cr, 7, 0.3 * PI, -0.95 * PI);
            break;
        case 2:  // retry: two arrows round a circle
            Badge(cr, {0.55, 0.95, 0.55}, {0.1, 0.55, 0.15});
            cairo_set_source_rgb(cr, 1, 1, 1);
            ArcArrow(cr, 7.5, -0.9 * PI, -0.1 * PI);
            ArcArrow(cr, 7.5, 0.1 * PI, 0.9 * PI);
            break;
        case 3:  // hint: a light bulb
            Badge(cr, {1.0, 0.98, 0.7}, {0.95, 0.7, 0.1});
            emoji.Draw(cr, 0x1F4A1, 16, 24, 21);
            break;
        default:  // time: a stopwatch
            Badge(cr, {1.0, 0.6, 0.55}, {0.8, 0.1, 0.1});
            emoji.Draw(cr, 0x23F1, 16, 24.5, 20);
            break;
    }
}
