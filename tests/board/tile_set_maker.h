#pragma once
// A made-up tile-set pixmap whose every cell has its own colour: red from the
// column, green from the row, blue from the x inside the cell, opaque only
// inside a 2-pixel margin.
#include <cstdint>

#include "platform/pixmap.h"

inline uint32_t TileSetColour(int column, int row, int xInCell) {
    return 0xFF000000u | static_cast<uint32_t>(column * 12) << 16 |
           static_cast<uint32_t>(row * 40 + 20) << 8 | static_cast<uint32_t>(xInCell * 4);
}

inline PixmapPtr MakeTileSet(int width = 672, int height = 288) {
    PixmapPtr pixmap = CreatePixmap(width, height, PF_BGRA8888);
    ClearPixels(*pixmap, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cx = x % 32;
            const int cy = y % 48;
            if (cx >= 2 && cx < 30 && cy >= 2 && cy < 46) {
                WritePixel(*pixmap, x, y, TileSetColour(x / 32, y / 48, cx));
            }
        }
    }
    return pixmap;
}
