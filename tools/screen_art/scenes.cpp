#include "scenes.h"

#include <algorithm>
#include <cmath>

#include "../content/common/cairo_image.h"
#include "art_kit.h"
#include "board_pictures.h"

namespace {

enum class Weather { Clear, Rain, Snow, Fog, Leaves, Fireflies, Fireworks, Petals };
enum class Season { Spring, Summer, Autumn, Winter };

struct SceneStyle {
    Place place;
    SkyKind sky;
    Weather weather;
    Season season;
    double horizon;  // height of the far hills, 0 (top) to 1 (bottom)
    double focus;    // where the place's motif stands, 0 (left) to 1 (right)
    unsigned seed;
    bool moon = true;  // story pages draw their own moon
};

// Backgrounds 1 to 25: each place seen at another time, weather and season.
const SceneStyle BACKGROUNDS[BACKGROUND_COUNT] = {
    {Place::Home, SkyKind::Night, Weather::Clear, Season::Summer, 0.70, 0.16, 101},
    {Place::Home, SkyKind::Dusk, Weather::Fireflies, Season::Autumn, 0.74, 0.84, 102},
    {Place::Home, SkyKind::SnowNight, Weather::Snow, Season::Winter, 0.68, 0.8, 103},
    {Place::Forest, SkyKind::Dawn, Weather::Fog, Season::Spring, 0.66, 0.2, 201},
    {Place::Forest, SkyKind::Day, Weather::Petals, Season::Summer, 0.72, 0.8, 202},
    {Place::Forest, SkyKind::Dusk, Weather::Leaves, Season::Autumn, 0.70, 0.5, 203},
    {Place::Forest, SkyKind::Night, Weather::Fireflies, Season::Summer, 0.74, 0.15, 204},
    {Place::Forest, SkyKind::Storm, Weather::Rain, Season::Autumn, 0.68, 0.85, 205},
    {Place::Forest, SkyKind::SnowNight, Weather::Snow, Season::Winter, 0.70, 0.3, 206},
    {Place::Forest, SkyKind::BlueHour, Weather::Fog, Season::Summer, 0.64, 0.7, 207},
    {Place::Seaside, SkyKind::Dusk, Weather::Clear, Season::Summer, 0.58, 0.84, 301},
    {Place::Seaside, SkyKind::Night, Weather::Clear, Season::Summer, 0.60, 0.16, 302},
    {Place::Seaside, SkyKind::Day, Weather::Clear, Season::Spring, 0.62, 0.8, 303},
    {Place::Seaside, SkyKind::Storm, Weather::Rain, Season::Autumn, 0.56, 0.18, 304},
    {Place::Seaside, SkyKind::Dawn, Weather::Fog, Season::Summer, 0.60, 0.82, 305},
    {Place::Mountains, SkyKind::Dawn, Weather::Clear, Season::Summer, 0.72, 0.78, 401},
    {Place::Mountains, SkyKind::Day, Weather::Clear, Season::Winter, 0.74, 0.22, 402},
    {Place::Mountains, SkyKind::Night, Weather::Clear, Season::Winter, 0.72, 0.8, 403},
    {Place::Mountains, SkyKind::Dusk, Weather::Leaves, Season::Autumn, 0.76, 0.2, 404},
    {Place::Mountains, SkyKind::SnowNight, Weather::Snow, Season::Winter, 0.70, 0.7, 405},
    {Place::Castle, SkyKind::Night, Weather::Clear, Season::Summer, 0.72, 0.82, 501},
    {Place::Castle, SkyKind::Day, Weather::Leaves, Season::Autumn, 0.70, 0.18, 502},
    {Place::Castle, SkyKind::Dawn, Weather::Snow, Season::Winter, 0.72, 0.8, 503},
    {Place::Castle, SkyKind::Dawn, Weather::Fog, Season::Spring, 0.68, 0.2, 504},
    {Place::Castle, SkyKind::BlueHour, Weather::Fireworks, Season::Summer, 0.74, 0.78, 505},
};

bool IsDark(SkyKind sky) {
    return sky == SkyKind::Night || sky == SkyKind::SnowNight || sky == SkyKind::BlueHour;
}

Rgb GroundOf(const SceneStyle& s, double depth) {
    const PlaceLook& look = LookOf(s.place);
    const Rgb own = Mix(look.far, look.near, depth);
    Rgb base = own;
    switch (s.season) {
        case Season::Spring:
            base = Mix(base, Hex(0x4E8A5A), 0.25);
            break;
        case Season::Summer:
            base = Mix(base, Hex(0x2E6A4A), 0.3);
            break;
        case Season::Autumn:
            base = Mix(base, Hex(0x8A5030), 0.4);
            break;
        case Season::Winter:
            base = Mix(base, Hex(0xC8D0E8), 0.45 - depth * 0.2);
            break;
    }
    if (IsDark(s.sky) && s.season != Season::Winter) {
        base = Mix(base, own, 0.5);  // night keeps the place's own colour
    }
    if (s.sky == SkyKind::Day) {
        base = Mix(base, Hex(0x7FA0B8), 0.2);
    }
    if (s.sky == SkyKind::Dusk || s.sky == SkyKind::Dawn) {
        base = Mix(base, Hex(0x6A3A5A), 0.15);
    }
    return base;
}

Rgb LeavesOf(const SceneStyle& s) {
    switch (s.season) {
        case Season::Spring:
            return Hex(0x3E8A58);
        case Season::Summer:
            return Hex(0x2A6A48);
        case Season::Autumn:
            return Hex(0xB8682E);
        case Season::Winter:
            return Hex(0x5A6A7E);
    }
    return Hex(0x2A6A48);
}

void PaintCelestial(cairo_t* cr, const SceneStyle& s, int w, int h) {
    Dice dice(s.seed);
    const double mx = s.focus < 0.5 ? w * dice.Range(0.66, 0.86) : w * dice.Range(0.12, 0.32);
    const double my = h * dice.Range(0.12, 0.2);
    switch (s.sky) {
        case SkyKind::Night:
        case SkyKind::SnowNight:
        case SkyKind::BlueHour:
            PaintStars(cr, w, h * s.horizon, s.sky == SkyKind::Night ? 170 : 90, s.seed, 1.0);
            if (s.moon) {
                PaintMoon(cr, mx, my, dice.Range(34, 52), s.seed % 3 == 0);
            }
            break;
        case SkyKind::Dusk:
            PaintStars(cr, w, h * 0.35, 50, s.seed, 0.7);
            PaintSun(cr, mx, h * s.horizon - 18, 34, Hex(0xFFA060));
            if (s.moon) {
                PaintMoon(cr, w - mx, my * 0.8, 20);
            }
            break;
        case SkyKind::Dawn:
            PaintStars(cr, w, h * 0.25, 30, s.seed, 0.5);
            PaintSun(cr, mx, h * s.horizon - 10, 30, Hex(0xFFC890));
            break;
        case SkyKind::Day:
            PaintSun(cr, mx, my, 30, Hex(0xFFF0C0));
            break;
        case SkyKind::Storm:
            break;
    }
    const int clouds = s.sky == SkyKind::Storm ? 9 : (s.sky == SkyKind::Day ? 5 : 3);
    const Rgb cloud = s.sky == SkyKind::Storm  ? Hex(0x2A3040)
                      : s.sky == SkyKind::Day  ? Hex(0xF4F8FF)
                      : s.sky == SkyKind::Dusk ? Hex(0xC07890)
                                               : Hex(0x8A88B8);
    for (int i = 0; i < clouds; ++i) {
        PaintCloud(cr, dice.Range(-60, w), dice.Range(20, h * s.horizon * 0.6),
                   dice.Range(0.7, 1.6), cloud, s.sky == SkyKind::Storm ? 0.7 : 0.35);
    }
}

void PaintHomeMotif(cairo_t* cr, const SceneStyle& s, int w, int, double ground) {
    const PlaceLook& look = LookOf(s.place);
    Dice dice(s.seed * 7);
    const bool snow = s.season == Season::Winter;
    const Rgb wall = Mix(Hex(0x8A5A48), GroundOf(s, 0.3), 0.35);
    const Rgb roof = snow ? Hex(0xE8ECF8) : Mix(Hex(0x7A2E38), GroundOf(s, 0.3), 0.3);
    double x = s.focus < 0.5 ? 14.0 : w - 290.0;
    for (int i = 0; i < 3; ++i) {
        const double hw = dice.Range(50, 74);
        const double hh = dice.Range(42, 60);
        PaintHouse(cr, x, ground + 6, hw, hh, wall, roof, look.light);
        x += hw + dice.Range(18, 40);
        PaintRoundTree(cr, x - 10, ground + 8, dice.Range(50, 80), LeavesOf(s), Hex(0x3A2A28));
    }
    // a fence on the houses' side
    const double fenceFrom = s.focus < 0.5 ? 0.0 : w * 0.55;
    const double fenceTo = s.focus < 0.5 ? w * 0.45 : w;
    for (double fx = fenceFrom; fx < fenceTo; fx += 26) {
        cairo_rectangle(cr, fx, ground + 20, 5, 18);
    }
    cairo_rectangle(cr, fenceFrom, ground + 25, fenceTo - fenceFrom, 3);
    SetColour(cr, Mix(GroundOf(s, 0.9), Hex(0x000000), 0.2));
    cairo_fill(cr);
    PaintLantern(cr, w * (1 - s.focus), ground - 8, 7, look.light);
    cairo_rectangle(cr, w * (1 - s.focus) - 1.5, ground + 2, 3, 30);
    SetColour(cr, Hex(0x2A2030));
    cairo_fill(cr);
}

void PaintForestMotif(cairo_t* cr, const SceneStyle& s, int w, int, double ground) {
    Dice dice(s.seed * 11);
    const Rgb leaves = LeavesOf(s);
    for (int row = 0; row < 3; ++row) {
        const Rgb c = Mix(GroundOf(s, 0.2 + row * 0.3), leaves, 0.25 + row * 0.15);
        const double base = ground - 30 + row * 26;
        for (double x = dice.Range(-30, 0); x < w + 30; x += dice.Range(22, 40) + row * 8) {
            const double hgt = dice.Range(60, 110) * (1 + row * 0.35);
            PaintPine(cr, x, base, hgt,
                      s.season == Season::Winter && row < 2 ? Mix(c, Hex(0xDDE4F4), 0.35) : c);
        }
        if (row == 0 && s.weather != Weather::Fog) {
            PaintFog(cr, w, base - 10, 60, Hex(0x9AB0C8), 0.18);
        }
    }
    // mushrooms in the clearing
    for (int i = 0; i < 3; ++i) {
        const double mx = w * s.focus + dice.Range(-50, 50);
        const double my = ground + 50 + dice.Range(0, 30);
        cairo_rectangle(cr, mx - 2, my - 10, 4, 10);
        SetColour(cr, Hex(0xE8DCC8));
        cairo_fill(cr);
        cairo_arc(cr, mx, my - 10, 8, PI, 2 * PI);
        SetColour(cr, Hex(0xD04A40));
        cairo_fill(cr);
    }
}

void PaintSeasideMotif(cairo_t* cr, const SceneStyle& s, int w, int h, double) {
    const PlaceLook& look = LookOf(s.place);
    Dice dice(s.seed * 13);
    const double sea = h * s.horizon;
    const Rgb deep = Mix(look.near, Hex(0x0A1A3A), IsDark(s.sky) ? 0.4 : 0.0);
    PaintWaves(cr, w, sea, h, deep, Mix(look.accent, Hex(0xFFFFFF), 0.4), s.seed);
    // light on the water under the moon or sun
    const double lx = s.focus < 0.5 ? w * 0.76 : w * 0.22;
    for (int i = 0; i < 14; ++i) {
        const double y = sea + 6 + i * i * 0.9;
        const double len = 16 + i * 4;
        cairo_rectangle(cr, lx - len / 2 + dice.Range(-10, 10), y, len, 2);
        SetColour(cr, look.light, 0.35 - i * 0.018);
        cairo_fill(cr);
    }
    // sails
    for (int i = 0; i < 2; ++i) {
        const double bx = dice.Range(w * 0.1, w * 0.9);
        const double by = sea + dice.Range(14, 40);
        const double sz = dice.Range(14, 22);
        cairo_move_to(cr, bx - sz, by);
        cairo_line_to(cr, bx + sz, by);
        cairo_line_to(cr, bx + sz * 0.7, by + sz * 0.35);
        cairo_line_to(cr, bx - sz * 0.7, by + sz * 0.35);
        cairo_close_path(cr);
        SetColour(cr, Hex(0x3A2A30));
        cairo_fill(cr);
        cairo_move_to(cr, bx, by - 2);
        cairo_line_to(cr, bx, by - sz * 1.8);
        cairo_line_to(cr, bx + sz * 0.9, by - 4);
        cairo_close_path(cr);
        SetColour(cr, Mix(Hex(0xF4EEE0), deep, 0.3));
        cairo_fill(cr);
    }
    // the beach and a lighthouse on its rock
    cairo_move_to(cr, 0, h);
    cairo_line_to(cr, 0, h - 70);
    cairo_curve_to(cr, w * 0.3, h - 40, w * 0.6, h - 90, w, h - 56);
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    FillVertical(cr, h - 90, h, Mix(Hex(0xD8B888), deep, IsDark(s.sky) ? 0.55 : 0.25),
                 Mix(Hex(0x8A6A50), deep, 0.5));
    cairo_new_path(cr);
    const double tx = w * s.focus;
    const double rockTop = sea + 10;
    cairo_move_to(cr, tx - 60, rockTop + 40);
    cairo_curve_to(cr, tx - 50, rockTop - 4, tx + 40, rockTop - 8, tx + 70, rockTop + 40);
    cairo_close_path(cr);
    SetColour(cr, Mix(look.far, Hex(0x000000), 0.3));
    cairo_fill(cr);
    const double th = 120;
    cairo_move_to(cr, tx - 14, rockTop + 4);
    cairo_line_to(cr, tx - 9, rockTop - th);
    cairo_line_to(cr, tx + 9, rockTop - th);
    cairo_line_to(cr, tx + 14, rockTop + 4);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xE8E0D8));
    cairo_fill(cr);
    for (int band = 0; band < 3; ++band) {
        cairo_rectangle(cr, tx - 14, rockTop - th * (0.2 + band * 0.3), 28, th * 0.12);
    }
    SetColour(cr, Hex(0xC04850));
    cairo_fill(cr);
    PaintLantern(cr, tx, rockTop - th - 12, 8, look.light);
    cairo_move_to(cr, tx - 12, rockTop - th - 22);
    cairo_line_to(cr, tx, rockTop - th - 34);
    cairo_line_to(cr, tx + 12, rockTop - th - 22);
    SetColour(cr, Hex(0x3A2A40));
    cairo_fill(cr);
    if (IsDark(s.sky) || s.sky == SkyKind::Storm) {
        const double dir = s.focus < 0.5 ? 1 : -1;
        cairo_move_to(cr, tx, rockTop - th - 12);
        cairo_line_to(cr, tx + dir * 420, rockTop - th - 60);
        cairo_line_to(cr, tx + dir * 420, rockTop - th + 30);
        cairo_close_path(cr);
        cairo_pattern_t* fade = cairo_pattern_create_linear(tx, 0, tx + dir * 420, 0);
        cairo_pattern_add_color_stop_rgba(fade, 0, look.light.r, look.light.g, look.light.b, 0.2);
        cairo_pattern_add_color_stop_rgba(fade, 1, look.light.r, look.light.g, look.light.b, 0);
        cairo_set_source(cr, fade);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }
}

