#pragma once
// Shelf packing of glyph bitmaps onto one page.
#include <vector>

#include "glyph_source.h"

struct AtlasPlacement {
    int x = 0, y = 0;
};

// Places every glyph on a page of the given width with a one-pixel gap;
// returns the placements (same order) and sets height to the power of two
// that holds them.
std::vector<AtlasPlacement> PackGlyphs(const std::vector<RenderedGlyph>& glyphs, int width,
                                       int& height);

int NextPowerOfTwo(int n);
