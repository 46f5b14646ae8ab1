#include "board/tile_cursor.h"

#include <cstdlib>
#include <tuple>

#include "board/cell_values.h"
#include "board/game_grid.h"

namespace {

// How far a cell lies from `from` in a direction: across the direction and
// along it; along is 0 or less for a cell that does not lie that way.
struct Offset {
    int across = 0;
    int along = 0;
    int tieBreak = 0;
};

Offset OffsetTo(const Point& from, int x, int y, CursorDirection direction) {
    switch (direction) {
        case CursorDirection::Left:
            return {std::abs(y - from.y), from.x - x, y};
        case CursorDirection::Right:
            return {std::abs(y - from.y), x - from.x, y};
        case CursorDirection::Up:
            return {std::abs(x - from.x), from.y - y, x};
        case CursorDirection::Down:
            return {std::abs(x - from.x), y - from.y, x};
    }
    return {};
}

bool IsTileAt(const gameGrid& board, int x, int y) {
    return IsTileValue(board.cellData(Point(x, y)));
}

}  // namespace

Point MoveTileCursor(const gameGrid& board, const Point& from, CursorDirection direction) {
    Point best = from;
    bool found = false;
    Offset bestOffset;
    for (int x = 0; x < board.iWidth; ++x) {
        for (int y = 0; y < board.iHeight; ++y) {
            if (!IsTileAt(board, x, y)) {
                continue;
            }
            const Offset offset = OffsetTo(from, x, y, direction);
            if (offset.along <= 0) {
                continue;
            }
            if (!found || std::tie(offset.across, offset.along, offset.tieBreak) <
                              std::tie(bestOffset.across, bestOffset.along, bestOffset.tieBreak)) {
                best = Point(x, y);
                bestOffset = offset;
                found = true;
            }
        }
    }
    return best;
}

std::optional<Point> FirstTile(const gameGrid& board) {
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            if (IsTileAt(board, x, y)) {
                return Point(x, y);
            }
        }
    }
    return std::nullopt;
}

std::vector<Point> MatchingTiles(const gameGrid& board, const Point& cell) {
    std::vector<Point> partners;
    if (!IsTileValue(board.cellData(cell))) {
        return partners;
    }
    for (int y = 0; y < board.iHeight; ++y) {
        for (int x = 0; x < board.iWidth; ++x) {
            const Point other(x, y);
            if ((x != cell.x || y != cell.y) && IsTileAt(board, x, y) &&
                board.CellDataMatch(&cell, &other) != 0) {
                partners.push_back(other);
            }
        }
    }
    return partners;
}
