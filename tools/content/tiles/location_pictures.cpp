#include "location_pictures.h"
#include "../common/pi.h"

#include <cmath>

#include "scene_shapes.h"

namespace {

void Window(cairo_t* cr, double x, double y, double w, double h, const Rgb& glass) {
    Rect(cr, x - 1, y - 1, w + 2, h + 2, {0.95, 0.95, 0.9});
    Rect(cr, x, y, w, h, glass);
    Rect(cr, x + w / 2 - 0.5, y, 1, h, {0.95, 0.95, 0.9});
    Rect(cr, x, y + h / 2 - 0.5, w, 1, {0.95, 0.95, 0.9});
}

void HomeScene(cairo_t* cr) {
    Sky(cr, {0.45, 0.7, 0.95}, {0.85, 0.93, 1.0}, 110);
    Sun(cr, 100, 28, 11, {1.0, 0.9, 0.4});
    Cloud(cr, 14, 30, 1.1);
    Cloud(cr, 60, 52, 0.8);
    Hill(cr, 112, 40, 100, 120, {0.5, 0.78, 0.35});
    Hill(cr, 140, 90, 122, 128, {0.38, 0.68, 0.28});
    RoundTree(cr, 108, 140, 44);
    // The cottage.
    Rect(cr, 22, 104, 62, 44, {0.98, 0.92, 0.78});
    Rect(cr, 64, 70, 8, 20, {0.6, 0.3, 0.2});
    Triangle(cr, 16, 106, 53, 74, 90, 106, {0.78, 0.25, 0.18});
    Rect(cr, 16, 104, 74, 3, {0.6, 0.18, 0.12});
    Rect(cr, 46, 122, 14, 26, {0.5, 0.3, 0.15});
    cairo_arc(cr, 57, 136, 1.3, 0, 2 * PI);
    Fill(cr, {1.0, 0.85, 0.3});
    Window(cr, 28, 114, 12, 11, {0.55, 0.8, 1.0});
    Window(cr, 66, 114, 12, 11, {0.55, 0.8, 1.0});
    for (int i = 0; i < 3; ++i) {  // smoke
        cairo_arc(cr, 70 + i * 4, 62 - i * 8, 3 + i, 0, 2 * PI);
        Fill(cr, {1, 1, 1}, 0.7 - i * 0.15);
    }
    // Path and fence.
    cairo_move_to(cr, 46, 148);
    cairo_curve_to(cr, 40, 165, 30, 178, 20, 192);
    cairo_line_to(cr, 70, 192);
    cairo_curve_to(cr, 64, 178, 62, 165, 60, 148);
    Fill(cr, {0.85, 0.75, 0.55});
    for (double x = 2; x < 128; x += 8) {
        if (x > 12 && x < 76) {
            continue;
        }
        Rect(cr, x, 150, 3, 16, {0.95, 0.95, 0.92});
    }
    Rect(cr, 0, 154, 14, 2, {0.95, 0.95, 0.92});
    Rect(cr, 76, 154, 52, 2, {0.95, 0.95, 0.92});
    Dots(cr, 18, 4, 170, 30, 20, 2, {1.0, 0.4, 0.5}, 7);
    Dots(cr, 18, 80, 170, 44, 20, 2, {1.0, 0.85, 0.2}, 11);
}

void ForestScene(cairo_t* cr) {
    Sky(cr, {0.55, 0.8, 0.75}, {0.95, 0.95, 0.8}, 120);
    Sun(cr, 64, 60, 14, {1.0, 0.95, 0.7});
    for (int i = 0; i < 5; ++i) {  // sun rays through the trees
        cairo_move_to(cr, 64, 60);
        cairo_line_to(cr, 10 + i * 27, 192);
        cairo_line_to(cr, 22 + i * 27, 192);
        cairo_close_path(cr);
        Fill(cr, {1, 1, 0.85}, 0.12);
    }
    for (int i = 0; i < 7; ++i) {
        PineTree(cr, 4 + i * 20, 120, 60, {0.3, 0.5, 0.4});
    }
    Hill(cr, 125, 64, 118, 125, {0.3, 0.55, 0.3});
    for (int i = 0; i < 5; ++i) {
        PineTree(cr, 12 + i * 28 + (i % 2) * 6, 160, 80, {0.12, 0.4, 0.18});
    }
    Hill(cr, 160, 60, 150, 158, {0.25, 0.5, 0.2});
    cairo_move_to(cr, 56, 150);
    cairo_curve_to(cr, 50, 165, 40, 180, 34, 192);
    cairo_line_to(cr, 84, 192);
    cairo_curve_to(cr, 76, 178, 70, 165, 66, 150);
    Fill(cr, {0.7, 0.58, 0.38});
    // Mushrooms.
    for (int i = 0; i < 3; ++i) {
        const double x = 14 + i * 10 + (i == 2 ? 80 : 0), y = 176 - i * 3;
        Rect(cr, x - 1.5, y - 6, 3, 7, {0.98, 0.95, 0.88});
        cairo_arc(cr, x, y - 6, 5, PI, 2 * PI);
        Fill(cr, {0.85, 0.15, 0.1});
        Dots(cr, 3, x - 3, y - 10, 6, 3, 0.8, {1, 1, 1}, 3 + i);
    }
    // A deer by the path.
    Rect(cr, 94, 150, 18, 8, {0.6, 0.38, 0.2});
    for (const double x : {95.0, 99.0, 106.0, 110.0}) {
        Rect(cr, x, 157, 1.6, 9, {0.5, 0.3, 0.15});
    }
    Rect(cr, 108, 141, 4, 11, {0.6, 0.38, 0.2});
    cairo_arc(cr, 112, 141, 3.5, 0, 2 * PI);
    Fill(cr, {0.6, 0.38, 0.2});
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, 111, 138);
    cairo_line_to(cr, 108, 131);
    cairo_move_to(cr, 113, 138);
    cairo_line_to(cr, 116, 131);
    cairo_set_source_rgb(cr, 0.45, 0.28, 0.12);
    cairo_stroke(cr);
}

