// Cutting a tile-set image into the board's images. A tile set is a grid of
// 32 x 48 cells, 21 columns by 6 rows: blocks, route pieces and bonus items in
// row 0, faces in rows 1 and 2, selected faces in rows 3 and 4, the picture
// pieces in row 5.
#include "app/assets.h"
#include "board/game_grid.h"
#include "platform/debug_log.h"

namespace {

constexpr int TILE_WIDTH = 32;
constexpr int TILE_HEIGHT = 48;
constexpr int SET_COLUMNS = 21;
constexpr int SET_ROWS = 6;
constexpr int RAISED_EDGE = 3;  // pixels of the three-dimensional edge
constexpr int FACE_ROW = 1;
constexpr int SELECTED_ROW = 3;
constexpr int PICTURE_ROW = 5;
constexpr int ROUTE_COLUMN = 2;
constexpr int BONUS_COLUMN = 8;

bool CoversCell(const TPixmap& pixmap, int column, int row) {
    return (column + 1) * TILE_WIDTH <= pixmap.width && (row + 1) * TILE_HEIGHT <= pixmap.height;
}

// Writes the opaque pixels of source at (dx, dy) of target.
void Stamp(TPixmap& target, const TPixmap& source, int dx, int dy) {
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            const uint32_t pixel = ReadPixel(source, x, y);
            if ((pixel & 0xFF000000u) != 0) {
                WritePixel(target, x + dx, y + dy, pixel);
            }
        }
    }
}

// One cell of the tile set as an image, or null when the pixmap does not
// cover that cell.
ImagePtr CutCell(const TPixmap& pixmap, int column, int row, int flags, int threeD) {
    if (!CoversCell(pixmap, column, row)) {
        return nullptr;
    }
    const int edge = threeD != 0 ? RAISED_EDGE : 0;
    ImagePtr image = CreateImage(TILE_WIDTH + edge, TILE_HEIGHT + edge, 1, flags);
    if (!image) {
        return nullptr;
    }
    PixmapPtr pixels = LockImage(image, 0, true, true);
    if (!pixels) {
        return nullptr;
    }
    ClearPixels(*pixels, 0);
    for (int y = 0; y < TILE_HEIGHT; ++y) {
        for (int x = 0; x < TILE_WIDTH; ++x) {
            WritePixel(*pixels, x, y,
                       ReadPixel(pixmap, column * TILE_WIDTH + x, row * TILE_HEIGHT + y));
        }
    }
    if (threeD != 0) {
        const PixmapPtr face = CopyPixmap(*pixels);
        ClearPixels(*pixels, 0);
        for (int offset = RAISED_EDGE; offset >= 0; --offset) {
            Stamp(*pixels, *face, offset, offset);
        }
    }
    UnlockImage(image, 0);
    if (threeD != 0) {
        SetImageHandle(image, static_cast<float>(RAISED_EDGE), static_cast<float>(RAISED_EDGE));
    }
    return image;
}

template <size_t N>
ImagePtr ImageAt(const std::array<ImagePtr, N>& images, int i) {
    return (i >= 0 && i < static_cast<int>(N)) ? images[i] : nullptr;
}

}  // namespace

ImagePtr gameGrid::normalImage(int i) const {
    return ImageAt(normalImages, i);
}

ImagePtr gameGrid::routeImage(int i) const {
    return ImageAt(routeImages, i);
}

ImagePtr gameGrid::PictureImage(int i) const {
    return ImageAt(pictureImages, i);
}

ImagePtr gameGrid::bonusImage(int i) const {
    return ImageAt(bonusImages, i);
}

int gameGrid::UnloadGraphics() {
    routeImages.fill(nullptr);
    tileImages.fill(nullptr);
    normalImages.fill(nullptr);
    selectedImages.fill(nullptr);
    pictureImages.fill(nullptr);
    bonusImages.fill(nullptr);
    return 0;
}

ImagePtr gameGrid::_makeTile(const TPixmap& pixmap, int column, int row, int threeD) const {
    return CutCell(pixmap, column, row, IMG_MASKED | IMG_FILTERED | IMG_DYNAMIC, threeD);
}

int gameGrid::loadTileSet(const std::string& path, int threeD) {
    const PixmapPtr pixmap = LoadAssetPixmap(path);
    if (!pixmap) {
        DebugLog("***Failed to load tile set " + path);
    }
    return loadTileSet(pixmap, threeD);
}

int gameGrid::loadTileSet(const PixmapPtr& pixmap, int threeD) {
    UnloadGraphics();
    if (!pixmap) {
        return 0;
    }
    if (pixmap->width < SET_COLUMNS * TILE_WIDTH || pixmap->height < SET_ROWS * TILE_HEIGHT) {
        DebugLog("***Tile set is " + std::to_string(pixmap->width) + " x " +
                 std::to_string(pixmap->height) + ", missing cells draw nothing");
    }
    for (int i = 0; i < static_cast<int>(tileImages.size()); ++i) {
        tileImages[i] = _makeTile(*pixmap, i, 0, 0);
    }
    for (int i = 0; i < SET_COLUMNS; ++i) {
        normalImages[i] = _makeTile(*pixmap, i, FACE_ROW, threeD);
        normalImages[i + SET_COLUMNS] = _makeTile(*pixmap, i, FACE_ROW + 1, threeD);
        selectedImages[i] = _makeTile(*pixmap, i, SELECTED_ROW, threeD);
        selectedImages[i + SET_COLUMNS] = _makeTile(*pixmap, i, SELECTED_ROW + 1, threeD);
    }
    for (int i = 0; i < static_cast<int>(routeImages.size()); ++i) {
        routeImages[i] = _makeTile(*pixmap, ROUTE_COLUMN + i, 0, 0);
    }
    const int plainFlags = IMG_MASKED | IMG_DYNAMIC;
    for (int b = 0; b < static_cast<int>(bonusImages.size()); ++b) {
        bonusImages[b] = CutCell(*pixmap, BONUS_COLUMN + b, 0, plainFlags, 0);
    }
    for (int p = 0; p < static_cast<int>(pictureImages.size()); ++p) {
        pictureImages[p] = CutCell(*pixmap, p, PICTURE_ROW, plainFlags, 0);
    }
    return 0;
}
