#include <gtest/gtest.h>

#include "board/game_route.h"
#include "platform/debug_log.h"

namespace {

std::vector<std::tuple<int, int, int>> Points(const gameRoute& route) {
    std::vector<std::tuple<int, int, int>> points;
    for (const RoutePointPtr& point : route.pointList) {
        points.emplace_back(point->x, point->y, point->iID);
    }
    return points;
}

TEST(AddPoint, FillsCellsAndSetsPieces) {
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(2, 5));
    route->AddPoint(Point(2, 8));
    EXPECT_EQ(Points(*route),
              (std::vector<std::tuple<int, int, int>>{{2, 5, 3}, {2, 6, 0}, {2, 7, 0}, {2, 8, 0}}));
    EXPECT_EQ(route->Length(), 4);
    EXPECT_EQ(route->Turns(), 1);
    route->AddPoint(Point(6, 8));
    EXPECT_EQ(route->pointList[3]->iID, PIECE_TOP_RIGHT);
    EXPECT_EQ(route->Length(), 8);
    EXPECT_EQ(route->Turns(), 2);
    for (int i = 4; i < 8; ++i) {
        EXPECT_EQ(route->pointList[i]->x, i - 1);
        EXPECT_EQ(route->pointList[i]->iID, PIECE_HORIZONTAL);
    }
    route->AddPoint(Point(6, 8));
    EXPECT_EQ(route->Length(), 8);
}

TEST(AddPoint, CornersJoinTheSidesEnteredAndLeft) {
    // Up, then left, then down, then right: every kind of corner once.
    const GameRoutePtr route = gameRoute::Create();
    for (const Point& p : {Point(5, 5), Point(5, 3), Point(2, 3), Point(2, 6), Point(4, 6)}) {
        route->AddPoint(p);
    }
    const auto pieceAt = [&](int x, int y) {
        for (const RoutePointPtr& point : route->pointList) {
            if (point->x == x && point->y == y) {
                return point->iID;
            }
        }
        return -1;
    };
    EXPECT_EQ(pieceAt(5, 5), PIECE_TOP_RIGHT);    // first step up
    EXPECT_EQ(pieceAt(5, 3), PIECE_LEFT_BOTTOM);  // from below, on to the left
    EXPECT_EQ(pieceAt(2, 3), PIECE_RIGHT_BOTTOM);
    EXPECT_EQ(pieceAt(2, 6), PIECE_TOP_RIGHT);
    EXPECT_EQ(pieceAt(4, 6), PIECE_HORIZONTAL);

    const GameRoutePtr left = gameRoute::Create();
    left->AddPoint(Point(5, 5));
    left->AddPoint(Point(3, 5));
    left->AddPoint(Point(3, 2));
    EXPECT_EQ(left->pointList[0]->iID, PIECE_LEFT_BOTTOM);  // a first step left
    EXPECT_EQ(left->pointList[2]->iID, PIECE_TOP_RIGHT);
}

TEST(RouteDrawing, CountsAndFullyDrawn) {
    gameRoute route;
    route.fDrawingLength = 0.49f;
    EXPECT_EQ(route.DrawingCount(), 0);
    route.fDrawingLength = 0.5f;
    EXPECT_EQ(route.DrawingCount(), 1);
    route.fDrawingLength = 1.49f;
    EXPECT_EQ(route.DrawingCount(), 1);

    const GameRoutePtr ten = gameRoute::Create();
    ten->AddPoint(Point(0, 0));
    ten->AddPoint(Point(9, 0));
    ASSERT_EQ(ten->Length(), 10);
    for (int ms = 0; ms < 75; ++ms) {
        ten->Update(1, 8.0f);
    }
    EXPECT_EQ(ten->IsFullyDrawn(), 0);
    ten->Update(1, 8.0f);
    EXPECT_EQ(ten->IsFullyDrawn(), 1);
}

