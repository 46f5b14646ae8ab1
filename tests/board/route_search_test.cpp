#include <gtest/gtest.h>

#include "board/game_route.h"
#include "board_builder.h"

namespace {

std::vector<std::pair<int, int>> Cells(const gameRoute& route) {
    std::vector<std::pair<int, int>> cells;
    for (const RoutePointPtr& point : route.pointList) {
        cells.emplace_back(point->x, point->y);
    }
    return cells;
}

void Put(gameGrid& board, int x, int y, int value) {
    board.data[x][y].iData = value;
}

TEST(LineChecks, CountOccupiedCellsBetweenBothEnds) {
    const GameGridPtr board = BoardFromRows({"A.#.A", ".....", "#...."});
    EXPECT_EQ(board->_CheckHorizontalLine(Point(4, 0), Point(0, 9)), 3);
    EXPECT_EQ(board->_CheckHorizontalLine(Point(1, 0), Point(3, 0)), 1);
    EXPECT_EQ(board->_CheckVerticalLine(Point(0, 2), Point(7, 0)), 2);
    EXPECT_EQ(board->_CheckVerticalLine(Point(1, 0), Point(1, 2)), 0);
}

TEST(FindRoute, AdjacentTilesJoinStraight) {
    const GameGridPtr board = BoardFromRows({".....", ".AA..", ".B...", ".B..."});
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(2, 1), Point(1, 1), *route, 0);
    EXPECT_EQ(Cells(*route), (std::vector<std::pair<int, int>>{{2, 1}, {1, 1}}));
    board->FindRoute(Point(1, 2), Point(1, 3), *route, 0);
    EXPECT_EQ(Cells(*route), (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}}));
}

TEST(FindRoute, ObstacleInRowGivesUShapeThroughRowAbove) {
    const GameGridPtr board = EmptyBoard();
    Put(*board, 5, 5, 10);
    Put(*board, 9, 5, 10);
    Put(*board, 7, 5, 1);
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(5, 5), Point(9, 5), *route, 0);
    EXPECT_EQ(Cells(*route), (std::vector<std::pair<int, int>>{
                                 {5, 5}, {5, 4}, {6, 4}, {7, 4}, {8, 4}, {9, 4}, {9, 5}}));
    EXPECT_EQ(route->Turns(), 3);
}

TEST(FindRoute, OneTurnRouteFoundAtTheFirstTilesColumnWins) {
    const GameGridPtr board = EmptyBoard();
    Put(*board, 2, 2, 10);
    Put(*board, 6, 6, 10);
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(2, 2), Point(6, 6), *route, 0);
    ASSERT_EQ(route->Length(), 9);
    EXPECT_EQ(route->pointList[4]->x, 2);
    EXPECT_EQ(route->pointList[4]->y, 6);
    EXPECT_EQ(route->Turns(), 2);
}

TEST(FindRoute, FewerTurnsReplaceAnEquallyShortEarlierRoute) {
    // From (6, 6) the two-turn route at column 3 comes first; the one-turn
    // route with its corner at (6, 2), found at column 6, replaces it.
    const GameGridPtr board = EmptyBoard();
    Put(*board, 2, 2, 10);
    Put(*board, 6, 6, 10);
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(6, 6), Point(2, 2), *route, 0);
    ASSERT_EQ(route->Length(), 9);
    EXPECT_EQ(route->pointList[4]->x, 6);
    EXPECT_EQ(route->pointList[4]->y, 2);
}

TEST(FindRoute, FirstOnlyKeepsTheFirstValidCandidate) {
    const GameGridPtr board = EmptyBoard();
    Put(*board, 5, 5, 10);
    Put(*board, 9, 5, 10);
    Put(*board, 7, 5, 1);
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(5, 5), Point(9, 5), *route, 1);
    EXPECT_EQ(route->Length(), 15);  // through row 0, the first row scanned
    for (int i = 1; i < route->Length() - 1; ++i) {
        EXPECT_LE(route->pointList[i]->y, 5);
    }
    EXPECT_EQ(route->pointList[5]->y, 0);
}

TEST(FindRoute, RoutesRunAlongTheEdgesButNeverOutside) {
    // Row 0 with a block between the tiles: only row 1 helps.
    const GameGridPtr top = BoardFromRows({"..A.#.A..", ".........", "........."});
    const GameRoutePtr route = gameRoute::Create();
    top->FindRoute(Point(2, 0), Point(6, 0), *route, 0);
    ASSERT_EQ(route->Length(), 7);
    EXPECT_EQ(route->pointList[3]->y, 1);

    // With row 1 closed under them the tiles would need row -1.
    const GameGridPtr closed = BoardFromRows({"..A.#.A..", "..#####..", "........."});
    closed->FindRoute(Point(2, 0), Point(6, 0), *route, 0);
    EXPECT_EQ(route->IsEmpty(), 1);

    // Down the last column and along the last row.
    const GameGridPtr walled = BoardFromRows({"...#A", "....#", ".....", "...#A"});
    walled->FindRoute(Point(4, 0), Point(4, 3), *route, 0);
    EXPECT_EQ(route->IsEmpty(), 1);  // would need column 5
    const GameGridPtr open = BoardFromRows({"...#A", "...#.", "..#..", "A...."});
    open->FindRoute(Point(4, 0), Point(0, 3), *route, 0);
    ASSERT_EQ(route->Length(), 8);
    EXPECT_EQ(route->pointList[3]->x, 4);
    EXPECT_EQ(route->pointList[3]->y, 3);
}

TEST(FindRoute, EnclosedTileJoinsOnlyItsNeighbours) {
    const GameGridPtr board =
        BoardFromRows({"......", "..A...", ".#AB..", "..#...", "......", "....A."});
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(Point(2, 2), Point(4, 5), *route, 0);
    EXPECT_EQ(route->IsEmpty(), 1);
    board->FindRoute(Point(2, 2), Point(2, 1), *route, 0);
    EXPECT_EQ(route->Length(), 2);
}

TEST(FindRoute, BadArgumentsGiveNoRoute) {
    const GameGridPtr board = BoardFromRows({"A..A"});
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(0, 0));
    board->FindRoute(Point(0, 0), Point(0, 0), *route, 0);
    EXPECT_EQ(route->IsEmpty(), 1);
    board->FindRoute(Point(0, 0), Point(7, 0), *route, 0);
    EXPECT_EQ(route->IsEmpty(), 1);
}

TEST(FindRoute, CanJoinAgreesWithFindRoute) {
    const GameGridPtr board = BoardFromRows({"A.#.A", "..#..", "B.#.B"});
    const GameRoutePtr route = gameRoute::Create();
    for (const auto& [a, b] : {std::pair{Point(0, 0), Point(4, 0)}, {Point(0, 2), Point(4, 2)}}) {
        board->FindRoute(a, b, *route, 0);
        EXPECT_EQ(board->CanJoin(a, b), route->IsEmpty() == 0);
    }
    EXPECT_TRUE(board->CanJoin(Point(0, 0), Point(0, 2)));
}

}  // namespace
