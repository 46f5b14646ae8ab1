#include "glyph_atlas.h"

#include <algorithm>
#include <numeric>

int NextPowerOfTwo(int n) {
    int p = 1;
    while (p < n) {
        p *= 2;
    }
    return p;
}

std::vector<AtlasPlacement> PackGlyphs(const std::vector<RenderedGlyph>& glyphs, int width,
                                       int& height) {
    constexpr int gap = 1;
    std::vector<size_t> order(glyphs.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return glyphs[a].height > glyphs[b].height; });
    std::vector<AtlasPlacement> placed(glyphs.size());
    int x = gap, y = gap, shelf = 0;
    for (const size_t i : order) {
        const RenderedGlyph& g = glyphs[i];
        if (x + g.width + gap > width) {
            x = gap;
            y += shelf + gap;
            shelf = 0;
        }
        placed[i] = {x, y};
        x += g.width + gap;
        shelf = std::max(shelf, g.height);
    }
    height = NextPowerOfTwo(y + shelf + gap);
    return placed;
}
