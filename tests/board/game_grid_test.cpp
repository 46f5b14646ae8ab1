#include <gtest/gtest.h>

#include "board/cell_values.h"
#include "board_builder.h"

namespace {

int Match(const gameGrid& board, int a, int b) {
    gameGrid& cells = const_cast<gameGrid&>(board);
    cells.data[0][0].iData = a;
    cells.data[1][0].iData = b;
    const Point first(0, 0);
    const Point second(1, 0);
    return board.CellDataMatch(&first, &second);
}

TEST(CellDataMatch, EqualValuesAndFamiliesMatch) {
    const GameGridPtr board = EmptyBoard(4, 1);
    EXPECT_EQ(Match(*board, 34, 36), 1);
    EXPECT_EQ(Match(*board, 37, 40), 1);
    EXPECT_EQ(Match(*board, 36, 37), 0);
    EXPECT_EQ(Match(*board, 32, 33), 0);
    EXPECT_EQ(Match(*board, 40, 41), 0);
    EXPECT_EQ(Match(*board, 3, 3), 1);
    EXPECT_EQ(Match(*board, 3, 4), 0);
    EXPECT_EQ(Match(*board, 0, 0), 1);  // equal values; callers pass tiles only
    const Point cell(0, 0);
    EXPECT_EQ(board->CellDataMatch(&cell, nullptr), 0);
    EXPECT_EQ(board->CellDataMatch(nullptr, &cell), 0);
}

TEST(CellDataMatch, DamagedValuesMatchNothing) {
    const GameGridPtr board = EmptyBoard(4, 1);
    EXPECT_EQ(Match(*board, 99, 99), 0);
    EXPECT_EQ(Match(*board, -7, -7), 0);
    EXPECT_EQ(Match(*board, 45, 45), 0);
    EXPECT_EQ(Match(*board, 44, 44), 1);
}

TEST(TileCount, BlocksAndDamagedValuesCountOnlyWithBlocks) {
    const GameGridPtr board = BoardFromRows({"A#.?", "B..#"});
    board->data[2][1].iData = -7;
    EXPECT_EQ(board->tileCount(0), 2);
    EXPECT_EQ(board->tileCount(1), 6);
}

TEST(SetLevelData, CentresTheOccupiedRectangle) {
    levelData level;
    level.grid[3][2] = 5;
    level.grid[20][8] = 1;
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(2, 2));
    board->tileHeight[4][4] = 0.5f;
    board->setLevelData(level);
    EXPECT_EQ(board->start.x, 19);
    EXPECT_EQ(board->start.y, 24);
    EXPECT_EQ(board->tileHeight[4][4], 0.0f);
    EXPECT_EQ(board->data[3][2].iData, 5);
    EXPECT_EQ(board->data[20][8].iData, 1);
}

TEST(SetLevelData, RestartKeepsStartAndLifts) {
    levelData level;
    level.grid[10][5] = 7;
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(2, 2));
    board->tileHeight[1][1] = 0.5f;
    board->Restart(level);
    EXPECT_EQ(board->start.x, 2);
    EXPECT_EQ(board->tileHeight[1][1], 0.5f);
    EXPECT_EQ(board->data[10][5].iData, 7);
}

TEST(BoardCreate, SizesBeyondCapacityAreCut) {
    const GameGridPtr board = gameGrid::Create(40, -3, 32, 48, Point(0, 0));
    EXPECT_EQ(board->iWidth, GRID_CAPACITY);
    EXPECT_EQ(board->iHeight, 0);
}

TEST(CellAt, EdgesOfTheBoard) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(19, 24));
    const PointPtr origin = board->CellAt(19, 24);
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->x, 0);
    EXPECT_EQ(origin->y, 0);
    EXPECT_FALSE(board->CellAt(18, 24));
    EXPECT_FALSE(board->CellAt(19, 23));
    const PointPtr last = board->CellAt(19 + 25 * 32 - 1, 24 + 12 * 48 - 1);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->x, 24);
    EXPECT_EQ(last->y, 11);
    EXPECT_FALSE(board->CellAt(19 + 25 * 32, 30));
    EXPECT_FALSE(board->CellAt(30, 24 + 12 * 48));
}

TEST(CellHelpers, StartCentreAndEnd) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(19, 24));
    EXPECT_EQ(board->_cellStartX(2), 83);
    EXPECT_EQ(board->_cellCentreX(2), 99);
    EXPECT_EQ(board->_cellEndX(2), 115);
    EXPECT_EQ(board->_cellStartY(1), 72);
    EXPECT_EQ(board->_cellCentreY(1), 96);
    EXPECT_EQ(board->_cellEndY(1), 120);
}

TEST(Lifts, HoverLiftSettlesIn250Ms) {
    const GameGridPtr board = BoardFromRows({"A..", "..A"});
    const Point hover(0, 0);
    board->DrawScene(nullptr, nullptr, nullptr, &hover);  // no images: draws nothing
    EXPECT_EQ(board->tileHeight[0][0], 1.0f);
    board->Update(100);
    EXPECT_NEAR(board->tileHeight[0][0], 0.6f, 1e-5f);
    board->Update(300);
    EXPECT_EQ(board->tileHeight[0][0], 0.0f);
    EXPECT_EQ(board->tileHeight[2][1], 0.0f);
}

TEST(CellOperations, RemoveAndWriteBackStayOnTheBoard) {
    const GameGridPtr board = BoardFromRows({"A.A"});
    board->removePair(Point(0, 0), Point(2, 0));
    EXPECT_EQ(board->tileCount(0), 0);
    board->SetCellData(Point(0, 0), 3);
    board->SetCellData(Point(-1, 0), 3);
    board->SetCellData(Point(0, 5), 3);
    EXPECT_EQ(board->cellData(Point(0, 0)), 3);
    EXPECT_EQ(board->cellData(Point(31, 31)), 0);
    EXPECT_EQ(board->tileCount(1), 1);
}

TEST(BoardImages, IndexesOutsideTheArraysGiveNull) {
    const GameGridPtr board = EmptyBoard();
    EXPECT_FALSE(board->bonusImage(-1));
    EXPECT_FALSE(board->bonusImage(5));
    EXPECT_FALSE(board->PictureImage(16));
    EXPECT_FALSE(board->normalImage(96));
    EXPECT_FALSE(board->routeImage(6));
}

}  // namespace