void SeasideScene(cairo_t* cr) {
    Sky(cr, {0.35, 0.65, 0.95}, {0.95, 0.9, 0.8}, 100);
    Sun(cr, 30, 34, 10, {1.0, 0.85, 0.45});
    Cloud(cr, 70, 24, 1.0);
    Rect(cr, 0, 96, 128, 70, {0.15, 0.5, 0.75});
    for (int row = 0; row < 6; ++row) {
        for (int i = 0; i < 6; ++i) {
            const double x = i * 24 + (row % 2) * 12, y = 104 + row * 10;
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + 3, y - 3, x + 6, y - 3, x + 9, y);
            cairo_set_line_width(cr, 1.2);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
            cairo_stroke(cr);
        }
    }
    // Sailboat.
    Triangle(cr, 40, 112, 40, 80, 58, 112, {1, 1, 1});
    Triangle(cr, 38, 112, 38, 88, 26, 112, {0.95, 0.4, 0.3});
    cairo_move_to(cr, 24, 114);
    cairo_line_to(cr, 62, 114);
    cairo_line_to(cr, 56, 121);
    cairo_line_to(cr, 30, 121);
    cairo_close_path(cr);
    Fill(cr, {0.5, 0.25, 0.15});
    // Rocks and lighthouse.
    cairo_arc(cr, 104, 140, 26, PI, 2 * PI);
    Fill(cr, {0.45, 0.42, 0.4});
    cairo_move_to(cr, 96, 124);
    cairo_line_to(cr, 100, 62);
    cairo_line_to(cr, 110, 62);
    cairo_line_to(cr, 114, 124);
    cairo_close_path(cr);
    Fill(cr, {0.97, 0.97, 0.95});
    for (int s = 0; s < 3; ++s) {
        const double y = 70 + s * 18;
        cairo_move_to(cr, 99.5 - s * 1.2, y);
        cairo_line_to(cr, 110.5 + s * 1.2, y);
        cairo_line_to(cr, 111.2 + s * 1.2, y + 9);
        cairo_line_to(cr, 98.8 - s * 1.2, y + 9);
        cairo_close_path(cr);
        Fill(cr, {0.85, 0.15, 0.15});
    }
    Rect(cr, 99, 52, 12, 10, {1.0, 0.92, 0.5});
    Triangle(cr, 97, 52, 105, 44, 113, 52, {0.3, 0.3, 0.35});
    Triangle(cr, 99, 57, 60, 44, 60, 70, {1.0, 0.95, 0.6});
    // Beach.
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 40, 140, 90, 158, 128, 150);
    cairo_line_to(cr, 128, 192);
    cairo_line_to(cr, 0, 192);
    cairo_close_path(cr);
    Fill(cr, {0.96, 0.85, 0.6});
    // Umbrella and shells.
    Rect(cr, 29, 150, 2, 28, {0.5, 0.35, 0.2});
    cairo_arc(cr, 30, 152, 16, PI, 2 * PI);
    Fill(cr, {1.0, 0.45, 0.3});
    cairo_arc(cr, 30, 152, 16, PI * 1.33, PI * 1.66);
    cairo_line_to(cr, 30, 152);
    Fill(cr, {1, 1, 1});
    Dots(cr, 8, 50, 170, 70, 18, 1.6, {1.0, 0.7, 0.75}, 5);
    cairo_set_line_width(cr, 1.2);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.25);
    for (const double x : {60.0, 74.0}) {
        cairo_move_to(cr, x, 40);
        cairo_curve_to(cr, x + 2, 37, x + 4, 37, x + 5, 40);
        cairo_curve_to(cr, x + 6, 37, x + 8, 37, x + 10, 40);
        cairo_stroke(cr);
    }
}

