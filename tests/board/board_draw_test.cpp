// The board drawn into a real back buffer.
#include <gtest/gtest.h>

#include <cstdlib>

#include "board/game_grid.h"
#include "board/flying_bonus.h"
#include "board/game_route.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/test_seams.h"
#include "toolkit/sprite.h"
#include "tile_set_maker.h"
#include "support/input_driver.h"

namespace {

class BoardDrawTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OpenTestDisplay(); }

    void SetUp() override {
        ASSERT_TRUE(GraphicsOpen()) << "no OpenGL context";
        SetColor(255, 255, 255);
        SetAlpha(1.0f);
        SetBlend(BLEND_MASK);
        SetScale(1.0f, 1.0f);
        SetRotation(0.0f);
        SetClsColor(0, 0, 0);
        Cls();
        board = gameGrid::Create(25, 12, 32, 48, Point(100, 100));
        board->loadTileSet(MakeTileSet(), 0);
    }

    // The centre pixel of the face drawn at cell (x, y) shifted by (dx, dy).
    void ExpectFace(int x, int y, int column, int row, int dx = 0, int dy = 0) const {
        const uint32_t got = ScreenPixel(board->_cellCentreX(x) + dx, board->_cellCentreY(y) + dy);
        const uint32_t want = TileSetColour(column, row, 16) & 0xFFFFFFu;
        EXPECT_EQ(got >> 8, want >> 8) << "cell " << x << "," << y;
        EXPECT_NEAR(static_cast<int>(got & 0xFF), static_cast<int>(want & 0xFF), 8);
    }

    static void Save(const std::string& name) {
        if (std::getenv("TESS_SAVE_FRAMES") != nullptr) {
            SaveBackBufferPNG(std::string(TESS_BINARY_DIR) + "/" + name + ".png");
        }
    }

    GameGridPtr board;
};

TEST_F(BoardDrawTest, SceneDrawsTilesSelectionRouteAndLifts) {
    board->data[0][0].iData = 3;
    board->data[1][0].iData = 4;
    board->data[2][0].iData = 1;
    board->data[4][0].iData = 6;
    board->data[5][0].iData = 99;
    board->data[6][0].iData = -7;
    board->data[0][2].iData = 5;
    board->data[4][2].iData = 5;
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(0, 2), Point(4, 2), *route, 0);
    ASSERT_EQ(route->Length(), 5);
    route->fDrawingLength = 2.0f;  // cells up to index 2 revealed
    const Point first(1, 0);
    const Point hover(4, 0);
    board->DrawScene(route.get(), &first, nullptr, &hover);
    Save("board_scene");

    ExpectFace(0, 0, 0, 1);
    ExpectFace(1, 0, 1, 3, -1, -2);  // selected face, lifted
    ExpectFace(2, 0, 0, 0);          // block
    ExpectFace(4, 0, 3, 1, -1, -2);  // hovered face, lifted
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(5), board->_cellCentreY(0)), 0u);
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(6), board->_cellCentreY(0)), 0u);
    ExpectFace(1, 2, 3, 0);  // horizontal route piece
    ExpectFace(2, 2, 3, 0);
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(3), board->_cellCentreY(2)), 0u);  // not yet
    ExpectFace(0, 2, 2, 1);  // the tiles at the ends stay tiles
    ExpectFace(4, 2, 2, 1);
}

TEST_F(BoardDrawTest, PlainDrawAndRouteDrawing) {
    board->data[3][3].iData = 44;
    board->data[0][1].iData = 2;
    board->Draw();
    ExpectFace(3, 3, 20, 2);
    ExpectFace(0, 1, 1, 0);
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(5, 5));
    route->AddPoint(Point(5, 7));
    route->AddPoint(Point(7, 7));
    board->DrawRoute(route.get());
    Save("board_route");
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(5), board->_cellCentreY(5)), 0u);
    ExpectFace(5, 6, 2, 0);  // vertical piece
    ExpectFace(5, 7, 6, 0);  // corner joining top and right (piece 4)
    ExpectFace(6, 7, 3, 0);
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(7), board->_cellCentreY(7)), 0u);
}