void PaintMountainMotif(cairo_t* cr, const SceneStyle& s, int w, int h, double ground) {
    Dice dice(s.seed * 17);
    const PlaceLook& look = LookOf(s.place);
    const Rgb rock = Mix(look.far, GroundOf(s, 0.1), 0.4);
    const Rgb snow = s.sky == SkyKind::Dusk   ? Hex(0xF8C8B8)
                     : s.sky == SkyKind::Dawn ? Hex(0xFFD8C8)
                     : IsDark(s.sky)          ? Hex(0x8C96BC)
                                              : Hex(0xF4F8FF);
    for (int i = 0; i < 6; ++i) {
        const double x = w * (i / 5.0) + dice.Range(-40, 40);
        PaintPeak(cr, x, ground + 10, dice.Range(220, 320), dice.Range(140, 220),
                  Mix(rock, Hex(0x8090B8), 0.25), Mix(snow, rock, 0.25));
    }
    PaintFog(cr, w, ground, 50, Mix(snow, rock, 0.5), 0.25);
    PaintPeak(cr, w * s.focus, ground + 40, 420, 300, rock, snow);
    PaintRidge(cr, w, h, ground + 40, 14, 4, s.seed * 0.1, GroundOf(s, 0.5), GroundOf(s, 0.7));
    for (int i = 0; i < 14; ++i) {
        const double x = dice.Range(0, w);
        if (std::abs(x - w * 0.5) < 200) {
            continue;
        }
        PaintPine(cr, x, ground + 60 + dice.Range(0, 30), dice.Range(50, 80),
                  Mix(LeavesOf(s), GroundOf(s, 0.8), 0.4));
    }
}

