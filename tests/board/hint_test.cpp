#include <gtest/gtest.h>

#include <random>

#include "board/game_route.h"
#include "board_builder.h"

namespace {

using Pair = std::pair<std::pair<int, int>, std::pair<int, int>>;

Pair Ends(const gameRoute& route) {
    return {{route.First()->x, route.First()->y}, {route.Last()->x, route.Last()->y}};
}

TEST(Hints, RunThroughJoinablePairsInReadingOrderAndWrapAround) {
    const GameGridPtr board = BoardFromRows({
        ".C.C....C.",
        "..........",
        "..........",
        "..........",
        "..E...E...",
        "..........",
    });
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    EXPECT_EQ(Ends(*route), (Pair{{1, 0}, {3, 0}}));
    const std::vector<Pair> expected = {
        {{1, 0}, {8, 0}}, {{3, 0}, {8, 0}}, {{2, 4}, {6, 4}}, {{1, 0}, {3, 0}}, {{1, 0}, {8, 0}}};
    for (const Pair& pair : expected) {
        board->FindHintRoute(*route, 1);
        ASSERT_FALSE(route->IsEmpty());
        EXPECT_EQ(Ends(*route), pair);
    }
}

TEST(Hints, HintRouteIsTheFirstRouteFound) {
    const GameGridPtr board = BoardFromRows({
        "..........",
        "..........",
        "..C.#.C...",
        "..........",
    });
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    ASSERT_EQ(route->Length(), 9);  // through row 0, not the shorter row 1
    EXPECT_EQ(route->pointList[3]->y, 0);
}

TEST(Hints, SinglePairIsItsOwnNextHint) {
    const GameGridPtr board = BoardFromRows({"C.C", "###", "D#D"});
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    ASSERT_FALSE(route->IsEmpty());
    board->FindHintRoute(*route, 1);
    EXPECT_EQ(Ends(*route), (Pair{{0, 0}, {2, 0}}));
}

TEST(Hints, NoJoinablePairLeavesTheRouteEmpty) {
    const GameGridPtr board = BoardFromRows({"C#C", "###", "D#D", "?#?"});
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    EXPECT_TRUE(route->IsEmpty());
    route->AddPoint(Point(0, 0));
    route->AddPoint(Point(0, 1));
    board->FindHintRoute(*route, 1);
    EXPECT_TRUE(route->IsEmpty());
    board->FindHintRoute(*route, 1);  // asked with no hint shown
    EXPECT_TRUE(route->IsEmpty());
}

TEST(Hints, FamiliesCountAsPartners) {
    const GameGridPtr board = BoardFromRows({"e#.", "##.", "..h"});
    // 33 at (0,0) is walled in; 36 at (2,2) has no other partner.
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    EXPECT_TRUE(route->IsEmpty());
    board->data[1][0].iData = 0;
    board->FindHintRoute(*route, 0);
    ASSERT_FALSE(route->IsEmpty());
    EXPECT_EQ(Ends(*route), (Pair{{0, 0}, {2, 2}}));
}

TEST(HintMatch, SearchesPartnersFromTheGivenCell) {
    const GameGridPtr board = BoardFromRows({"C.C.C", "....."});
    const GameRoutePtr route = gameRoute::Create();
    const Point p(0, 0);
    const Point from(3, 0);
    EXPECT_EQ(board->_FindHintMatch(p, *route, &from), 1);
    EXPECT_EQ(route->Last()->x, 4);
    EXPECT_EQ(board->_FindHintMatch(Point(4, 0), *route, nullptr), 0);
    EXPECT_TRUE(route->IsEmpty());
}

}  // namespace

namespace {

// On random boards the hints walk the joinable pairs (p, q), p before q, in
// reading order of p and then of q, wrapping round; each with the first
// route found.
TEST(HintsProperty, WalkAllJoinablePairsInOrder) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> percent(0, 99);
    const int values[] = {3, 4, 5, 33, 35, 37, 40};
    std::uniform_int_distribution<int> value(0, 6);
    const GameRoutePtr route = gameRoute::Create();
    const GameRoutePtr expected = gameRoute::Create();
    for (int n = 0; n < 150; ++n) {
        const GameGridPtr board = EmptyBoard(9, 6);
        const int fill = 30 + percent(random) % 60;
        for (int x = 0; x < 9; ++x) {
            for (int y = 0; y < 6; ++y) {
                board->data[x][y].iData = percent(random) < fill ? values[value(random)] : 0;
            }
        }
        std::vector<std::pair<Point, Point>> pairs;
        for (int i = 0; i < 54; ++i) {
            for (int j = i + 1; j < 54; ++j) {
                const Point p(i % 9, i / 9);
                const Point q(j % 9, j / 9);
                if (board->cellData(p) >= 3 && board->CellDataMatch(&p, &q) == 1 &&
                    board->CanJoin(p, q)) {
                    pairs.emplace_back(p, q);
                }
            }
        }
        board->FindHintRoute(*route, 0);
        if (pairs.empty()) {
            EXPECT_TRUE(route->IsEmpty());
            continue;
        }
        for (size_t step = 0; step < pairs.size() + 2; ++step) {
            const auto& [p, q] = pairs[step % pairs.size()];
            ASSERT_FALSE(route->IsEmpty());
            ASSERT_TRUE(route->First()->Equals(p)) << "board " << n << " step " << step;
            ASSERT_TRUE(route->Last()->Equals(q)) << "board " << n << " step " << step;
            board->FindRoute(p, q, *expected, 1);
            ASSERT_EQ(route->Length(), expected->Length());
            board->FindHintRoute(*route, 1);
        }
    }
}

}  // namespace
