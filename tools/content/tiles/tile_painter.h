#pragma once
// Drawing of the 32 x 48 cells of a tile set: faces, blocks, route pieces and
// bonus items. Each function draws into the cell at the context's origin.
#include <cairo.h>

#include "emoji_painter.h"
#include "tile_themes.h"

constexpr int CELL_WIDTH = 32;
constexpr int CELL_HEIGHT = 48;
constexpr int FACE_COUNT = 42;

void PaintFace(cairo_t* cr, const TileTheme& theme, int face, bool selected,
               const EmojiPainter& emoji);
// kind 0 for cell value 1, kind 1 for cell value 2.
void PaintBlock(cairo_t* cr, const TileTheme& theme, int kind);
// piece 0 to 5: vertical, horizontal, left-bottom, right-bottom, top-right, top-left.
void PaintRoutePiece(cairo_t* cr, const TileTheme& theme, int piece);
// item 0 to 4: score, undo, retry, hint, time.
void PaintBonus(cairo_t* cr, int item, const EmojiPainter& emoji);