void PaintCastleMotif(cairo_t* cr, const SceneStyle& s, int w, int, double ground) {
    const PlaceLook& look = LookOf(s.place);
    const Rgb wall = Mix(Hex(0x6A6088), GroundOf(s, 0.3), 0.45);
    const Rgb roof = Mix(look.accent, Hex(0x301830), 0.45);
    const double cx = w * s.focus;
    const double base = ground + 4;
    // the castle hill
    cairo_move_to(cr, cx - 260, base + 40);
    cairo_curve_to(cr, cx - 160, base - 18, cx + 160, base - 18, cx + 260, base + 40);
    cairo_close_path(cr);
    SetColour(cr, GroundOf(s, 0.4));
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 120, base - 60, 240, 64);
    SetColour(cr, Mix(wall, Hex(0x000000), 0.1));
    cairo_fill(cr);
    for (double x = cx - 120; x < cx + 120; x += 20) {
        cairo_rectangle(cr, x + 4, base - 70, 11, 11);
    }
    cairo_fill(cr);
    RoundedRect(cr, cx - 18, base - 40, 36, 44, 16);
    SetColour(cr, Hex(0x2A1A30));
    cairo_fill(cr);
    PaintTower(cr, cx - 150, base, 50, 120, wall, roof, look.light);
    PaintTower(cr, cx + 100, base, 50, 130, wall, roof, look.light);
    PaintTower(cr, cx - 35, base - 50, 70, 110, Mix(wall, Hex(0xFFFFFF), 0.05), roof, look.light);
    for (const double x : {cx - 80.0, cx + 60.0}) {
        RoundedRect(cr, x, base - 40, 10, 16, 5);
        SetColour(cr, look.light);
        cairo_fill(cr);
    }
}

