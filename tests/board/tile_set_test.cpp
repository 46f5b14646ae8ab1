#include <gtest/gtest.h>

#include "board/game_grid.h"
#include "platform/debug_log.h"
#include "tile_set_maker.h"

namespace {

uint32_t PixelOf(const ImagePtr& image, int x, int y) {
    return ReadPixel(*LockImage(image, 0, true, false), x, y);
}

TEST(TileSetCut, EveryArrayComesFromItsCells) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
    board->loadTileSet(MakeTileSet(), 0);
    EXPECT_EQ(PixelOf(board->tileImages[1], 5, 5), TileSetColour(1, 0, 5));
    EXPECT_EQ(PixelOf(board->routeImages[0], 5, 5), TileSetColour(2, 0, 5));
    EXPECT_EQ(PixelOf(board->routeImages[5], 5, 5), TileSetColour(7, 0, 5));
    EXPECT_EQ(PixelOf(board->bonusImages[0], 5, 5), TileSetColour(8, 0, 5));
    EXPECT_EQ(PixelOf(board->bonusImages[4], 5, 5), TileSetColour(12, 0, 5));
    EXPECT_EQ(PixelOf(board->normalImages[0], 5, 5), TileSetColour(0, 1, 5));
    EXPECT_EQ(PixelOf(board->normalImages[20], 5, 5), TileSetColour(20, 1, 5));
    EXPECT_EQ(PixelOf(board->normalImages[21], 5, 5), TileSetColour(0, 2, 5));
    EXPECT_EQ(PixelOf(board->selectedImages[3], 5, 5), TileSetColour(3, 3, 5));
    EXPECT_EQ(PixelOf(board->selectedImages[41], 5, 5), TileSetColour(20, 4, 5));
    EXPECT_EQ(PixelOf(board->pictureImages[15], 5, 5), TileSetColour(15, 5, 5));
    EXPECT_EQ(PixelOf(board->normalImages[0], 0, 0), 0u);  // transparent margin kept
    EXPECT_EQ(board->normalImages[0]->width, 32);
    EXPECT_EQ(board->normalImages[0]->flags, IMG_MASKED | IMG_FILTERED | IMG_DYNAMIC);
    EXPECT_EQ(board->bonusImages[0]->flags, IMG_MASKED | IMG_DYNAMIC);
    EXPECT_EQ(board->pictureImages[0]->flags, IMG_MASKED | IMG_DYNAMIC);
}

TEST(TileSetCut, ThreeDimensionalFacesSitOnAThreePixelEdge) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
    board->loadTileSet(MakeTileSet(), 1);
    const ImagePtr face = board->normalImages[4];
    ASSERT_TRUE(face);
    EXPECT_EQ(face->width, 35);
    EXPECT_EQ(face->height, 51);
    EXPECT_EQ(face->handle_x, 3.0f);
    EXPECT_EQ(face->handle_y, 3.0f);
    EXPECT_EQ(PixelOf(face, 2, 2), TileSetColour(4, 1, 2));     // top stamp
    EXPECT_EQ(PixelOf(face, 29, 45), TileSetColour(4, 1, 29));  // top stamp's last pixel
    EXPECT_EQ(PixelOf(face, 32, 48), TileSetColour(4, 1, 29));  // bottom stamp only
    EXPECT_EQ(PixelOf(face, 31, 47), TileSetColour(4, 1, 29));  // the one above it
    EXPECT_EQ(PixelOf(face, 33, 49), 0u);
    EXPECT_EQ(PixelOf(face, 1, 1), 0u);
    // Blocks and route pieces stay flat.
    EXPECT_EQ(board->tileImages[0]->width, 32);
    EXPECT_EQ(board->routeImages[2]->width, 32);
    EXPECT_EQ(board->routeImages[2]->handle_x, 0.0f);
}

TEST(TileSetCut, MissingImageLeavesNoImages) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
    board->loadTileSet(MakeTileSet(), 0);
    DebugLogCapture log;
    board->loadTileSet("data/game/images/no-such-tileset.png", 1);
    EXPECT_TRUE(log.Contains("***Failed to load tile set data/game/images/no-such-tileset.png"));
    for (const ImagePtr& image : board->normalImages) {
        EXPECT_FALSE(image);
    }
    EXPECT_FALSE(board->tileImages[0]);
    EXPECT_FALSE(board->bonusImage(0));
}

TEST(TileSetCut, SmallImageGivesImagesOnlyForTheCellsItHolds) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
    DebugLogCapture log;
    board->loadTileSet(MakeTileSet(100, 100), 0);
    EXPECT_TRUE(log.Contains("***Tile set is 100 x 100"));
    EXPECT_TRUE(board->tileImages[1]);
    EXPECT_TRUE(board->routeImages[0]);   // column 2 of row 0
    EXPECT_FALSE(board->routeImages[1]);  // column 3 lies outside
    EXPECT_TRUE(board->normalImages[2]);
    EXPECT_FALSE(board->normalImages[3]);
    EXPECT_FALSE(board->normalImages[21]);  // row 2 lies outside
    EXPECT_FALSE(board->selectedImages[0]);
    EXPECT_FALSE(board->pictureImages[0]);
    EXPECT_FALSE(board->bonusImages[0]);
}

TEST(TileSetCut, UnloadGraphicsReleasesEverything) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
    board->loadTileSet(MakeTileSet(), 0);
    board->UnloadGraphics();
    EXPECT_FALSE(board->routeImages[0]);
    EXPECT_FALSE(board->selectedImages[41]);
    EXPECT_FALSE(board->pictureImages[15]);
}

}  // namespace