TEST_F(BoardDrawTest, FadingRoutesAndFlyingBonusesDraw) {
    gameRoute::ClearFadingRoutes();
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(2, 4));
    route->AddPoint(Point(6, 4));
    gameRoute::AddFadingRoute(*route);
    gameRoute::DrawFadingRoutes(*board);
    ExpectFace(3, 4, 3, 0);
    gameRoute::UpdateFadingRoutes(10, 8.0f, board.get());  // (2, 4) goes, (3, 4) becomes the end
    Cls();
    gameRoute::DrawFadingRoutes(*board);
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(3), board->_cellCentreY(4)), 0u);
    ExpectFace(4, 4, 3, 0);
    gameRoute::ClearFadingRoutes();

    const FlyingBonusPtr bonus = flyingBonus::CreateFB("sb_undos", board->bonusImage(1), 500.0f,
                                                       400.0f, 60.0f, 100.0f, 20.0f, 15.0f);
    bonus->Draw();
    Save("board_fading_bonus");
    const uint32_t want = TileSetColour(9, 0, 16) & 0xFFFFFFu;
    EXPECT_EQ(ScreenPixel(500 + 16, 400 + 24) >> 8, want >> 8);
}

TEST_F(BoardDrawTest, MarkersOverCells) {
    board->data[2][2].iData = 10;
    UseManualClock(true, 900);  // 90 degrees: the flash is at its strongest
    board->HighlightCell(nullptr);
    const Point cell(2, 2);
    board->HighlightCell(&cell);
    UseManualClock(false);
    const uint32_t flash = ScreenPixel(board->_cellCentreX(2), board->_cellCentreY(2));
    EXPECT_NEAR(static_cast<int>(flash >> 16), 102, 3);
    EXPECT_EQ(GetBlend(), BLEND_ALPHA);
    EXPECT_EQ(GetAlpha(), 1.0f);
    SetBlend(BLEND_SOLID);
    board->DrawSelection(Point(5, 1));
    board->DrawSelection(Point(40, 1));  // off the board: nothing
    Save("board_markers");
    const uint32_t edge = ScreenPixel(5 * 32 + 100 - 3 + 10, 1 * 48 + 100 - 3);
    EXPECT_EQ(edge, 0xFF0000u);
}

MasterSpritePtr SquareSprite(const std::string& name, uint32_t argb) {
    const PixmapPtr pixels = CreatePixmap(10, 10, PF_BGRA8888);
    ClearPixels(*pixels, argb);
    const std::string path = std::string(TESS_BINARY_DIR) + "/" + name + ".png";
    SavePixmapPNG(*pixels, path);
    return _kwa_MasterSprite::CreateFromSingleBitmap(path);
}

TEST_F(BoardDrawTest, DropShadowsShrinkUnderLiftedTiles) {
    const MasterSpritePtr square = SquareSprite("test-square-shadow", 0xFFFF0000u);
    const MasterSpritePtr round = SquareSprite("test-round-shadow", 0xFF00FF00u);
    board->data[0][0].iData = 1;
    board->data[1][0].iData = 2;
    board->data[2][0].iData = 7;
    board->data[3][0].iData = 99;  // draws nothing, casts nothing
    board->tileHeight[2][0] = 1.0f;
    SetBlend(BLEND_ALPHA);
    board->DrawDropShadow(square.get(), round.get());
    Save("board_shadows");
    float sx = 0.0f;
    float sy = 0.0f;
    GetScale(sx, sy);
    EXPECT_EQ(sx, 1.0f);
    const auto at = [&](int x, int dx, int dy) {
        return ScreenPixel(board->_cellStartX(x) + dx, board->_cellStartY(0) + dy);
    };
    EXPECT_EQ(at(0, 6, 7), 0xFF0000u);
    EXPECT_EQ(at(0, 14, 15), 0xFF0000u);
    EXPECT_EQ(at(1, 6, 7), 0x00FF00u);
    EXPECT_EQ(at(2, 6, 7), 0x00FF00u);
    EXPECT_EQ(at(2, 14, 15), 0u);  // 5% smaller when lifted
    EXPECT_EQ(at(3, 6, 7), 0u);
}

TEST_F(BoardDrawTest, MissingTileSetDrawsNothing) {
    board->loadTileSet(PixmapPtr(), 1);
    board->data[0][0].iData = 3;
    board->data[1][0].iData = 1;
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(0, 2));
    route->AddPoint(Point(4, 2));
    route->fDrawingLength = 10.0f;
    const Point first(0, 0);
    board->DrawScene(route.get(), &first, &first, &first);
    board->Draw();
    board->DrawRoute(route.get());
    board->DrawDropShadow(nullptr, nullptr);
    EXPECT_EQ(ScreenPixel(board->_cellCentreX(0), board->_cellCentreY(0)), 0u);
}

TEST_F(BoardDrawTest, MouseOverFollowsTheMouse) {
    InjectMouseMove(100 + 40, 100 + 5);
    const PointPtr cell = board->MouseOver();
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->x, 1);
    EXPECT_EQ(cell->y, 0);
    InjectMouseMove(99, 300);
    EXPECT_FALSE(board->MouseOver());
}

}  // namespace
