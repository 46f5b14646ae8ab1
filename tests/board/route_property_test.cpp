// FindRoute against a plain search: on random boards a route is found exactly
// when some path of at most three straight segments through empty cells
// inside the board joins the two tiles, and the route found is such a path.
#include <gtest/gtest.h>

#include <random>

#include "board/game_route.h"
#include "board_builder.h"

namespace {

bool Empty(const gameGrid& board, int x, int y) {
    return board.data[x][y].iData == 0;
}

// Every straight run from (x, y) in direction d over empty cells, trying to
// reach the target with the segments left.
bool Reaches(const gameGrid& board, int x, int y, int tx, int ty, int segmentsLeft) {
    static constexpr int DX[] = {1, -1, 0, 0};
    static constexpr int DY[] = {0, 0, 1, -1};
    if (segmentsLeft == 0) {
        return false;
    }
    for (int d = 0; d < 4; ++d) {
        for (int step = 1;; ++step) {
            const int nx = x + DX[d] * step;
            const int ny = y + DY[d] * step;
            if (!board.OnBoard(nx, ny)) {
                break;
            }
            if (nx == tx && ny == ty) {
                return true;
            }
            if (!Empty(board, nx, ny)) {
                break;
            }
            if (Reaches(board, nx, ny, tx, ty, segmentsLeft - 1)) {
                return true;
            }
        }
    }
    return false;
}

// The route is a chain of neighbouring cells from a to b, inside the board,
// over empty cells only, with at most two changes of direction.
void ExpectValidRoute(const gameGrid& board, const gameRoute& route, const Point& a,
                      const Point& b) {
    ASSERT_GE(route.Length(), 2);
    EXPECT_TRUE(route.First()->Equals(a));
    EXPECT_TRUE(route.Last()->Equals(b));
    int changes = 0;
    int previousDx = 0;
    int previousDy = 0;
    for (int i = 1; i < route.Length(); ++i) {
        const routePoint& from = *route.pointList[i - 1];
        const routePoint& to = *route.pointList[i];
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        ASSERT_EQ(std::abs(dx) + std::abs(dy), 1);
        ASSERT_TRUE(board.OnBoard(to.x, to.y));
        if (i < route.Length() - 1) {
            EXPECT_TRUE(Empty(board, to.x, to.y));
        }
        if (i > 1 && (dx != previousDx || dy != previousDy)) {
            ++changes;
        }
        previousDx = dx;
        previousDy = dy;
    }
    EXPECT_LE(changes, 2);
    EXPECT_EQ(route.Turns(), changes + 1);
}

GameGridPtr RandomBoard(std::mt19937& random, int width, int height, int fillPercent) {
    GameGridPtr board = EmptyBoard(width, height);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            board->data[x][y].iData = percent(random) < fillPercent ? 3 : 0;
        }
    }
    return board;
}

void CheckRandomBoards(int width, int height, int boards, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> fill(10, 70);
    std::uniform_int_distribution<int> column(0, width - 1);
    std::uniform_int_distribution<int> row(0, height - 1);
    const GameRoutePtr route = gameRoute::Create();
    int joined = 0;
    int apart = 0;
    for (int n = 0; n < boards; ++n) {
        const GameGridPtr board = RandomBoard(random, width, height, fill(random));
        for (int pair = 0; pair < 20; ++pair) {
            const Point a(column(random), row(random));
            const Point b(column(random), row(random));
            if (a.Equals(b)) {
                continue;
            }
            board->data[a.x][a.y].iData = 3;
            board->data[b.x][b.y].iData = 3;
            const bool expected = Reaches(*board, a.x, a.y, b.x, b.y, 3);
            board->FindRoute(a, b, *route, pair % 2);
            ASSERT_EQ(route->IsEmpty() == 0, expected)
                << "board " << n << " from (" << a.x << "," << a.y << ") to (" << b.x << "," << b.y
                << ")";
            ASSERT_EQ(board->CanJoin(a, b), expected);
            if (expected) {
                ExpectValidRoute(*board, *route, a, b);
                ++joined;
            } else {
                ++apart;
            }
        }
    }
    // Both outcomes must have been exercised for the check to mean anything.
    EXPECT_GT(joined, boards);
    EXPECT_GT(apart, boards);
}

TEST(FindRouteProperty, MatchesPlainSearchOnSmallBoards) {
    CheckRandomBoards(7, 5, 400, 11);
}

TEST(FindRouteProperty, MatchesPlainSearchOnGameSizedBoards) {
    CheckRandomBoards(25, 12, 300, 12);
}

}  // namespace
