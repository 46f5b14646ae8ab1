#include "board/game_grid.h"

#include <algorithm>

#include "board/cell_values.h"
#include "board/level_data.h"
#include "platform/debug_log.h"

namespace {

constexpr float LIFT_DECAY_PER_MS = 0.004f;

// The point the occupied rectangle is centred on.
constexpr float CENTRE_X = 400.0f;
constexpr float CENTRE_Y = 300.0f;
constexpr float OFFSET_X = 3.0f;
constexpr float OFFSET_Y = -12.0f;

int ClampSize(int size, const char* what) {
    if (size < 0 || size > GRID_CAPACITY) {
        DebugLog(std::string("***Board ") + what + " " + std::to_string(size) + " outside 0.." +
                 std::to_string(GRID_CAPACITY));
        return std::clamp(size, 0, GRID_CAPACITY);
    }
    return size;
}

float CentredStart(float centre, int cellSize, int minCell, int maxCell, float offset) {
    const float size = static_cast<float>(cellSize);
    return centre - size * static_cast<float>(maxCell - minCell) / 2.0f -
           size * static_cast<float>(minCell) - static_cast<float>(cellSize / 2) + offset;
}

}  // namespace

GameGridPtr gameGrid::Create(int width, int height, int cellWidth, int cellHeight,
                             const Point& start) {
    auto grid = std::make_shared<gameGrid>();
    grid->iWidth = ClampSize(width, "width");
    grid->iHeight = ClampSize(height, "height");
    grid->iCellWidth = cellWidth;
    grid->iCellHeight = cellHeight;
    start.CopyTo(grid->start);
    return grid;
}

int gameGrid::Restart(const levelData& level) {
    const int columns = std::min(iWidth, LEVEL_COLUMNS);
    const int rows = std::min(iHeight, LEVEL_ROWS);
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            data[x][y].iData = level.grid[x][y];
        }
    }
    return 0;
}

int gameGrid::setLevelData(const levelData& level) {
    Restart(level);
    int minX = 99;
    int minY = 99;
    int maxX = 0;
    int maxY = 0;
    for (int x = 0; x < GRID_CAPACITY; ++x) {
        for (int y = 0; y < GRID_CAPACITY; ++y) {
            tileHeight[x][y] = 0.0f;
            if (OnBoard(x, y) && Value(x, y) != CELL_EMPTY) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxX = std::max(maxX, x);
                maxY = std::max(maxY, y);
            }
        }
    }
    start.x = static_cast<int>(CentredStart(CENTRE_X, iCellWidth, minX, maxX, OFFSET_X));
    start.y = static_cast<int>(CentredStart(CENTRE_Y, iCellHeight, minY, maxY, OFFSET_Y));
    return 0;
}

int gameGrid::tileCount(int includeBlocks) const {
    int count = 0;
    for (int x = 0; x < iWidth; ++x) {
        for (int y = 0; y < iHeight; ++y) {
            const int value = Value(x, y);
            if (IsTileValue(value) || (includeBlocks != 0 && value != CELL_EMPTY)) {
                ++count;
            }
        }
    }
    return count;
}

int gameGrid::CellDataMatch(const Point* a, const Point* b) const {
    if (!a || !b) {
        return 0;
    }
    return CellValuesMatch(cellData(*a), cellData(*b)) ? 1 : 0;
}

int gameGrid::cellData(const Point& p) const {
    return OnBoard(p.x, p.y) ? Value(p.x, p.y) : CELL_EMPTY;
}

int gameGrid::SetCellData(const Point& p, int value) {
    if (OnBoard(p.x, p.y)) {
        data[p.x][p.y].iData = value;
    }
    return 0;
}

int gameGrid::removePair(const Point& a, const Point& b) {
    SetCellData(a, CELL_EMPTY);
    SetCellData(b, CELL_EMPTY);
    return 0;
}

int gameGrid::Update(int elapsedMs) {
    const float drop = static_cast<float>(elapsedMs) * LIFT_DECAY_PER_MS;
    for (auto& column : tileHeight) {
        for (float& lift : column) {
            if (lift > 0.0f) {
                lift = std::max(0.0f, lift - drop);
            }
        }
    }
    return 0;
}

PointPtr gameGrid::CellAt(int screenX, int screenY) const {
    if (screenX < start.x || screenY < start.y || iCellWidth <= 0 || iCellHeight <= 0) {
        return nullptr;
    }
    const int column = (screenX - start.x) / iCellWidth;
    const int row = (screenY - start.y) / iCellHeight;
    if (column >= iWidth || row >= iHeight) {
        return nullptr;
    }
    return Point::Create(column, row);
}

GameGridPtr BoardFromLevel(const levelData& level, const Point& start) {
    GameGridPtr board =
        gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, BOARD_CELL_WIDTH, BOARD_CELL_HEIGHT, start);
    board->setLevelData(level);
    return board;
}
