#pragma once
// Drawing pieces shared by every screen picture: skies, the moon, hills,
// trees, houses, lanterns, text in the game's font, and the calm veil that
// keeps the middle of a picture quiet behind the board.
#include <cairo.h>

#include <string>
#include <vector>

#include "../content/common/pi.h"
#include "../content/common/png_out.h"
#include "../gui_art/paint.h"

// The five places of the story, and the fair of relaxed mode.
enum class Place { Home, Forest, Seaside, Mountains, Castle, Fair };

struct PlaceLook {
    Rgb far;     // distant hills
    Rgb near;    // near ground
    Rgb accent;  // the place's own colour (markers, buttons)
    Rgb light;   // warm light of its windows and lanterns
};
const PlaceLook& LookOf(Place place);

enum class SkyKind { Night, Dusk, Dawn, Day, Storm, BlueHour, SnowNight };

void PaintSky(cairo_t* cr, int w, int h, SkyKind sky);
void PaintStars(cairo_t* cr, int w, double maxY, int count, unsigned seed, double alpha = 1.0);
void PaintSun(cairo_t* cr, double cx, double cy, double r, Rgb colour);
void PaintCloud(cairo_t* cr, double x, double y, double scale, Rgb colour, double alpha);
// A band of hills: the area below a wavy line around base.
void PaintRidge(cairo_t* cr, int w, int h, double base, double amplitude, double waves,
                double phase, Rgb top, Rgb bottom);
void PaintPine(cairo_t* cr, double x, double baseY, double height, Rgb colour);
void PaintRoundTree(cairo_t* cr, double x, double baseY, double height, Rgb leaves, Rgb trunk);
void PaintHouse(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof,
                Rgb window);
void PaintLantern(cairo_t* cr, double x, double y, double r, Rgb light);
void PaintTower(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof,
                Rgb window);
void PaintPeak(cairo_t* cr, double x, double baseY, double w, double h, Rgb rock, Rgb snow);
void PaintWaves(cairo_t* cr, int w, double top, double bottom, Rgb deep, Rgb crest, unsigned seed);
void PaintRain(cairo_t* cr, int w, int h, int count, unsigned seed, double alpha);
void PaintSnowfall(cairo_t* cr, int w, int h, int count, unsigned seed, double alpha);
void PaintFireflies(cairo_t* cr, double x0, double y0, double w, double h, int count, unsigned seed,
                    Rgb light);
void PaintFog(cairo_t* cr, int w, double y, double height, Rgb colour, double alpha);
// A soft dark edge around the whole picture.
void PaintVignette(cairo_t* cr, int w, int h, double strength);

// Text in Comic Neue Bold.
void UseFont(cairo_t* cr, double size);
// The family fontconfig gives for the game's font: "Comic Neue" unless it is
// missing and another font would stand in.
std::string GameFontFamily();
double TextWidth(cairo_t* cr, const std::string& text);
// Draws text centred on cx with a dark outline under a light fill.
void OutlinedText(cairo_t* cr, const std::string& text, double cx, double baseline, double size,
                  Rgb fill, Rgb outline, double outlineWidth);
// size, or the smaller size at which text is no wider than width.
double FittedSize(cairo_t* cr, const std::string& text, double size, double width);
// Splits text into lines no wider than width at the current font.
std::vector<std::string> WrapText(cairo_t* cr, const std::string& text, double width);

// Blurs and flattens the middle of a picture (an ellipse fading out towards
// the edges) so the board's tiles stand out against it.
void CalmMiddle(RgbaImage& image, double strength);
// Box-filtered copy at a smaller size.
RgbaImage Shrink(const RgbaImage& image, int width, int height);
// Draws an RGBA picture onto a context, scaled to the rectangle.
void DrawPicture(cairo_t* cr, const RgbaImage& picture, double x, double y, double w, double h);