TEST(RouteCopy, GivesFreshPointsAndResetsProgress) {
    const GameRoutePtr source = gameRoute::Create();
    source->AddPoint(Point(1, 1));
    source->AddPoint(Point(1, 4));
    const GameRoutePtr target = gameRoute::Create();
    target->AddPoint(Point(7, 7));
    target->fDrawingLength = 3.0f;
    target->fUndrawPoint = 0.5f;
    source->CopyTo(*target);
    ASSERT_EQ(target->Length(), 4);
    EXPECT_EQ(target->fDrawingLength, 0.0f);
    EXPECT_EQ(target->fUndrawPoint, 0.0f);
    target->pointList[1]->x = 9;
    target->pointList[1]->iID = 5;
    EXPECT_EQ(source->pointList[1]->x, 1);
    EXPECT_EQ(source->pointList[1]->iID, 0);
    const PointPtr copy = source->pointList[0]->Copy();
    EXPECT_EQ(std::dynamic_pointer_cast<routePoint>(copy)->iID, source->pointList[0]->iID);
}

TEST(RouteEnds, FirstAndLastOfEmptyRouteAreNull) {
    gameRoute route;
    EXPECT_EQ(route.IsEmpty(), 1);
    EXPECT_FALSE(route.First());
    EXPECT_FALSE(route.Last());
    EXPECT_EQ(route.Turns(), 0);
}

TEST(FadingRoutes, LoseOneCellPerUpdateAndLeaveTheList) {
    gameRoute::ClearFadingRoutes();
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(0, 0));
    route->AddPoint(Point(3, 0));
    gameRoute::AddFadingRoute(*route);
    route->Clear();  // the fading copy is independent
    EXPECT_EQ(gameRoute::FadingRouteCount(), 1);
    for (int update = 1; update <= 3; ++update) {
        gameRoute::UpdateFadingRoutes(20, 8.0f, nullptr);
        EXPECT_EQ(gameRoute::FadingRouteCount(), 1) << "update " << update;
    }
    gameRoute::UpdateFadingRoutes(20, 8.0f, nullptr);
    EXPECT_EQ(gameRoute::FadingRouteCount(), 0);
}

TEST(FadingRoutes, PartialProgressKeepsTheCell) {
    gameRoute::ClearFadingRoutes();
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(0, 0));
    route->AddPoint(Point(1, 0));
    gameRoute::AddFadingRoute(*route);
    const GameRoutePtr second = gameRoute::Create();
    second->AddPoint(Point(5, 5));
    gameRoute::AddFadingRoute(*second);
    gameRoute::UpdateFadingRoutes(4, 8.0f, nullptr);
    EXPECT_EQ(gameRoute::FadingRouteCount(), 2);
    gameRoute::UpdateFadingRoutes(4, 8.0f, nullptr);  // second one is gone, the walk goes on
    EXPECT_EQ(gameRoute::FadingRouteCount(), 1);
    gameRoute::ClearFadingRoutes();
    EXPECT_EQ(gameRoute::FadingRouteCount(), 0);
}

// A missing draw or undraw constant reads as 0 (or less): the route still draws
// and fades, at the shortest step time, and says so once.
TEST(FadingRoutes, ATimeOfZeroOrLessIsClampedAndSaidOnce) {
    gameRoute::ClearFadingRoutes();
    DebugLogCapture log;
    gameRoute drawn;
    drawn.AddPoint(Point(0, 0));
    drawn.AddPoint(Point(2, 0));
    drawn.Update(5, 0.0f);
    drawn.Update(5, 0.0f);
    EXPECT_EQ(drawn.IsFullyDrawn(), 1);
    const GameRoutePtr route = gameRoute::Create();
    route->AddPoint(Point(0, 0));
    route->AddPoint(Point(1, 0));
    gameRoute::AddFadingRoute(*route);
    for (int update = 0; update < 4; ++update) {
        gameRoute::UpdateFadingRoutes(16, -3.0f, nullptr);
    }
    EXPECT_EQ(gameRoute::FadingRouteCount(), 0) << "the pair's route is gone";
    EXPECT_EQ(log.Lines().size(), 2u) << "one line for each bad time";
}

}  // namespace
