#include "tests/levels/replay.h"

#include "board/game_grid.h"
#include "board/game_route.h"

namespace {

std::string Step(size_t i, const CellPair& p, const char* what) {
    return "step " + std::to_string(i) + " (" + std::to_string(p.a.x) + "," +
           std::to_string(p.a.y) + ")-(" + std::to_string(p.b.x) + "," + std::to_string(p.b.y) +
           "): " + what;
}

Point Mirror(const Point& p, bool horizontal, bool vertical) {
    return Point(horizontal ? LEVEL_COLUMNS - 1 - p.x : p.x, vertical ? LEVEL_ROWS - 1 - p.y : p.y);
}

}  // namespace

std::string ReplayRemovals(const levelData& level, const std::vector<CellPair>& order) {
    GameGridPtr board = BoardFromLevel(level);
    GameRoutePtr route = gameRoute::Create();
    for (size_t i = 0; i < order.size(); ++i) {
        const CellPair& p = order[i];
        if (board->cellData(p.a) < 3 || board->cellData(p.b) < 3) {
            return Step(i, p, "not two tiles");
        }
        if (board->CellDataMatch(&p.a, &p.b) != 1) {
            return Step(i, p, "tiles do not match");
        }
        board->FindRoute(p.a, p.b, *route, 0);
        if (route->IsEmpty() != 0) {
            return Step(i, p, "no route");
        }
        board->removePair(p.a, p.b);
    }
    return board->tileCount(0) == 0 ? "" : "tiles left after the last step";
}

std::vector<CellPair> MirrorOrder(const std::vector<CellPair>& order, bool horizontal,
                                  bool vertical) {
    std::vector<CellPair> mirrored;
    for (const CellPair& p : order) {
        mirrored.push_back({Mirror(p.a, horizontal, vertical), Mirror(p.b, horizontal, vertical)});
    }
    return mirrored;
}
