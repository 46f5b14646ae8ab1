#include <gtest/gtest.h>

#include "board/game_route.h"
#include "board_builder.h"

namespace {

using Pair = std::pair<std::pair<int, int>, std::pair<int, int>>;

Pair Ends(const gameRoute& route)
{
    return {{route.First()->x, route.First()->y}, {route.Last()->x, route.Last()->y}};
}

TEST(Hints, RunThroughJoinablePairsInReadingOrderAndWrapAround)
{
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

TEST(Hints, HintRouteIsTheFirstRouteFound)
{
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

TEST(Hints, SinglePairIsItsOwnNextHint)
{
    const GameGridPtr board = BoardFromRows({"C.C", "###", "D#D"});
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    ASSERT_FALSE(route->IsEmpty());
    board->FindHintRoute(*route, 1);
    EXPECT_EQ(Ends(*route), (Pair{{0, 0}, {2, 0}}));
}

TEST(Hints, NoJoinablePairLeavesTheRouteEmpty)
{
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

TEST(Hints, FamiliesCountAsPartners)
{
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

TEST(HintMatch, SearchesPartnersFromTheGivenCell)
{
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