// Grass, flowers, snow or shells along the bottom edge, thickest in the corners.
void PaintForeground(cairo_t* cr, const SceneStyle& s, int w, int h) {
    Dice dice(s.seed * 23);
    const bool beach = s.place == Place::Seaside;
    const Rgb blade = Mix(LeavesOf(s), Hex(0x000000), IsDark(s.sky) ? 0.45 : 0.25);
    for (int i = 0; i < 220; ++i) {
        const double x = dice.Range(0, w);
        const double corner = std::abs(x - w / 2.0) / (w / 2.0);
        if (dice.Next() > 0.25 + 0.75 * corner) {
            continue;
        }
        const double y = h - dice.Range(0, 18 + 40 * corner);
        if (beach) {
            cairo_arc(cr, x, y, dice.Range(1.5, 4), 0, 2 * PI);
            SetColour(cr, Mix(Hex(0xE8D8C0), blade, 0.5), 0.7);
            cairo_fill(cr);
            continue;
        }
        if (s.season == Season::Winter) {
            cairo_arc(cr, x, y + 8, dice.Range(8, 20), PI, 2 * PI);
            SetColour(cr, Mix(Hex(0xE8ECF8), blade, 0.35), 0.8);
            cairo_fill(cr);
            continue;
        }
        const double len = dice.Range(8, 20 + 18 * corner);
        const double lean = dice.Range(-6, 6);
        cairo_move_to(cr, x - 2, y + 4);
        cairo_curve_to(cr, x - 1, y - len * 0.5, x + lean * 0.5, y - len * 0.8, x + lean, y - len);
        cairo_curve_to(cr, x + lean * 0.4, y - len * 0.7, x + 1, y - len * 0.4, x + 2, y + 4);
        cairo_close_path(cr);
        SetColour(cr, Mix(blade, GroundOf(s, 1.0), dice.Range(0, 0.4)));
        cairo_fill(cr);
        if (s.season != Season::Autumn && dice.Next() < 0.12 * corner) {
            const Rgb petals[] = {Hex(0xF6C0D0), Hex(0xFFE08A), Hex(0xC8B8F0), Hex(0xFFFFFF)};
            cairo_arc(cr, x + lean, y - len, 2.6, 0, 2 * PI);
            SetColour(cr, Mix(petals[i % 4], blade, IsDark(s.sky) ? 0.45 : 0.1));
            cairo_fill(cr);
        }
    }
}

