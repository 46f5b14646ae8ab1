#include "board_pictures.h"

#include <algorithm>
#include <cmath>

#include "../content/common/cairo_image.h"
#include "art_kit.h"
#include "board/level_data.h"

namespace {

constexpr int CELL_W = 32;
constexpr int CELL_H = 48;

const Rgb GOLD = Hex(0xE8B84A);
const Rgb CREAM = Hex(0xFFF4DA);
const Rgb PLATE_TOP = Hex(0x34387A);
const Rgb PLATE_BOTTOM = Hex(0x1E2050);

const Place PLACES[] = {Place::Home,      Place::Forest, Place::Seaside,
                        Place::Mountains, Place::Castle, Place::Fair};

void Plate(cairo_t* cr, double w, double h, double radius, Rgb top, Rgb bottom) {
    RoundedRect(cr, 1, 1, w - 2, h - 2, radius);
    FillVertical(cr, 1, h - 1, top, bottom);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void Route(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        for (const auto& [x, y] : points) {
            cairo_line_to(cr, x, y);
        }
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, pass == 0 ? 8 : 3);
        if (pass == 0) {
            cairo_set_source_rgba(cr, 1.0, 0.82, 0.40, 0.35);
        } else {
            cairo_set_source_rgba(cr, 1.0, 0.96, 0.78, 1.0);
        }
        cairo_stroke(cr);
    }
}

void Caption(cairo_t* cr, const std::string& text, double w, double baseline) {
    const double margin = 10;
    OutlinedText(cr, text, w / 2, baseline, FittedSize(cr, text, 15, w - 2 * margin), CREAM,
                 Hex(0x1A1030), 3);
}

void ArrowRight(cairo_t* cr, double x0, double x1, double y) {
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1 - 6, y);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColour(cr, GOLD);
    cairo_stroke(cr);
    cairo_move_to(cr, x1, y);
    cairo_line_to(cr, x1 - 8, y - 6);
    cairo_line_to(cr, x1 - 8, y + 6);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void DrawTile(cairo_t* cr, const RgbaImage& cell, double x, double y, double scale) {
    for (int offset = 3; offset >= 1; --offset) {
        cairo_push_group(cr);
        DrawPicture(cr, cell, x + offset * scale, y + offset * scale, CELL_W * scale,
                    CELL_H * scale);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.35);
    }
    DrawPicture(cr, cell, x, y, CELL_W * scale, CELL_H * scale);
}

RgbaImage TileSheet::Cell(int column, int row) const {
    RgbaImage cell(CELL_W, CELL_H);
    if (image.width < (column + 1) * CELL_W || image.height < (row + 1) * CELL_H) {
        return cell;
    }
    for (int y = 0; y < CELL_H; ++y) {
        for (int x = 0; x < CELL_W; ++x) {
            const uint8_t* s = image.At(column * CELL_W + x, row * CELL_H + y);
            std::copy(s, s + 4, cell.At(x, y));
        }
    }
    return cell;
}

RgbaImage PaintLevelButton(const levelData& level) {
    CairoCanvas canvas(LEVEL_BUTTON_W, LEVEL_BUTTON_H);
    cairo_t* cr = canvas.Cr();
    Plate(cr, LEVEL_BUTTON_W, LEVEL_BUTTON_H, 6, PLATE_TOP, PLATE_BOTTOM);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (int c = 1; c <= LEVEL_COLUMNS - 2; ++c) {
        for (int r = 1; r <= LEVEL_ROWS - 2; ++r) {
            const int v = level.grid[c][r];
            if (v == 0) {
                continue;
            }
            cairo_rectangle(cr, LEVEL_LEFT + (c - 1) * LEVEL_CELL_W,
                            LEVEL_TOP + (r - 1) * LEVEL_CELL_H, LEVEL_CELL_W, LEVEL_CELL_H);
            SetColour(cr, v <= 2 ? Hex(0x8A80A8) : Hex(0xFFF0C8));
            cairo_fill(cr);
        }
    }
    return canvas.Image();
}

