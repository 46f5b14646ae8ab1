#include "tools/level_tool/level_tool_commands.h"

#include "board/cell_values.h"
#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "board/solver.h"
#include "platform/files.h"
#include "tools/level_tool/report.h"

namespace {

// The level as the game reads it, without the per-play shuffle; null (with a
// message) when the file cannot be read.
LevelDataPtr ReadLevel(const std::string& file, std::ostream& err) {
    if (!FileExists(file)) {
        err << file << ": cannot read\n";
        return nullptr;
    }
    return levelData::Create(file);
}

const char* OutcomeName(SolveOutcome outcome) {
    switch (outcome) {
        case SolveOutcome::Cleared:
            return "yes";
        case SolveOutcome::Stuck:
            return "no";
        case SolveOutcome::Unknown:
            return "unknown";
    }
    return "unknown";
}

void PrintCounts(const levelData& level, std::ostream& out) {
    const CellCounts counts = CountCells(level);
    out << "tiles " << counts.tiles << "\n";
    out << "blocks " << counts.blocks << "\n";
    out << "damaged " << counts.damaged << "\n";
    for (const auto& [value, count] : counts.values) {
        out << "value " << value << " " << count << "\n";
    }
    const std::pair<int, int> groups[] = {{FIRST_GROUP_A, LAST_GROUP_A},
                                          {FIRST_GROUP_B, LAST_GROUP_B}};
    for (const auto& [first, last] : groups) {
        const auto found = counts.classes.find(first);
        out << "group " << first << "-" << last << " "
            << (found == counts.classes.end() ? 0 : found->second) << "\n";
    }
    for (const auto& [matchClass, count] : counts.classes) {
        if (count % 2 != 0) {
            out << "odd " << matchClass << " " << count << "\n";
        }
    }
}

bool CheckFile(const std::string& file, int nodeLimit, std::ostream& out, std::ostream& err) {
    const LevelDataPtr level = ReadLevel(file, err);
    out << "file " << file << "\n";
    if (!level) {
        out << "clearable no\n";
        return false;
    }
    PrintCounts(*level, out);
    const SolveResult result =
        SolveLevel(*level, nodeLimit > 0 ? nodeLimit : SOLVER_DEFAULT_NODE_LIMIT);
    out << "clearable " << OutcomeName(result.outcome) << "\n";
    out << "nodes " << result.nodes << "\n";
    for (const CellPair& pair : result.removals) {
        out << "remove " << pair.a.x << " " << pair.a.y << " " << pair.b.x << " " << pair.b.y
            << "\n";
    }
    return result.outcome == SolveOutcome::Cleared;
}

}  // namespace

int RunCheckCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                    int nodeLimit) {
    bool allClear = !files.empty();
    for (const std::string& file : files) {
        allClear = CheckFile(file, nodeLimit, out, err) && allClear;
    }
    return allClear ? 0 : EXIT_NOT_CLEARABLE;
}

int RunRouteCommand(const std::string& file, int x1, int y1, int x2, int y2, std::ostream& out,
                    std::ostream& err) {
    const LevelDataPtr level = ReadLevel(file, err);
    if (!level) {
        return EXIT_USAGE;
    }
    const GameGridPtr board = BoardFromLevel(*level, Point(0, 0));
    const Point a(x1, y1);
    const Point b(x2, y2);
    for (const Point& p : {a, b}) {
        if (!board->OnBoard(p.x, p.y) || !IsTileValue(board->cellData(p))) {
            out << "not a tile " << p.x << " " << p.y << "\n";
            return EXIT_NOT_CLEARABLE;
        }
    }
    if (a.Equals(b)) {
        out << "same cell\n";
        return EXIT_NOT_CLEARABLE;
    }
    if (board->CellDataMatch(&a, &b) != 1) {
        out << "no match\n";
        return EXIT_NOT_CLEARABLE;
    }
    const GameRoutePtr route = gameRoute::Create();
    board->FindRoute(a, b, *route, 0);
    if (route->IsEmpty()) {
        out << "no route\n";
        return EXIT_NOT_CLEARABLE;
    }
    for (const RoutePointPtr& point : route->pointList) {
        out << "cell " << point->x << " " << point->y << " " << point->iID << "\n";
    }
    return 0;
}

int RunHintsCommand(const std::string& file, int count, std::ostream& out, std::ostream& err) {
    const LevelDataPtr level = ReadLevel(file, err);
    if (!level) {
        return EXIT_USAGE;
    }
    const GameGridPtr board = BoardFromLevel(*level, Point(0, 0));
    const GameRoutePtr route = gameRoute::Create();
    board->FindHintRoute(*route, 0);
    if (route->IsEmpty()) {
        out << "no hints\n";
        return EXIT_NOT_CLEARABLE;
    }
    for (int shown = 0; shown < count; ++shown) {
        if (shown > 0) {
            board->FindHintRoute(*route, 1);
        }
        const PointPtr first = route->First();
        const PointPtr last = route->Last();
        out << "hint " << first->x << " " << first->y << " " << last->x << " " << last->y << "\n";
    }
    return 0;
}
