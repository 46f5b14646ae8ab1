// The rule of the game: two matching tiles join when a route of at most three
// straight segments through empty cells of the board links them.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/game_route.h"

namespace {

constexpr int NO_LIMIT = std::numeric_limits<int>::max();

struct Candidate {
    Point p1;
    Point p2;
    int length = 0;
    int turns = 0;
};

int Distance(const Point& from, const Point& to) {
    return std::abs(from.x - to.x) + std::abs(from.y - to.y);
}

// Length and turns of the route a, p1, p2, b as gameRoute would count them:
// every cell on the way, and one corner piece for each point where the route
// changes direction plus the first point. Valid candidates never run
// straight through a corner, so every distinct corner point is a turn.
Candidate MakeCandidate(const Point& a, const Point& p1, const Point& p2, const Point& b) {
    Candidate candidate{p1, p2, 1, 0};
    const Point* corners[] = {&a, &p1, &p2, &b};
    const Point* previous = corners[0];
    for (int i = 1; i < 4; ++i) {
        if (!corners[i]->Equals(*previous)) {
            candidate.length += Distance(*previous, *corners[i]);
            ++candidate.turns;
            previous = corners[i];
        }
    }
    return candidate;
}

}  // namespace

int gameGrid::_CountRow(int y, int x0, int x1, int limit) const {
    if (y < 0 || y >= iHeight) {
        return 0;
    }
    const int from = std::max(0, std::min(x0, x1));
    const int to = std::min(iWidth - 1, std::max(x0, x1));
    int count = 0;
    for (int x = from; x <= to && count <= limit; ++x) {
        count += Value(x, y) != CELL_EMPTY ? 1 : 0;
    }
    return count;
}

int gameGrid::_CountColumn(int x, int y0, int y1, int limit) const {
    if (x < 0 || x >= iWidth) {
        return 0;
    }
    const int from = std::max(0, std::min(y0, y1));
    const int to = std::min(iHeight - 1, std::max(y0, y1));
    int count = 0;
    for (int y = from; y <= to && count <= limit; ++y) {
        count += Value(x, y) != CELL_EMPTY ? 1 : 0;
    }
    return count;
}

int gameGrid::_CheckHorizontalLine(const Point& a, const Point& b) const {
    return _CountRow(a.y, a.x, b.x, NO_LIMIT);
}

int gameGrid::_CheckVerticalLine(const Point& a, const Point& b) const {
    return _CountColumn(a.x, a.y, b.y, NO_LIMIT);
}

// A tile with no empty neighbour on the board can only join a neighbour.
bool gameGrid::_Enclosed(const Point& p) const {
    static constexpr int DX[] = {1, -1, 0, 0};
    static constexpr int DY[] = {0, 0, 1, -1};
    for (int d = 0; d < 4; ++d) {
        const int x = p.x + DX[d];
        const int y = p.y + DY[d];
        if (OnBoard(x, y) && Value(x, y) == CELL_EMPTY) {
            return false;
        }
    }
    return true;
}

bool gameGrid::_StraightJoin(const Point& a, const Point& b) const {
    if (a.x == b.x && _CountColumn(a.x, a.y, b.y, 2) == 2) {
        return true;
    }
    return a.y == b.y && _CountRow(a.y, a.x, b.x, 2) == 2;
}

// Offers every valid pair of corners (p1, p2) in scan order: columns left to
// right with the corners in a's and b's rows, then rows top to bottom with
// the corners in a's and b's columns. Only a's own cell is discounted on the
// middle segment. Stops when visit returns true.
template <class Visit>
void gameGrid::_ScanCorners(const Point& a, const Point& b, Visit visit) const {
    for (int c = 0; c < iWidth; ++c) {
        if (_CountRow(a.y, c, a.x, 1) != 1 || _CountRow(b.y, c, b.x, 1) != 1) {
            continue;
        }
        const int discount = c == a.x ? 1 : 0;
        if (_CountColumn(c, a.y, b.y, discount) - discount == 0 &&
            visit(Point(c, a.y), Point(c, b.y))) {
            return;
        }
    }
    for (int r = 0; r < iHeight; ++r) {
        if (_CountColumn(a.x, r, a.y, 1) != 1 || _CountColumn(b.x, r, b.y, 1) != 1) {
            continue;
        }
        const int discount = r == a.y ? 1 : 0;
        if (_CountRow(r, a.x, b.x, discount) - discount == 0 &&
            visit(Point(a.x, r), Point(b.x, r))) {
            return;
        }
    }
}

