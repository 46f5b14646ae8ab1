#pragma once
// The board: a rectangle of cells placed on the screen, the rule of the game
// (matching, route search, hints) over its cells, and the tile-set images it
// draws them with. Rules live in game_grid.cpp and game_grid_route.cpp and
// touch no drawing; images and drawing live in game_grid_tiles.cpp,
// game_grid_draw.cpp and game_grid_shadow.cpp.
#include <array>
#include <memory>
#include <string>

#include "platform/image.h"
#include "platform/pixmap.h"
#include "toolkit/point.h"

class __kwa_BaseSprite;
class gameRoute;
class levelData;
class gameGrid;
using GameGridPtr = std::shared_ptr<gameGrid>;

constexpr int GRID_CAPACITY = 32;

struct gameCell {
    int iData = 0;
};

class gameGrid {
public:
    int iWidth = 0;
    int iHeight = 0;
    int iCellWidth = 0;
    int iCellHeight = 0;
    Point start;
    gameCell data[GRID_CAPACITY][GRID_CAPACITY] = {};     // [column][row]
    float tileHeight[GRID_CAPACITY][GRID_CAPACITY] = {};  // lift, 0..1

    std::array<ImagePtr, 6> routeImages;
    std::array<ImagePtr, 2> tileImages;
    std::array<ImagePtr, 42> normalImages;
    std::array<ImagePtr, 42> selectedImages;
    std::array<ImagePtr, 16> pictureImages;
    std::array<ImagePtr, 5> bonusImages;

    // Sizes beyond the capacity are cut to 32 (with a debug line).
    static GameGridPtr Create(int width, int height, int cellWidth, int cellHeight,
                              const Point& start);

    // Null for an index outside the array.
    ImagePtr normalImage(int i) const;
    ImagePtr routeImage(int i) const;
    ImagePtr PictureImage(int i) const;
    ImagePtr bonusImage(int i) const;

    int UnloadGraphics();
    // A missing image leaves every image null; cells that the image does not
    // fully cover get null images. Null images draw nothing.
    int loadTileSet(const std::string& path, int threeD);
    int loadTileSet(const PixmapPtr& pixmap, int threeD);
    ImagePtr _makeTile(const TPixmap& pixmap, int column, int row, int threeD) const;

    // Rules.
    int setLevelData(const levelData& level);
    int tileCount(int includeBlocks) const;
    int CellDataMatch(const Point* a, const Point* b) const;
    int Restart(const levelData& level);
    bool OnBoard(int x, int y) const { return x >= 0 && y >= 0 && x < iWidth && y < iHeight; }
    // 0 for a cell off the board.
    int cellData(const Point& p) const;
    // Writes a value back (undo); ignored off the board.
    int SetCellData(const Point& p, int value);
    int removePair(const Point& a, const Point& b);
    int Update(int elapsedMs);
    // The cell at a screen position, or null.
    PointPtr CellAt(int screenX, int screenY) const;

    // Route search and hints.
    int _CheckHorizontalLine(const Point& a, const Point& b) const;
    int _CheckVerticalLine(const Point& a, const Point& b) const;
    int FindRoute(const Point& a, const Point& b, gameRoute& route, int firstOnly) const;
    // Whether FindRoute would find any route, without building it.
    bool CanJoin(const Point& a, const Point& b) const;
    int FindHintRoute(gameRoute& route, int next) const;
    int _FindHintMatch(const Point& p, gameRoute& route, const Point* from) const;

    // Drawing.
    int debugDraw() const;
    int Draw() const;
    // Null sprites draw nothing.
    int DrawDropShadow(const __kwa_BaseSprite* blockShadow,
                       const __kwa_BaseSprite* tileShadow) const;
    int DrawScene(const gameRoute* route, const Point* first, const Point* second,
                  const Point* hover);
    int HighlightCell(const Point* cell) const;
    int DrawSelection(const Point& cell) const;
    PointPtr MouseOver() const;
    int DrawRoute(const gameRoute* route) const;

    int _cellStartX(int column) const { return start.x + column * iCellWidth; }
    int _cellCentreX(int column) const { return _cellStartX(column) + iCellWidth / 2; }
    int _cellEndX(int column) const { return _cellStartX(column) + iCellWidth; }
    int _cellStartY(int row) const { return start.y + row * iCellHeight; }
    int _cellCentreY(int row) const { return _cellStartY(row) + iCellHeight / 2; }
    int _cellEndY(int row) const { return _cellStartY(row) + iCellHeight; }

private:
    int Value(int x, int y) const { return data[x][y].iData; }
    // Occupied cells in a row or column span, counting stops past limit.
    int _CountRow(int y, int x0, int x1, int limit) const;
    int _CountColumn(int x, int y0, int y1, int limit) const;
    template <class Visit>
    void _ScanCorners(const Point& a, const Point& b, Visit visit) const;
    bool _StraightJoin(const Point& a, const Point& b) const;
    bool _Enclosed(const Point& p) const;
};

// The game's cell size on the screen, in pixels, and the top-left cell's corner.
constexpr int BOARD_CELL_WIDTH = 32;
constexpr int BOARD_CELL_HEIGHT = 48;
constexpr int BOARD_LEFT = 2;
constexpr int BOARD_TOP = 2;

// A board of the level's size at the game's cell size, whose cells and tile
// heights come from level (setLevelData); start is the top-left cell's corner.
GameGridPtr BoardFromLevel(const levelData& level,
                           const Point& start = Point(BOARD_LEFT, BOARD_TOP));