RgbaImage PaintSetButton(const TileSheet& sheet, int set, int w, int h) {
    const PlaceLook& look = LookOf(PLACES[std::clamp(set, 1, 6) - 1]);
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    Plate(cr, w, h, 10, Mix(look.accent, PLATE_TOP, 0.55), PLATE_BOTTOM);
    const double scale = 0.92 * (h - 12) / CELL_H;
    const double tw = CELL_W * scale;
    const int faces[] = {0, 5, 30};
    for (int i = 0; i < 3; ++i) {
        DrawTile(cr, sheet.Face(faces[i]), w / 2.0 - tw * 1.6 + i * tw * 1.05, 5, scale);
    }
    return canvas.Image();
}

RgbaImage PaintSongButton(int song, int w, int h) {
    const Place place = PLACES[std::clamp(song, 1, 5) - 1];
    const PlaceLook& look = LookOf(place);
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    Plate(cr, w, h, 10, Mix(look.accent, PLATE_TOP, 0.55), PLATE_BOTTOM);
    cairo_save(cr);
    RoundedRect(cr, 2, 2, w - 4, h - 4, 9);
    cairo_clip(cr);
    // The mood: a little landscape of the song's place under its sky.
    const SkyKind skies[] = {SkyKind::Night, SkyKind::Dawn, SkyKind::Dusk, SkyKind::BlueHour,
                             SkyKind::Night};
    cairo_save(cr);
    cairo_scale(cr, w / 800.0, h / 600.0);
    PaintSky(cr, 800, 600, skies[std::clamp(song, 1, 5) - 1]);
    PaintStars(cr, 800, 300, 40, 50u + song, 1.0);
    if (place == Place::Seaside) {
        PaintWaves(cr, 800, 380, 600, look.near, Mix(look.accent, Hex(0xFFFFFF), 0.4), 7);
    } else {
        PaintRidge(cr, 800, 600, 430, 50, 4, song * 1.3, look.far, look.near);
    }
    cairo_restore(cr);
    cairo_restore(cr);
    // Notes: fewer and slower for the calm songs.
    const int notes = song == 1 ? 2 : 3;
    for (int i = 0; i < notes; ++i) {
        const double x = w * 0.3 + i * w * 0.2;
        const double y = h * 0.62 - std::sin(i * 1.3 + song) * h * 0.12;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, -0.35);
        cairo_scale(cr, 1.0, 0.72);
        cairo_arc(cr, 0, 0, 5.5, 0, 2 * PI);
        cairo_restore(cr);
        SetColour(cr, CREAM);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 3.6, y - 20, 2, 20);
        cairo_fill(cr);
        cairo_move_to(cr, x + 5.6, y - 20);
        cairo_curve_to(cr, x + 10, y - 16, x + 12, y - 12, x + 9, y - 7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    return canvas.Image();
}

RgbaImage PaintThumbnail(const RgbaImage& background, int w, int h) {
    const RgbaImage small = Shrink(background, w * 2, h * 2);
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    cairo_save(cr);
    RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 5);
    cairo_clip(cr);
    DrawPicture(cr, small, 0, 0, w, h);
    cairo_restore(cr);
    RoundedRect(cr, 0.75, 0.75, w - 1.5, h - 1.5, 5);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return canvas.Image();
}

