#pragma once
// Cairo drawing surfaces turned into straight RGBA pictures.
#include <cairo.h>

#include "png_out.h"

RgbaImage FromCairo(cairo_surface_t* surface);

// A cairo image surface with its context, released together.
class CairoCanvas {
public:
    CairoCanvas(int width, int height);
    ~CairoCanvas();
    CairoCanvas(const CairoCanvas&) = delete;
    CairoCanvas& operator=(const CairoCanvas&) = delete;

    cairo_t* Cr() const { return cr; }
    cairo_surface_t* Surface() const { return surface; }
    RgbaImage Image() const { return FromCairo(surface); }

private:
    cairo_surface_t* surface;
    cairo_t* cr;
};
