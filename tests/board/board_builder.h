#pragma once
// Boards for tests, drawn as text: '.' empty, '#' block (1), a letter is a
// tile (A = 3, B = 4, ...), '?' a damaged value (99).
#include <string>
#include <vector>

#include "board/game_grid.h"
#include "board/level_data.h"

inline int CellValueOf(char c) {
    if (c == '#') {
        return 1;
    }
    if (c == '?') {
        return 99;
    }
    if (c >= 'A' && c <= 'Z') {
        return 3 + (c - 'A');
    }
    if (c >= 'a' && c <= 'p') {
        return 29 + (c - 'a');  // a..p = 29..44, so e..h = 33..36, i..l = 37..40
    }
    return 0;
}

inline GameGridPtr BoardFromRows(const std::vector<std::string>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = height > 0 ? static_cast<int>(rows[0].size()) : 0;
    GameGridPtr board = gameGrid::Create(width, height, 32, 48, Point(0, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            board->data[x][y].iData = CellValueOf(rows[y][x]);
        }
    }
    return board;
}

inline GameGridPtr EmptyBoard(int width = 25, int height = 12) {
    return gameGrid::Create(width, height, 32, 48, Point(0, 0));
}

inline LevelDataPtr LevelFromRows(const std::vector<std::string>& rows) {
    auto level = std::make_shared<levelData>();
    for (int y = 0; y < static_cast<int>(rows.size()) && y < LEVEL_ROWS; ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()) && x < LEVEL_COLUMNS; ++x) {
            level->grid[x][y] = CellValueOf(rows[y][x]);
        }
    }
    return level;
}