RgbaImage PaintTutorial(int tutorial, const TileSheet& sheet, int w, int h,
                        const TutorialWords& words) {
    CairoCanvas canvas(w, h);
    cairo_t* cr = canvas.Cr();
    RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, 14);
    FillVertical(cr, 0, h, Hex(0x3D4185), Hex(0x222452), 0.93);
    SetColour(cr, GOLD);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    const double s = 0.72;  // tiles at 23 x 35
    const double tw = CELL_W * s, th = CELL_H * s;
    const double top = 14;
    const double caption = h - 12;
    switch (tutorial) {
        case 1: {  // join two tiles: a route with two turns round another tile
            const double y = top + 6;
            DrawTile(cr, sheet.Face(1), w / 2.0 - tw / 2, y, s);
            Route(cr, {{34 + tw / 2, y + th / 2},
                       {34 + tw / 2, y + th + 12},
                       {w - 34 - tw / 2, y + th + 12},
                       {w - 34 - tw / 2, y + th / 2}});
            DrawTile(cr, sheet.Cell(0, 3), 34, y, s);
            DrawTile(cr, sheet.Cell(0, 3), w - 34 - tw, y, s);
            Caption(cr, words.caption, w, caption);
            break;
        }
        case 2: {  // bonus items wait under the tiles
            DrawTile(cr, sheet.Face(2), 16, top + 8, s);
            ArrowRight(cr, 16 + tw + 8, 16 + tw + 34, top + 8 + th / 2);
            for (int i = 0; i < 4; ++i) {
                const int item = i < 3 ? i + 1 : 0;
                DrawPicture(cr, sheet.Bonus(item), 78 + (i % 2) * 42 + (i / 2) * 6,
                            top - 4 + (i / 2) * 36, CELL_W * 0.9, CELL_H * 0.9);
            }
            Caption(cr, words.caption, w, caption);
            break;
        }
        case 3: {  // picture pieces fill the place's picture
            DrawTile(cr, sheet.Face(3), 16, top + 8, s);
            ArrowRight(cr, 16 + tw + 8, 16 + tw + 30, top + 8 + th / 2);
            const double gx = 96, gy = top - 4, cw = 14, ch = 21;
            for (int p = 0; p < 16; ++p) {
                if (p == 1 || p == 5 || p == 6 || p == 9 || p == 10 || p == 14) {
                    DrawPicture(cr, sheet.Piece(p), gx + (p % 4) * cw, gy + (p / 4) * ch, cw, ch);
                }
            }
            cairo_rectangle(cr, gx - 0.5, gy - 0.5, cw * 4 + 1, ch * 4 + 1);
            SetColour(cr, CREAM, 0.7);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            Caption(cr, words.caption, w, caption);
            break;
        }
        case 4: {  // any two flowers of one family match
            const double y = top + 6;
            Route(cr, {{40 + tw / 2, y + th / 2}, {w - 40 - tw / 2, y + th / 2}});
            DrawTile(cr, sheet.Face(30), 40, y, s);
            DrawTile(cr, sheet.Face(32), w - 40 - tw, y, s);
            OutlinedText(cr, "=", w / 2, y + th / 2 + 9, 28, CREAM, Hex(0x1A1030), 3);
            Caption(cr, words.caption, w, caption);
            break;
        }
        case 5: {  // routes go round the fixed blocks
            const double y = top + 6;
            Route(cr, {{30 + tw / 2, y + th / 2},
                       {30 + tw / 2, y + th + 12},
                       {w - 30 - tw / 2, y + th + 12},
                       {w - 30 - tw / 2, y + th / 2}});
            DrawTile(cr, sheet.Face(8), 30, y, s);
            DrawPicture(cr, sheet.Block(0), w / 2.0 - tw, y, tw, th);
            DrawPicture(cr, sheet.Block(1), w / 2.0, y, tw, th);
            DrawTile(cr, sheet.Face(8), w - 30 - tw, y, s);
            Caption(cr, words.caption, w, caption);
            break;
        }
        default: {  // the time item
            DrawTile(cr, sheet.Face(4), 20, top + 8, s);
            ArrowRight(cr, 20 + tw + 8, 20 + tw + 34, top + 8 + th / 2);
            DrawPicture(cr, sheet.Bonus(4), 76, top - 4, CELL_W * 1.2, CELL_H * 1.2);
            const double timeX = 146, margin = 10;  // centred in the space right of the clock
            OutlinedText(cr, words.time, timeX, top + 30,
                         FittedSize(cr, words.time, 17, 2 * (w - timeX - margin)), Hex(0xFFD166),
                         Hex(0x1A1030), 3);
            Caption(cr, words.caption, w, caption);
            break;
        }
    }
    return canvas.Image();
}