int gameGrid::FindRoute(const Point& a, const Point& b, gameRoute& route, int firstOnly) const {
    route.Clear();
    if (a.Equals(b) || !OnBoard(a.x, a.y) || !OnBoard(b.x, b.y)) {
        return 0;
    }
    if (_StraightJoin(a, b)) {
        route.AddPoint(a);
        route.AddPoint(b);
        return 0;
    }
    if (_Enclosed(a) || _Enclosed(b)) {
        return 0;
    }
    Candidate best;
    bool taken = false;
    _ScanCorners(a, b, [&](const Point& p1, const Point& p2) {
        const Candidate candidate = MakeCandidate(a, p1, p2, b);
        if (!taken || candidate.length < best.length || candidate.turns < best.turns) {
            best = candidate;
            taken = true;
            return firstOnly != 0;
        }
        return false;
    });
    if (taken) {
        route.AddPoint(a);
        route.AddPoint(best.p1);
        route.AddPoint(best.p2);
        route.AddPoint(b);
    }
    return 0;
}

bool gameGrid::CanJoin(const Point& a, const Point& b) const {
    if (a.Equals(b) || !OnBoard(a.x, a.y) || !OnBoard(b.x, b.y)) {
        return false;
    }
    if (_StraightJoin(a, b)) {
        return true;
    }
    if (_Enclosed(a) || _Enclosed(b)) {
        return false;
    }
    bool found = false;
    _ScanCorners(a, b, [&found](const Point&, const Point&) {
        found = true;
        return true;
    });
    return found;
}

int gameGrid::_FindHintMatch(const Point& p, gameRoute& route, const Point* from) const {
    route.Clear();
    const Point& origin = from ? *from : p;
    const int first = std::max(0, origin.x + origin.y * iWidth);
    const int pValue = Value(p.x, p.y);
    const auto tryPartner = [&](int x, int y) {
        if (x + y * iWidth < first || (x == p.x && y == p.y) ||
            !CellValuesMatch(pValue, Value(x, y))) {
            return false;
        }
        FindRoute(p, Point(x, y), route, 1);
        return route.IsEmpty() == 0;
    };
    if (_Enclosed(p)) {
        // Only a neighbour can join; visit them in reading order.
        static constexpr int DX[] = {0, -1, 1, 0};
        static constexpr int DY[] = {-1, 0, 0, 1};
        for (int d = 0; d < 4; ++d) {
            if (OnBoard(p.x + DX[d], p.y + DY[d]) && tryPartner(p.x + DX[d], p.y + DY[d])) {
                return 1;
            }
        }
        return 0;
    }
    for (int index = first; index < iWidth * iHeight; ++index) {
        if (tryPartner(index % iWidth, index / iWidth)) {
            return 1;
        }
    }
    return 0;
}

int gameGrid::FindHintRoute(gameRoute& route, int next) const {
    const PointPtr shownFirst = route.First();
    const PointPtr shownLast = route.Last();
    const bool continuing = next != 0 && shownFirst && shownLast;
    const int cells = iWidth * iHeight;
    int firstCandidate = 0;
    if (continuing) {
        // Another partner of the shown first tile, after the shown second one.
        route.Clear();
        for (int index = shownLast->x + shownLast->y * iWidth + 1; index < cells; ++index) {
            const Point t(index % iWidth, index / iWidth);
            if (IsTileValue(Value(t.x, t.y))) {
                if (_FindHintMatch(*shownFirst, route, &t) == 1) {
                    return 0;
                }
                break;  // later starting cells scan a subset of the same partners
            }
        }
        firstCandidate = shownFirst->x + shownFirst->y * iWidth + 1;
    }
    route.Clear();
    for (int index = std::max(0, firstCandidate); index < cells; ++index) {
        const Point p(index % iWidth, index / iWidth);
        if (IsTileValue(Value(p.x, p.y)) && _FindHintMatch(p, route, nullptr) == 1) {
            return 0;
        }
    }
    if (continuing) {
        return FindHintRoute(route, 0);
    }
    return 0;
}
