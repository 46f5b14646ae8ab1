#include "board/game_route.h"

#include <algorithm>
#include <optional>
#include <string>

#include "board/game_grid.h"
#include "platform/debug_log.h"

namespace {

// The shortest time a route step takes to draw or to fade, in milliseconds.
constexpr float MIN_STEP_MS = 1.0f;

// time itself, or MIN_STEP_MS (with one debug line per bad value) when it is
// zero, negative or not a number: a missing constant must not stop the board.
float SaneStepTime(float time, const char* what) {
    if (time >= MIN_STEP_MS) {
        return time;
    }
    static std::string lastBad;
    const std::string said = std::string(what) + " " + std::to_string(time);
    if (said != lastBad) {
        DebugLog("***Error: route " + said + " ms is not a time; " + std::to_string(MIN_STEP_MS) +
                 " ms is used");
        lastBad = said;
    }
    return MIN_STEP_MS;
}

// Created by the first gameRoute::Create and kept for the whole run.
std::optional<std::vector<GameRoutePtr>>& FadingRoutes() {
    static std::optional<std::vector<GameRoutePtr>> routes;
    return routes;
}

}  // namespace

RoutePointPtr routePoint::FromPoint(const Point& p, int id) {
    return std::make_shared<routePoint>(p.x, p.y, id);
}

PointPtr routePoint::Copy() const {
    return FromPoint(*this, iID);
}

GameRoutePtr gameRoute::Create() {
    if (!FadingRoutes()) {
        FadingRoutes().emplace();
    }
    return std::make_shared<gameRoute>();
}

int gameRoute::Clear() {
    pointList.clear();
    fDrawingLength = 0.0f;
    fUndrawPoint = 0.0f;
    return 0;
}

int gameRoute::ClearFadingRoutes() {
    if (FadingRoutes()) {
        FadingRoutes()->clear();
    }
    return 0;
}

int gameRoute::UpdateFadingRoutes(int elapsedMs, float undrawTime, const gameGrid* /*board*/) {
    if (!FadingRoutes()) {
        return 0;
    }
    std::vector<GameRoutePtr>& routes = *FadingRoutes();
    for (const GameRoutePtr& route : routes) {
        route->fUndrawPoint +=
            static_cast<float>(elapsedMs) / SaneStepTime(undrawTime, "undraw time");
        if (route->fUndrawPoint >= 1.0f) {
            if (!route->pointList.empty()) {
                route->pointList.erase(route->pointList.begin());
            }
            route->fUndrawPoint = 0.0f;
        }
    }
    std::erase_if(routes, [](const GameRoutePtr& route) { return route->pointList.empty(); });
    return 0;
}

int gameRoute::DrawFadingRoutes(const gameGrid& board) {
    if (!FadingRoutes()) {
        return 0;
    }
    for (const GameRoutePtr& route : *FadingRoutes()) {
        board.DrawRoute(route.get());
    }
    return 0;
}

int gameRoute::AddFadingRoute(const gameRoute& route) {
    const GameRoutePtr copy = Create();
    route.CopyTo(*copy);
    FadingRoutes()->push_back(copy);
    return 0;
}

int gameRoute::FadingRouteCount() {
    return FadingRoutes() ? static_cast<int>(FadingRoutes()->size()) : 0;
}

int gameRoute::Update(int elapsedMs, float drawTime) {
    fDrawingLength += static_cast<float>(elapsedMs) / SaneStepTime(drawTime, "draw time");
    return 0;
}

int gameRoute::DrawingCount() const {
    return static_cast<int>(fDrawingLength + 0.5f);
}

int gameRoute::IsFullyDrawn() const {
    return DrawingCount() >= Length() ? 1 : 0;
}

int gameRoute::CopyTo(gameRoute& target) const {
    if (&target == this) {
        return 0;
    }
    target.Clear();
    target.pointList.reserve(pointList.size());
    for (const RoutePointPtr& point : pointList) {
        target.pointList.push_back(routePoint::FromPoint(*point, point->iID));
    }
    return 0;
}

int gameRoute::Length() const {
    return static_cast<int>(pointList.size());
}

int gameRoute::Turns() const {
    return static_cast<int>(
        std::count_if(pointList.begin(), pointList.end(),
                      [](const RoutePointPtr& point) { return point->iID > PIECE_HORIZONTAL; }));
}

int gameRoute::AddPoint(const Point& p) {
    if (pointList.empty()) {
        pointList.push_back(routePoint::FromPoint(p, PIECE_VERTICAL));
        return 0;
    }
    routePoint& last = *pointList.back();
    if (last.Equals(p)) {
        return 0;
    }
    const routePoint* prev = pointList.size() > 1 ? pointList[pointList.size() - 2].get() : nullptr;
    const int lastX = last.x;
    const int lastY = last.y;
    if (p.x == lastX) {
        const bool cameFromLeft = prev && prev->x < lastX;
        const int step = lastY < p.y ? 1 : -1;
        if (step > 0) {
            last.iID = cameFromLeft ? PIECE_LEFT_BOTTOM : PIECE_RIGHT_BOTTOM;
        } else {
            last.iID = cameFromLeft ? PIECE_TOP_LEFT : PIECE_TOP_RIGHT;
        }
        for (int y = lastY + step; y != p.y + step; y += step) {
            pointList.push_back(std::make_shared<routePoint>(p.x, y, PIECE_VERTICAL));
        }
        return 0;
    }
    const bool cameFromAbove = prev && prev->y < lastY;
    const int step = lastX < p.x ? 1 : -1;
    if (step > 0) {
        last.iID = cameFromAbove ? PIECE_TOP_RIGHT : PIECE_RIGHT_BOTTOM;
    } else {
        last.iID = cameFromAbove ? PIECE_TOP_LEFT : PIECE_LEFT_BOTTOM;
    }
    for (int x = lastX + step; x != p.x + step; x += step) {
        pointList.push_back(std::make_shared<routePoint>(x, p.y, PIECE_HORIZONTAL));
    }
    return 0;
}

int gameRoute::IsEmpty() const {
    return pointList.empty() ? 1 : 0;
}

PointPtr gameRoute::First() const {
    return pointList.empty() ? nullptr : PointPtr(pointList.front());
}

PointPtr gameRoute::Last() const {
    return pointList.empty() ? nullptr : PointPtr(pointList.back());
}
