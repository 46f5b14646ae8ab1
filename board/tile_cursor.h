#pragma once
// The keyboard's tile cursor and the partners of a tile: pure rules over the
// board's cells, no drawing.
#include <optional>
#include <vector>

#include "toolkit/point.h"

class gameGrid;

enum class CursorDirection { Left, Right, Up, Down };

// The tile the cursor reaches from `from` in a direction: among the tiles
// that way, the nearest by row (or column) first, then by distance, then the
// upper (or left) one. Empty cells and blocks are passed over; with no tile
// that way the cursor stays where it is.
Point MoveTileCursor(const gameGrid& board, const Point& from, CursorDirection direction);

// The first tile in reading order (top row first, then left to right), or
// nothing on a board without tiles.
std::optional<Point> FirstTile(const gameGrid& board);

// Every other tile on the board that matches the tile at cell by the game's
// matching rule (families included), in reading order; none when cell holds
// no tile.
std::vector<Point> MatchingTiles(const gameGrid& board, const Point& cell);
