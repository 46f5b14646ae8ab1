#pragma once
// Pictures made from the game's own content: the tutorials drawn with the
// real tile pictures, the level buttons drawn from the level files, the
// tile-set, song and background buttons of the relaxed-mode chooser.
#include <cairo.h>

#include <string>

#include "../content/common/png_out.h"

class levelData;

// A tile-set sheet (21 x 6 cells of 32 x 48) and its cells.
struct TileSheet {
    RgbaImage image;
    RgbaImage Cell(int column, int row) const;
    RgbaImage Face(int face) const { return Cell(face % 21, 1 + face / 21); }
    RgbaImage Block(int kind) const { return Cell(kind, 0); }
    RgbaImage Bonus(int item) const { return Cell(8 + item, 0); }
    RgbaImage Piece(int piece) const { return Cell(piece, 5); }
};

// Level-button geometry: the board's inner 23 x 10 cells, 2 x 3 pixels each.
constexpr int LEVEL_BUTTON_W = 56;
constexpr int LEVEL_BUTTON_H = 36;
constexpr int LEVEL_CELL_W = 2;
constexpr int LEVEL_CELL_H = 3;
constexpr int LEVEL_LEFT = 5;  // pixel of column 1
constexpr int LEVEL_TOP = 3;   // pixel of row 1

// A tile as the board stamps it (a darker edge below and to the right), at
// (x, y) in the cell's size times scale.
void DrawTile(cairo_t* cr, const RgbaImage& cell, double x, double y, double scale);

RgbaImage PaintLevelButton(const levelData& level);
RgbaImage PaintSetButton(const TileSheet& sheet, int set, int w, int h);
RgbaImage PaintSongButton(int song, int w, int h);
RgbaImage PaintThumbnail(const RgbaImage& background, int w, int h);
// Tutorial 1 to 6 (first level, bonus item, picture piece, flowers, fixed
// block, time item), drawn with the tile set of the level that shows it.
// The words of a tutorial picture (UTF-8): its caption and, for the time
// item, the "+ time" beside it.
struct TutorialWords {
    std::string caption;
    std::string time;
};
RgbaImage PaintTutorial(int tutorial, const TileSheet& sheet, int w, int h,
                        const TutorialWords& words);
