#pragma once
// Small Cairo helpers shared by the control and title painters.
#include <cairo.h>

struct Rgb {
    double r, g, b;
};

// 0xRRGGBB as a colour.
constexpr Rgb Hex(unsigned value) {
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// Fills the current path with a vertical gradient from top to bottom colour.
void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom, double alpha = 1.0);

// Repeatable pseudo-random numbers, so every run paints the same pictures.
class Dice {
public:
    explicit Dice(unsigned seed) : state(seed) {}
    double Next();  // 0 <= value < 1
    double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

private:
    unsigned state;
};

// A soft disc of light fading from alpha at the inner radius to nothing at the outer.
void PaintGlow(cairo_t* cr, double x, double y, double inner, double outer, Rgb colour,
               double alpha);
// The moon with its glow: a crescent, or full with its seas.
void PaintMoon(cairo_t* cr, double cx, double cy, double r, bool full = false);