void Peak(cairo_t* cr, double x, double top, double halfWidth, double base, const Rgb& rock) {
    Triangle(cr, x, top, x - halfWidth, base, x + halfWidth, base, rock);
    const double snow = (base - top) * 0.3, w = halfWidth * 0.3;
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x - w, top + snow);
    cairo_line_to(cr, x - w * 0.3, top + snow * 0.8);
    cairo_line_to(cr, x + w * 0.2, top + snow * 1.05);
    cairo_line_to(cr, x + w, top + snow);
    cairo_close_path(cr);
    Fill(cr, {0.98, 0.98, 1.0});
}

void MountainScene(cairo_t* cr) {
    Sky(cr, {0.3, 0.5, 0.85}, {0.85, 0.9, 1.0}, 110);
    Cloud(cr, 80, 20, 0.9);
    Peak(cr, 36, 34, 48, 120, {0.5, 0.52, 0.62});
    Peak(cr, 92, 22, 52, 120, {0.42, 0.44, 0.56});
    Peak(cr, 64, 58, 36, 120, {0.55, 0.57, 0.66});
    Hill(cr, 118, 30, 112, 122, {0.35, 0.6, 0.3});
    // The lake reflecting the sky.
    cairo_save(cr);
    cairo_translate(cr, 64, 140);
    cairo_scale(cr, 1, 0.32);
    cairo_arc(cr, 0, 0, 50, 0, 2 * PI);
    cairo_restore(cr);
    Fill(cr, {0.45, 0.68, 0.9});
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 40 + i * 10, 136 + i * 4);
        cairo_line_to(cr, 60 + i * 10, 136 + i * 4);
    }
    cairo_stroke(cr);
    Hill(cr, 165, 64, 160, 165, {0.3, 0.55, 0.25});
    for (int i = 0; i < 4; ++i) {
        PineTree(cr, 6 + i * 10, 170, 36 - i * 3, {0.12, 0.38, 0.2});
    }
    // Chalet.
    Rect(cr, 86, 148, 30, 22, {0.6, 0.38, 0.2});
    Triangle(cr, 82, 150, 101, 134, 120, 150, {0.45, 0.2, 0.12});
    Rect(cr, 90, 154, 8, 7, {1.0, 0.85, 0.4});
    Rect(cr, 104, 156, 7, 14, {0.35, 0.2, 0.1});
    Rect(cr, 0, 178, 128, 14, {0.25, 0.5, 0.22});
    Dots(cr, 16, 0, 178, 128, 12, 1.5, {0.95, 0.95, 1.0}, 9);
}

void Tower(cairo_t* cr, double x, double top, double w, double base) {
    const Rgb stone = {0.55, 0.52, 0.6};
    Rect(cr, x, top, w, base - top, stone);
    Triangle(cr, x - 3, top, x + w / 2, top - w * 1.3, x + w + 3, top, {0.35, 0.2, 0.5});
    Rect(cr, x + w / 2 - 0.5, top - w * 1.3 - 8, 1, 8, {0.3, 0.3, 0.3});
    Triangle(cr, x + w / 2 + 0.5, top - w * 1.3 - 8, x + w / 2 + 8, top - w * 1.3 - 5.5,
             x + w / 2 + 0.5, top - w * 1.3 - 3, {0.95, 0.8, 0.2});
    Rect(cr, x + w / 2 - 2, top + 8, 4, 6, {1.0, 0.85, 0.4});
}

