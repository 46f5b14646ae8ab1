#include "tools/levels/tutorial_place.h"

#include <algorithm>

#include "board/game_grid.h"

namespace {

constexpr int SCREEN_WIDTH = 800;

bool Overlaps(const ScreenBox& a, const ScreenBox& b) {
    return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

}  // namespace

ScreenBox OccupiedScreenBox(const levelData& level) {
    GameGridPtr board = BoardFromLevel(level);
    int minX = LEVEL_COLUMNS, minY = LEVEL_ROWS, maxX = -1, maxY = -1;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            if (level.grid[x][y] != 0) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    }
    return {board->_cellStartX(minX), board->_cellStartY(minY), board->_cellEndX(maxX),
            board->_cellEndY(maxY)};
}

bool PlaceTutorial(const LevelBookSettings& s, int tutorial, levelData& level) {
    const ScreenBox tiles = OccupiedScreenBox(level);
    const ScreenBox guard{tiles.x0 - s.tutorialMargin, tiles.y0 - s.tutorialMargin,
                          tiles.x1 + s.tutorialMargin, tiles.y1 + s.tutorialMargin};
    const int w = s.tutorialWidth;
    const int h = s.tutorialHeight;
    // Centred beside the tiles, pushed back into the band where it can.
    const int middleY =
        std::max(s.tutorialTop, std::min((tiles.y0 + tiles.y1 - h) / 2, s.tutorialBottom - h));
    const int middleX = std::max(0, std::min((tiles.x0 + tiles.x1 - w) / 2, SCREEN_WIDTH - w));
    // Left of the tiles, right of them, above, below.
    const ScreenBox candidates[] = {
        {guard.x0 - w, middleY, guard.x0, middleY + h},
        {guard.x1, middleY, guard.x1 + w, middleY + h},
        {middleX, guard.y0 - h, middleX + w, guard.y0},
        {middleX, guard.y1, middleX + w, guard.y1 + h},
    };
    for (const ScreenBox& c : candidates) {
        const bool onScreen =
            c.x0 >= 0 && c.x1 <= SCREEN_WIDTH && c.y0 >= s.tutorialTop && c.y1 <= s.tutorialBottom;
        if (onScreen && !Overlaps(c, tiles)) {
            level.tutorial = tutorial;
            level.tutor_x = c.x0;
            level.tutor_y = c.y0;
            return true;
        }
    }
    return false;
}