void PaintWeather(cairo_t* cr, const SceneStyle& s, int w, int h) {
    Dice dice(s.seed * 19);
    switch (s.weather) {
        case Weather::Clear:
            break;
        case Weather::Rain:
            cairo_rectangle(cr, 0, 0, w, h);
            cairo_set_source_rgba(cr, 0.1, 0.12, 0.2, 0.18);
            cairo_fill(cr);
            PaintRain(cr, w, h, 420, s.seed, 0.45);
            break;
        case Weather::Snow:
            PaintSnowfall(cr, w, h, 260, s.seed, 0.8);
            break;
        case Weather::Fog:
            PaintFog(cr, w, h * s.horizon, 120, Hex(0xD8D8E8), 0.4);
            PaintFog(cr, w, h * (s.horizon + 0.15), 90, Hex(0xD8D8E8), 0.25);
            break;
        case Weather::Leaves:
        case Weather::Petals:
            for (int i = 0; i < 70; ++i) {
                const double x = dice.Range(0, w), y = dice.Range(0, h);
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_rotate(cr, dice.Range(0, PI));
                cairo_scale(cr, 1.0, 0.55);
                cairo_arc(cr, 0, 0, dice.Range(3, 5.5), 0, 2 * PI);
                cairo_restore(cr);
                SetColour(cr,
                          s.weather == Weather::Petals
                              ? Mix(Hex(0xFFC0D8), Hex(0xFFFFFF), dice.Next() * 0.5)
                              : Mix(Hex(0xE07830), Hex(0xF0C040), dice.Next()),
                          0.85);
                cairo_fill(cr);
            }
            break;
        case Weather::Fireflies:
            PaintFireflies(cr, 0, h * s.horizon - 40, w, h * (1 - s.horizon) + 20, 60, s.seed,
                           Hex(0xF0F090));
            break;
        case Weather::Fireworks:
            for (int burst = 0; burst < 4; ++burst) {
                const double x = dice.Range(80, w - 80), y = dice.Range(50, 200);
                const Rgb c = burst % 2 ? Hex(0xFFD070) : Hex(0xF080B0);
                for (int ray = 0; ray < 18; ++ray) {
                    const double a = ray * 2 * PI / 18;
                    cairo_move_to(cr, x + 8 * std::cos(a), y + 8 * std::sin(a));
                    cairo_line_to(cr, x + 34 * std::cos(a), y + 34 * std::sin(a));
                }
                cairo_set_line_width(cr, 2);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                SetColour(cr, c, 0.75);
                cairo_stroke(cr);
            }
            break;
    }
}

void PaintSceneOn(cairo_t* cr, const SceneStyle& s, int w, int h) {
    PaintSky(cr, w, h, s.sky);
    PaintCelestial(cr, s, w, h);
    const double horizon = h * s.horizon;
    if (s.place != Place::Seaside) {
        PaintRidge(cr, w, h, horizon - 40, 26, 5, s.seed * 0.3, GroundOf(s, 0.0), GroundOf(s, 0.2));
        PaintRidge(cr, w, h, horizon, 18, 3.5, s.seed * 0.7, GroundOf(s, 0.35), GroundOf(s, 0.5));
    }
    switch (s.place) {
        case Place::Home:
            PaintHomeMotif(cr, s, w, h, horizon);
            break;
        case Place::Forest:
            PaintForestMotif(cr, s, w, h, horizon);
            break;
        case Place::Seaside:
            PaintSeasideMotif(cr, s, w, h, horizon);
            break;
        case Place::Mountains:
            PaintMountainMotif(cr, s, w, h, horizon);
            break;
        case Place::Castle:
        case Place::Fair:
            PaintCastleMotif(cr, s, w, h, horizon);
            break;
    }
    if (s.place != Place::Seaside) {
        PaintRidge(cr, w, h, horizon + 70, 12, 2.5, s.seed * 1.1, GroundOf(s, 0.75),
                   GroundOf(s, 1.0));
    }
    PaintForeground(cr, s, w, h);
    PaintWeather(cr, s, w, h);
    PaintVignette(cr, w, h, 0.45);
}

RgbaImage PaintScene(const SceneStyle& s) {
    CairoCanvas canvas(SCREEN_W, SCREEN_H);
    PaintSceneOn(canvas.Cr(), s, SCREEN_W, SCREEN_H);
    return canvas.Image();
}

// One of the moon's picture pieces: a small tile with a corner of a scene.
void PaintPiece(cairo_t* cr, double x, double y, double size, double degrees, Rgb colour) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, degrees * PI / 180);
    RoundedRect(cr, -size / 2, -size * 0.75, size, size * 1.5, size * 0.15);
    FillVertical(cr, -size * 0.75, size * 0.75, Mix(colour, Hex(0xFFFFFF), 0.45), colour);
    SetColour(cr, Hex(0xFFF0C0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, size * 0.22, 0, 2 * PI);
    SetColour(cr, Hex(0xFFF8E0), 0.7);
    cairo_fill(cr);
    cairo_restore(cr);
}

// The story's text box at the top of a page.
void PaintStoryText(cairo_t* cr, const std::string& text) {
    UseFont(cr, 25);
    const std::vector<std::string> lines = WrapText(cr, text, 640);
    const double lineHeight = 33;
    const double boxH = 34 + lineHeight * static_cast<double>(lines.size());
    RoundedRect(cr, 50, 22, 700, boxH, 22);
    SetColour(cr, Hex(0x161436), 0.72);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xE8B84A), 0.9);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    double baseline = 22 + 17 + 24;
    for (const std::string& line : lines) {
        OutlinedText(cr, line, 400, baseline, 25, Hex(0xFFF4DA), Hex(0x1A1030), 3);
        baseline += lineHeight;
    }
}

}  // namespace