void CastleScene(cairo_t* cr) {
    Sky(cr, {0.12, 0.1, 0.3}, {0.7, 0.45, 0.6}, 150);
    Dots(cr, 30, 0, 0, 128, 70, 0.7, {1, 1, 0.9}, 21);
    cairo_arc(cr, 100, 26, 10, 0, 2 * PI);
    Fill(cr, {1.0, 0.97, 0.8});
    cairo_arc(cr, 105, 22, 9, 0, 2 * PI);
    Fill(cr, {0.17, 0.13, 0.35});
    Hill(cr, 140, 64, 118, 140, {0.25, 0.35, 0.3});
    // Walls with battlements.
    Rect(cr, 26, 96, 76, 34, {0.6, 0.57, 0.65});
    for (double x = 26; x < 100; x += 8) {
        Rect(cr, x, 91, 5, 6, {0.6, 0.57, 0.65});
    }
    Tower(cr, 14, 76, 16, 130);
    Tower(cr, 98, 76, 16, 130);
    Tower(cr, 54, 56, 20, 100);
    cairo_arc(cr, 64, 122, 9, PI, 2 * PI);
    cairo_line_to(cr, 73, 130);
    cairo_line_to(cr, 55, 130);
    Fill(cr, {0.25, 0.15, 0.1});
    for (const double x : {36.0, 84.0}) {
        Rect(cr, x, 106, 5, 7, {1.0, 0.85, 0.4});
    }
    Hill(cr, 150, 40, 138, 160, {0.18, 0.3, 0.22});
    cairo_move_to(cr, 58, 130);
    cairo_curve_to(cr, 54, 150, 44, 170, 36, 192);
    cairo_line_to(cr, 80, 192);
    cairo_curve_to(cr, 76, 170, 72, 150, 70, 130);
    Fill(cr, {0.55, 0.48, 0.42});
    PineTree(cr, 12, 184, 40, {0.1, 0.25, 0.15});
    PineTree(cr, 112, 188, 46, {0.1, 0.25, 0.15});
}

void FairScene(cairo_t* cr) {
    Sky(cr, {0.95, 0.55, 0.45}, {1.0, 0.88, 0.6}, 140);
    // Ferris wheel.
    const double cx = 40, cy = 70, r = 30;
    cairo_set_line_width(cr, 1.5);
    cairo_set_source_rgb(cr, 0.35, 0.25, 0.45);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = i * PI / 4;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx - 16, 140);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 16, 140);
    cairo_stroke(cr);
    const Rgb cabins[4] = {{0.9, 0.2, 0.3}, {0.2, 0.6, 0.9}, {1.0, 0.8, 0.1}, {0.3, 0.75, 0.3}};
    for (int i = 0; i < 8; ++i) {
        const double a = i * PI / 4;
        Rect(cr, cx + r * std::cos(a) - 4, cy + r * std::sin(a), 8, 7, cabins[i % 4]);
    }
    // Circus tent.
    const Rgb red = {0.85, 0.15, 0.2}, white = {1, 0.97, 0.95};
    for (int s = 0; s < 6; ++s) {
        Triangle(cr, 96, 82, 66 + s * 10, 140, 76 + s * 10, 140, s % 2 ? white : red);
    }
    Rect(cr, 95.5, 74, 1, 8, {0.3, 0.3, 0.3});
    Triangle(cr, 96.5, 74, 104, 76.5, 96.5, 79, {0.2, 0.5, 0.9});
    Triangle(cr, 90, 140, 96, 118, 102, 140, {0.3, 0.1, 0.1});
    Rect(cr, 0, 140, 128, 52, {0.45, 0.72, 0.35});
    // Balloons.
    const Rgb balloons[3] = {{0.95, 0.3, 0.4}, {0.3, 0.5, 0.95}, {1.0, 0.8, 0.2}};
    for (int i = 0; i < 3; ++i) {
        const double bx = 78 + i * 12, by = 26 + (i % 2) * 10;
        cairo_save(cr);
        cairo_translate(cr, bx, by);
        cairo_scale(cr, 1, 1.2);
        cairo_arc(cr, 0, 0, 6, 0, 2 * PI);
        cairo_restore(cr);
        Fill(cr, balloons[i]);
        cairo_move_to(cr, bx, by + 7);
        cairo_curve_to(cr, bx - 3, by + 14, bx + 3, by + 18, bx, by + 26);
        cairo_set_line_width(cr, 0.7);
        cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
        cairo_stroke(cr);
    }
    // Bunting across the front.
    cairo_move_to(cr, 0, 150);
    cairo_curve_to(cr, 40, 162, 88, 162, 128, 150);
    cairo_set_line_width(cr, 0.8);
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    cairo_stroke(cr);
    for (int i = 0; i < 10; ++i) {
        const double x = 4 + i * 12.5, t = x / 128.0;
        const double y = 150 + 12 * 4 * t * (1 - t) * 0.75;
        Triangle(cr, x - 4, y, x + 4, y, x, y + 8, cabins[i % 4]);
    }
    Dots(cr, 24, 0, 172, 128, 18, 1.6, {1.0, 1.0, 0.7}, 13);
}

}  // namespace

void PaintScene(cairo_t* cr, SceneKind scene) {
    switch (scene) {
        case SceneKind::Home:
            HomeScene(cr);
            break;
        case SceneKind::Forest:
            ForestScene(cr);
            break;
        case SceneKind::Seaside:
            SeasideScene(cr);
            break;
        case SceneKind::Mountains:
            MountainScene(cr);
            break;
        case SceneKind::Castle:
            CastleScene(cr);
            break;
        case SceneKind::Fair:
            FairScene(cr);
            break;
    }
}
