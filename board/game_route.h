#pragma once
// Routes: the chain of cells joining two tiles, each with the piece number
// of the line drawn on it, plus the class-wide list of routes fading away.
#include <memory>
#include <vector>

#include "toolkit/point.h"

class gameGrid;
class routePoint;
class gameRoute;
using RoutePointPtr = std::shared_ptr<routePoint>;
using GameRoutePtr = std::shared_ptr<gameRoute>;

// Piece numbers: the sides of the cell that the line joins.
constexpr int PIECE_VERTICAL = 0;    // top and bottom
constexpr int PIECE_HORIZONTAL = 1;  // left and right
constexpr int PIECE_LEFT_BOTTOM = 2;
constexpr int PIECE_RIGHT_BOTTOM = 3;
constexpr int PIECE_TOP_RIGHT = 4;
constexpr int PIECE_TOP_LEFT = 5;
constexpr int PIECE_COUNT = 6;

class routePoint : public Point {
public:
    int iID = 0;

    routePoint() = default;
    routePoint(int px, int py, int id) : Point(px, py), iID(id) {}

    static RoutePointPtr FromPoint(const Point& p, int id);
    PointPtr Copy() const override;
};

class gameRoute {
public:
    std::vector<RoutePointPtr> pointList;
    float fDrawingLength = 0.0f;
    float fUndrawPoint = 0.0f;

    static GameRoutePtr Create();
    int Clear();

    static int ClearFadingRoutes();
    static int UpdateFadingRoutes(int elapsedMs, float undrawTime, const gameGrid* board);
    static int DrawFadingRoutes(const gameGrid& board);
    static int AddFadingRoute(const gameRoute& route);
    // Number of fading routes; 0 before the list exists.
    static int FadingRouteCount();

    int Update(int elapsedMs, float drawTime);
    int DrawingCount() const;
    int IsFullyDrawn() const;
    int CopyTo(gameRoute& target) const;
    int Length() const;
    int Turns() const;
    int AddPoint(const Point& p);
    int IsEmpty() const;
    PointPtr First() const;  // null when empty
    PointPtr Last() const;
};
