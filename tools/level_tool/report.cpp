#include "tools/level_tool/report.h"

#include <cstdio>
#include <iostream>

#include "board/cell_values.h"
#include "board/solver.h"
#include "platform/files.h"

namespace {

void PrintSummary(const std::string& file, const LevelSummary& s) {
    char line[160];
    std::cout << "file " << file << "\n"
              << "tiles " << s.tiles << "\n"
              << "pairs " << s.pairs << "\n"
              << "faces " << s.faces << "\n"
              << "classes " << s.classes << "\n"
              << "blocks " << s.blocks << "\n"
              << "items " << s.items << "\n"
              << "pieces " << s.pieces << "\n";
    std::snprintf(line, sizeof line, "seconds_per_pair %.2f\n", s.secondsPerPair);
    std::cout << line;
    const double share = s.playthroughs > 0 ? 100.0 * s.cleared / s.playthroughs : 0.0;
    std::snprintf(line, sizeof line, "random_clear %d/%d %.1f%%\n", s.cleared, s.playthroughs,
                  share);
    std::cout << line;
}

}  // namespace

CellCounts CountCells(const levelData& level) {
    CellCounts counts;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            const int value = level.grid[x][y];
            if (IsTileValue(value)) {
                ++counts.tiles;
                ++counts.values[value];
                ++counts.classes[MatchClassOf(value)];
            } else if (IsBlockValue(value)) {
                ++counts.blocks;
            } else if (value != CELL_EMPTY) {
                ++counts.damaged;
            }
            counts.items += IsBonusItem(level.bonus[x][y]) ? 1 : 0;
            counts.pieces += IsPicturePiece(level.bonus[x][y]) ? 1 : 0;
        }
    }
    return counts;
}

LevelSummary SummariseLevel(const levelData& level, int playthroughs) {
    LevelSummary s;
    const CellCounts counts = CountCells(level);
    s.tiles = counts.tiles;
    s.pairs = counts.tiles / 2;
    s.faces = static_cast<int>(counts.values.size());
    s.classes = static_cast<int>(counts.classes.size());
    s.blocks = counts.blocks;
    s.items = counts.items;
    s.pieces = counts.pieces;
    s.secondsPerPair = s.pairs > 0 ? static_cast<double>(level.timelimit) / s.pairs : 0.0;
    s.playthroughs = playthroughs;
    for (int seed = 1; seed <= playthroughs; ++seed) {
        s.cleared += RandomPlaythrough(level, static_cast<uint32_t>(seed)) ? 1 : 0;
    }
    return s;
}

int RunReportCommand(const std::vector<std::string>& files) {
    int status = 0;
    for (const std::string& file : files) {
        if (!FileExists(file)) {
            std::cerr << file << ": cannot read\n";
            status = 1;
            continue;
        }
        PrintSummary(file, SummariseLevel(*levelData::Create(file)));
    }
    return status;
}
