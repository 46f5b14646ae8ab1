#include <cmath>

#include "board/board_marks.h"
#include "board/game_grid.h"
#include "board/tile_cursor.h"
#include "platform/clock.h"
#include "platform/numbers.h"
#include "toolkit/marker_frame.h"

namespace {

constexpr MarkerStyle CURSOR_STYLE{4.0f, 7.0f, 3.0f, 255, 236, 96};
constexpr MarkerStyle OUTLINE_STYLE{2.0f, 6.0f, 2.0f, 80, 230, 255};
constexpr int OUTLINE_PULSE_MS_PER_DEGREE = 4;
// A tile's face sits this far up and left of its cell (its 3D edge is below
// and to the right), as the board's own markers have it.
constexpr int FACE_INSET = 3;

void DrawCellFrame(const gameGrid& board, const Point& cell, const MarkerStyle& style,
                   float alpha) {
    if (board.OnBoard(cell.x, cell.y)) {
        DrawMarkerFrame(static_cast<float>(board._cellStartX(cell.x) - FACE_INSET),
                        static_cast<float>(board._cellStartY(cell.y) - FACE_INSET),
                        static_cast<float>(board.iCellWidth), static_cast<float>(board.iCellHeight),
                        style, alpha);
    }
}

}  // namespace

void DrawTileCursor(const gameGrid& board, const Point& cell) {
    DrawCellFrame(board, cell, CURSOR_STYLE, 1.0f);
}

void DrawMatchOutline(const gameGrid& board, const Point& cell) {
    const double degrees = static_cast<double>(MilliSecs() / OUTLINE_PULSE_MS_PER_DEGREE);
    const float alpha = 0.75f + 0.25f * static_cast<float>(std::fabs(Sin(degrees)));
    for (const Point& partner : MatchingTiles(board, cell)) {
        DrawCellFrame(board, partner, OUTLINE_STYLE, alpha);
    }
}
