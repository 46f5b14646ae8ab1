#pragma once
// Marks the game screen draws over board cells: the keyboard's tile cursor
// and the outline of a held tile's partners (marker frames of the toolkit).
class gameGrid;
class Point;

void DrawTileCursor(const gameGrid& board, const Point& cell);
// Outlines each partner cell; the frame pulses gently with the clock.
void DrawMatchOutline(const gameGrid& board, const Point& cell);