const std::vector<MapSpot>& MapSpots() {
    static const std::vector<MapSpot> SPOTS = {
        {118, 476}, {262, 398}, {430, 300}, {566, 398}, {676, 196}};
    return SPOTS;
}

RgbaImage PaintBackground(int n) {
    RgbaImage image = PaintScene(BACKGROUNDS[std::clamp(n, 1, BACKGROUND_COUNT) - 1]);
    CalmMiddle(image, 0.9);
    return image;
}

RgbaImage PaintMap() {
    CairoCanvas canvas(SCREEN_W, SCREEN_H);
    cairo_t* cr = canvas.Cr();
    const int w = SCREEN_W, h = SCREEN_H;
    PaintSky(cr, w, h, SkyKind::Night);
    PaintStars(cr, w, h * 0.5, 120, 77, 0.8);
    PaintMoon(cr, 90, 80, 40);
    // The land: one rolling island from home at the bottom left to the castle.
    cairo_move_to(cr, -20, h + 20);
    cairo_curve_to(cr, -10, 380, 140, 330, 300, 300);
    cairo_curve_to(cr, 420, 210, 520, 120, 680, 100);
    cairo_curve_to(cr, 800, 90, 830, 200, 820, h + 20);
    cairo_close_path(cr);
    FillVertical(cr, 100, h, Hex(0x3E3A6A), Hex(0x201C40));
    cairo_new_path(cr);
    // The seaside bay beside the third place.
    cairo_save(cr);
    cairo_translate(cr, 420, 282);
    cairo_scale(cr, 1.0, 0.45);
    cairo_arc(cr, 0, 0, 100, 0, 2 * PI);
    cairo_restore(cr);
    FillVertical(cr, 236, 328, Hex(0x2A6A98), Hex(0x1A3C6A));
    cairo_new_path(cr);
    for (int i = 0; i < 7; ++i) {
        const double x = 350 + (i * 37) % 130, y = 258 + (i * 23) % 50;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 6, y - 4, x + 12, y - 4, x + 18, y);
    }
    SetColour(cr, Hex(0x9AD0F0), 0.5);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    const std::vector<MapSpot>& spots = MapSpots();
    // The dotted path between the places.
    cairo_move_to(cr, spots[0].x, spots[0].y);
    for (size_t i = 1; i < spots.size(); ++i) {
        const MapSpot& a = spots[i - 1];
        const MapSpot& b = spots[i];
        cairo_curve_to(cr, a.x + (b.x - a.x) * 0.5, a.y + 40, b.x - (b.x - a.x) * 0.4, b.y + 30,
                       b.x, b.y);
    }
    const double dash[] = {2, 12};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 7);
    SetColour(cr, Hex(0xFFD166), 0.9);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Each place as a little picture.
    const PlaceLook& home = LookOf(Place::Home);
    PaintHouse(cr, spots[0].x - 46, spots[0].y - 16, 40, 30, Hex(0x8A5A48), Hex(0x7A2E38),
               home.light);
    PaintHouse(cr, spots[0].x + 6, spots[0].y - 10, 34, 26, Hex(0x9A6A50), Hex(0x8A3A40),
               home.light);
    for (int i = 0; i < 5; ++i) {
        PaintPine(cr, spots[1].x - 60 + i * 22 + (i % 2) * 6, spots[1].y - 18 + (i % 2) * 10,
                  52 + (i % 3) * 10, Mix(Hex(0x2E6A48), Hex(0x6CC070), 0.2 * (i % 2)));
    }
    const PlaceLook& sea = LookOf(Place::Seaside);
    cairo_move_to(cr, spots[2].x + 40, spots[2].y - 24);
    cairo_line_to(cr, spots[2].x + 44, spots[2].y - 80);
    cairo_line_to(cr, spots[2].x + 54, spots[2].y - 80);
    cairo_line_to(cr, spots[2].x + 58, spots[2].y - 24);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xE8E0D8));
    cairo_fill(cr);
    for (int band = 0; band < 2; ++band) {
        cairo_rectangle(cr, spots[2].x + 41, spots[2].y - 66 + band * 22, 16, 8);
    }
    SetColour(cr, Hex(0xC04850));
    cairo_fill(cr);
    PaintLantern(cr, spots[2].x + 49, spots[2].y - 88, 5, sea.light);
    PaintPeak(cr, spots[3].x + 10, spots[3].y - 18, 130, 90, Hex(0x5A5E88), Hex(0xE8ECFF));
    PaintPeak(cr, spots[3].x - 44, spots[3].y - 14, 90, 60, Hex(0x4A4E78), Hex(0xE0E4F8));
    const PlaceLook& castle = LookOf(Place::Castle);
    PaintTower(cr, spots[4].x - 44, spots[4].y - 24, 26, 56, Hex(0x7A7098), Hex(0x9A3A58),
               castle.light);
    PaintTower(cr, spots[4].x + 18, spots[4].y - 24, 26, 62, Hex(0x7A7098), Hex(0x9A3A58),
               castle.light);
    cairo_rectangle(cr, spots[4].x - 20, spots[4].y - 60, 40, 36);
    SetColour(cr, Hex(0x6A6088));
    cairo_fill(cr);
    // Soft spots under the markers.
    for (const MapSpot& spot : spots) {
        cairo_arc(cr, spot.x, spot.y, 14, 0, 2 * PI);
        SetColour(cr, Hex(0xFFD166), 0.5);
        cairo_fill(cr);
        cairo_arc(cr, spot.x, spot.y, 7, 0, 2 * PI);
        SetColour(cr, Hex(0xFFF4DA));
        cairo_fill(cr);
    }
    PaintVignette(cr, w, h, 0.5);
    return canvas.Image();
}

