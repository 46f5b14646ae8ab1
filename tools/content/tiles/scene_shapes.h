#pragma once
// Small drawing pieces shared by the location pictures.
#include <cairo.h>

#include "tile_themes.h"

void Fill(cairo_t* cr, const Rgb& c, double alpha = 1.0);
void Sky(cairo_t* cr, const Rgb& top, const Rgb& bottom, double height);
void Sun(cairo_t* cr, double x, double y, double r, const Rgb& c);
void Cloud(cairo_t* cr, double x, double y, double s);
// A soft hill: the area below a curve from (0, yl) over a crest to (128, yr).
void Hill(cairo_t* cr, double yl, double crestX, double crestY, double yr, const Rgb& c);
void PineTree(cairo_t* cr, double x, double baseY, double h, const Rgb& c);
void RoundTree(cairo_t* cr, double x, double baseY, double h);
void Rect(cairo_t* cr, double x, double y, double w, double h, const Rgb& c);
void Triangle(cairo_t* cr, double x1, double y1, double x2, double y2, double x3, double y3,
              const Rgb& c);
void Dots(cairo_t* cr, int count, double x0, double y0, double w, double h, double r, const Rgb& c,
          unsigned seed);
