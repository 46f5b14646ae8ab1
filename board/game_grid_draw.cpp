// Drawing the board: cells, the scene with lifts, selection and route, and
// the markers the game screen puts over cells.
#include <cmath>

#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/numbers.h"

namespace {

enum class CellKind { Nothing, Block, Normal, Selected, Hover, HoverSelected, Route };

struct DrawCode {
    CellKind kind = CellKind::Nothing;
    int number = 0;
};

constexpr float HIGHLIGHT_ALPHA = 0.4f;
constexpr int HIGHLIGHT_CLOCK_DIVISOR = 10;  // ms per degree of the flash
constexpr int MARKER_INSET = 3;
constexpr float SELECTION_LINE_WIDTH = 3.0f;

bool Same(const Point* p, int x, int y) {
    return p && p->x == x && p->y == y;
}

CellKind TileKind(int x, int y, const Point* first, const Point* second, const Point* hover) {
    CellKind kind = CellKind::Normal;
    if (Same(first, x, y) || Same(second, x, y)) {
        kind = CellKind::Selected;
    }
    if (Same(hover, x, y)) {
        kind = kind == CellKind::Selected ? CellKind::HoverSelected : CellKind::Hover;
    }
    return kind;
}

}  // namespace

int gameGrid::debugDraw() const {
    SetColor(40, 40, 0);
    for (int x = 0; x < iWidth; ++x) {
        for (int y = 0; y < iHeight; ++y) {
            if (Value(x, y) == CELL_EMPTY) {
                DrawRect(static_cast<float>(_cellStartX(x)), static_cast<float>(_cellStartY(y)),
                         static_cast<float>(iCellWidth - 1), static_cast<float>(iCellHeight - 1));
            }
        }
    }
    return 0;
}

int gameGrid::Draw() const {
    SetBlend(BLEND_MASK);
    for (int x = 0; x < iWidth; ++x) {
        for (int y = 0; y < iHeight; ++y) {
            const int value = Value(x, y);
            const float s = static_cast<float>(_cellStartX(x));
            const float t = static_cast<float>(_cellStartY(y));
            if (IsBlockValue(value)) {
                DrawImage(tileImages[value - FIRST_BLOCK_VALUE], s, t);
            } else if (IsTileValue(value)) {
                DrawImage(normalImages[value - FIRST_TILE_VALUE], s, t);
            }
        }
    }
    return 0;
}

int gameGrid::DrawScene(const gameRoute* route, const Point* first, const Point* second,
                        const Point* hover) {
    for (const Point* lifted : {hover, first, second}) {
        if (lifted && OnBoard(lifted->x, lifted->y)) {
            tileHeight[lifted->x][lifted->y] = 1.0f;
        }
    }
    DrawCode codes[GRID_CAPACITY][GRID_CAPACITY];
    for (int x = 0; x < iWidth; ++x) {
        for (int y = 0; y < iHeight; ++y) {
            const int value = Value(x, y);
            if (IsBlockValue(value)) {
                codes[x][y] = {CellKind::Block, value};
            } else if (IsTileValue(value)) {
                codes[x][y] = {TileKind(x, y, first, second, hover), value};
            }
        }
    }
    if (route) {
        const int length = route->Length();
        const int revealed = route->DrawingCount();
        for (int i = 0; i < length; ++i) {
            const routePoint& point = *route->pointList[i];
            if (i > 0 && i < length - 1 && point.iID >= 0 && point.iID < PIECE_COUNT &&
                OnBoard(point.x, point.y)) {
                codes[point.x][point.y] = {CellKind::Route, point.iID};
            }
            if (i == revealed) {
                break;
            }
        }
    }
    for (int x = 0; x < iWidth; ++x) {
        for (int y = 0; y < iHeight; ++y) {
            const DrawCode& code = codes[x][y];
            const float s = static_cast<float>(_cellStartX(x));
            const float t = static_cast<float>(_cellStartY(y));
            const float h = tileHeight[x][y];
            switch (code.kind) {
                case CellKind::Block:
                    DrawImage(tileImages[code.number - FIRST_BLOCK_VALUE], s, t);
                    break;
                case CellKind::Normal:
                case CellKind::Hover:
                    DrawImage(normalImages[code.number - FIRST_TILE_VALUE], s - h, t - 2.0f * h);
                    break;
                case CellKind::Selected:
                case CellKind::HoverSelected:
                    DrawImage(selectedImages[code.number - FIRST_TILE_VALUE], s - h, t - 2.0f * h);
                    break;
                case CellKind::Route:
                    DrawImage(routeImages[code.number], s, t);
                    break;
                case CellKind::Nothing:
                    break;
            }
        }
    }
    return 0;
}

int gameGrid::HighlightCell(const Point* cell) const {
    if (!cell || cellData(*cell) < FIRST_TILE_VALUE) {
        return 0;
    }
    const double degrees = static_cast<double>(MilliSecs() / HIGHLIGHT_CLOCK_DIVISOR);
    SetColor(255, 0, 0);
    SetAlpha(static_cast<float>(std::fabs(Sin(degrees))) * HIGHLIGHT_ALPHA);
    SetBlend(BLEND_ALPHA);
    DrawRect(static_cast<float>(_cellStartX(cell->x) - MARKER_INSET),
             static_cast<float>(_cellStartY(cell->y) - MARKER_INSET),
             static_cast<float>(iCellWidth), static_cast<float>(iCellHeight));
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    return 0;
}

int gameGrid::DrawSelection(const Point& cell) const {
    if (!OnBoard(cell.x, cell.y)) {
        return 0;
    }
    SetLineWidth(SELECTION_LINE_WIDTH);
    SetColor(255, 0, 0);
    const float x0 = static_cast<float>(cell.x * iCellWidth + start.x - MARKER_INSET);
    const float y0 = static_cast<float>(cell.y * iCellHeight + start.y - MARKER_INSET);
    const float x1 = x0 + static_cast<float>(iCellWidth);
    const float y1 = y0 + static_cast<float>(iCellHeight);
    DrawLine(x0, y0, x1, y0);
    DrawLine(x1, y0, x1, y1);
    DrawLine(x1, y1, x0, y1);
    DrawLine(x0, y0, x0, y1);
    return 0;
}

PointPtr gameGrid::MouseOver() const {
    return CellAt(MouseX(), MouseY());
}

int gameGrid::DrawRoute(const gameRoute* route) const {
    if (!route) {
        return 0;
    }
    const int length = route->Length();
    for (int i = 1; i < length - 1; ++i) {
        const routePoint& point = *route->pointList[i];
        if (point.iID >= 0 && point.iID < PIECE_COUNT) {
            DrawImage(routeImages[point.iID], static_cast<float>(_cellStartX(point.x)),
                      static_cast<float>(_cellStartY(point.y)));
        }
    }
    return 0;
}