RgbaImage PaintMenuBackground() {
    CairoCanvas canvas(SCREEN_W, SCREEN_H);
    cairo_t* cr = canvas.Cr();
    const int w = SCREEN_W, h = SCREEN_H;
    PaintSky(cr, w, h, SkyKind::Night);
    PaintStars(cr, w, h * 0.7, 190, 20261209u, 1.0);
    PaintMoon(cr, 650, 110, 60);
    // All five places along the horizon, home on the left, the castle on the right.
    PaintRidge(cr, w, h, 470, 26, 5, 0.6, Hex(0x3A2A62), Hex(0x24193F));
    const PlaceLook& home = LookOf(Place::Home);
    PaintHouse(cr, 40, 478, 50, 40, Hex(0x4A3458), Hex(0x3A2448), home.light);
    PaintHouse(cr, 100, 482, 40, 32, Hex(0x4A3458), Hex(0x3A2448), home.light);
    for (int i = 0; i < 5; ++i) {
        PaintPine(cr, 200 + i * 24, 480 + (i % 2) * 6, 60 + (i % 3) * 12, Hex(0x1E3048));
    }
    PaintPeak(cr, 470, 478, 160, 120, Hex(0x3A3666), Hex(0xB8C0E8));
    PaintPeak(cr, 540, 480, 120, 80, Hex(0x34305C), Hex(0xA8B0D8));
    PaintTower(cr, 680, 470, 26, 70, Hex(0x302450), Hex(0x3A2050), home.light);
    PaintTower(cr, 730, 470, 26, 84, Hex(0x302450), Hex(0x3A2050), home.light);
    cairo_move_to(cr, 340, 478);
    cairo_line_to(cr, 344, 420);
    cairo_line_to(cr, 352, 420);
    cairo_line_to(cr, 356, 478);
    SetColour(cr, Hex(0x5A5080));
    cairo_fill(cr);
    PaintLantern(cr, 348, 414, 5, home.light);
    PaintRidge(cr, w, h, 540, 20, 2.1, 2.1, Hex(0x251A45), Hex(0x140E28));
    PaintFireflies(cr, 0, 470, w, 120, 40, 9, Hex(0xFFD890));
    PaintVignette(cr, w, h, 0.4);
    return canvas.Image();
}

RgbaImage PaintPresentationCard(const std::string& team, const std::string& presents) {
    CairoCanvas canvas(SCREEN_W, SCREEN_H);
    cairo_t* cr = canvas.Cr();
    PaintSky(cr, SCREEN_W, SCREEN_H, SkyKind::Night);
    PaintStars(cr, SCREEN_W, SCREEN_H, 140, 4242, 0.8);
    // The emblem: the crescent moon inside a golden ring, over a tile.
    const double cx = 400, cy = 250;
    cairo_arc(cr, cx, cy, 110, 0, 2 * PI);
    SetColour(cr, Hex(0x1A1840), 0.8);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xE8B84A));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    PaintPiece(cr, cx + 38, cy + 30, 46, 10, Hex(0x4CC3BA));
    PaintMoon(cr, cx - 12, cy - 8, 66);
    OutlinedText(cr, team, 400, 440, FittedSize(cr, team, 44, 700), Hex(0xFFF1B0), Hex(0x2A1650),
                 6);
    OutlinedText(cr, presents, 400, 490, FittedSize(cr, presents, 30, 700), Hex(0xFFF4DA),
                 Hex(0x2A1650), 4);
    PaintVignette(cr, SCREEN_W, SCREEN_H, 0.5);
    return canvas.Image();
}

