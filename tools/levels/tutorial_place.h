#pragma once
// Where a level's tutorial picture goes: beside the tiles, never over them.
#include "board/level_data.h"
#include "tools/levels/level_book.h"

// Sets the level's tutorial, tutor_x and tutor_y; false when the picture
// fits nowhere beside the occupied cells.
bool PlaceTutorial(const LevelBookSettings& settings, int tutorial, levelData& level);

struct ScreenBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // x1, y1 exclusive
};

// The screen rectangle the level's occupied cells cover once the board has
// centred them.
ScreenBox OccupiedScreenBox(const levelData& level);