RgbaImage PaintStoryPage(int page, const std::string& text, const TileSheet& home) {
    CairoCanvas canvas(SCREEN_W, SCREEN_H);
    cairo_t* cr = canvas.Cr();
    const int w = SCREEN_W, h = SCREEN_H;
    const Rgb PIECE_COLOURS[] = {Hex(0xE8A048), Hex(0x6CC070), Hex(0x3CB4D8), Hex(0xA08CE0),
                                 Hex(0xE0607A)};
    auto scene = [&](Place place, SkyKind sky, Weather weather, Season season, double focus) {
        PaintSceneOn(cr, {place, sky, weather, season, 0.72, focus, 900u + page, false}, w, h);
    };
    switch (page) {
        case 1:  // the moon wears the picture of the world
            scene(Place::Home, SkyKind::Night, Weather::Clear, Season::Summer, 0.3);
            PaintMoon(cr, 560, 290, 80, true);
            for (int i = 0; i < 5; ++i) {
                PaintPiece(cr, 520 + (i % 3) * 40, 260 + (i / 3) * 60, 28, 0, PIECE_COLOURS[i]);
            }
            break;
        case 2:  // the storm breaks it
            scene(Place::Home, SkyKind::Storm, Weather::Rain, Season::Autumn, 0.25);
            PaintMoon(cr, 600, 260, 60, true);
            for (int i = 0; i < 12; ++i) {
                PaintPiece(cr, 300 + i * 36 - (i % 3) * 20, 240 + (i % 4) * 55 + i * 6, 24,
                           i * 27.0, PIECE_COLOURS[i % 5]);
            }
            break;
        case 3:  // the pieces land in the five places
        {
            PaintSky(cr, w, h, SkyKind::Night);
            PaintStars(cr, w, h * 0.6, 140, 33, 0.9);
            PaintRidge(cr, w, h, 470, 24, 4, 0.8, Hex(0x3A2A62), Hex(0x24193F));
            PaintRidge(cr, w, h, 540, 16, 2.5, 2.0, Hex(0x251A45), Hex(0x140E28));
            cairo_move_to(cr, 100, 264);
            for (int i = 1; i < 5; ++i) {
                cairo_line_to(cr, 100 + i * 150, 264 + (i % 2) * 150);
            }
            const double dots[] = {2, 11};
            cairo_set_dash(cr, dots, 2, 0);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_width(cr, 6);
            SetColour(cr, Hex(0xFFD166), 0.85);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            const Place places[] = {Place::Home, Place::Forest, Place::Seaside, Place::Mountains,
                                    Place::Castle};
            for (int i = 0; i < 5; ++i) {
                const SceneStyle s{places[i],
                                   SkyKind::Dusk,
                                   Weather::Clear,
                                   Season::Summer,
                                   0.72,
                                   0.5,
                                   930u + static_cast<unsigned>(i)};
                const RgbaImage small = Shrink(PaintScene(s), 200, 150);
                const double x = 28 + i * 150, y = 210 + (i % 2) * 150;
                cairo_save(cr);
                RoundedRect(cr, x, y, 144, 108, 14);
                cairo_clip(cr);
                DrawPicture(cr, small, x - 28, y - 21, 200, 150);
                cairo_restore(cr);
                RoundedRect(cr, x, y, 144, 108, 14);
                SetColour(cr, Hex(0xE8B84A));
                cairo_set_line_width(cr, 3);
                cairo_stroke(cr);
                PaintPiece(cr, x + 72, y + 34, 24, 12.0 * (i - 2), PIECE_COLOURS[i]);
            }
            break;
        }
        case 4:  // the pale moon, the lantern sets out
            scene(Place::Forest, SkyKind::Night, Weather::Fireflies, Season::Summer, 0.7);
            cairo_arc(cr, 160, 250, 56, 0, 2 * PI);
            SetColour(cr, Hex(0xC8C8D8), 0.55);
            cairo_fill(cr);
            PaintLantern(cr, 420, 470, 12, Hex(0xFFC870));
            break;
        case 5:  // how to play
            scene(Place::Home, SkyKind::Dusk, Weather::Fireflies, Season::Spring, 0.75);
            {
                const double y0 = 330, y1 = 330;
                cairo_move_to(cr, 250, y0);
                cairo_line_to(cr, 250, 440);
                cairo_line_to(cr, 550, 440);
                cairo_line_to(cr, 550, y1);
                cairo_set_line_width(cr, 10);
                cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                SetColour(cr, Hex(0xFFD166), 0.35);
                cairo_stroke_preserve(cr);
                cairo_set_line_width(cr, 4);
                SetColour(cr, Hex(0xFFF4DA));
                cairo_stroke(cr);
                const double scale = 1.9;
                DrawTile(cr, home.Cell(0, 3), 250 - 16 * scale, y0 - 24 * scale, scale);
                DrawTile(cr, home.Cell(0, 3), 550 - 16 * scale, y1 - 24 * scale, scale);
                DrawTile(cr, home.Face(1), 400 - 16 * scale, 330 - 24 * scale, scale);
            }
            break;
        case 6:  // the last piece behind the castle gate
            scene(Place::Castle, SkyKind::Night, Weather::Clear, Season::Summer, 0.5);
            PaintLantern(cr, 400, 470, 14, Hex(0xFFD070));
            PaintPiece(cr, 440, 440, 36, 12, PIECE_COLOURS[4]);
            break;
        case 7:  // the pieces rise to the moon
            scene(Place::Mountains, SkyKind::Night, Weather::Clear, Season::Winter, 0.3);
            PaintMoon(cr, 620, 220, 56);
            for (int i = 0; i < 14; ++i) {
                const double t = i / 13.0;
                PaintPiece(cr, 200 + t * 380, 500 - t * 270 + std::sin(t * 9) * 20, 18 + t * 6,
                           i * 21.0, PIECE_COLOURS[i % 5]);
            }
            break;
        case 8:  // the moon whole again
            scene(Place::Seaside, SkyKind::Night, Weather::Clear, Season::Summer, 0.8);
            PaintMoon(cr, 330, 290, 90, true);
            for (int i = 0; i < 16; ++i) {
                const double a = i * 2 * PI / 16;
                PaintLantern(cr, 330 + 130 * std::cos(a), 290 + 130 * std::sin(a), 4,
                             Hex(0xFFD070));
            }
            break;
        default:  // home again
            scene(Place::Home, SkyKind::Night, Weather::Fireflies, Season::Summer, 0.5);
            PaintMoon(cr, 640, 250, 60, true);
            break;
    }
    PaintStoryText(cr, text);
    return canvas.Image();
}
