#include "tools/level_tool/report.h"

#include <cstdio>
#include <iostream>
#include <set>

#include "board/cell_values.h"
#include "board/solver.h"
#include "platform/files.h"

namespace {

void CountCells(const levelData& level, LevelSummary& s) {
    std::set<int> faces;
    std::set<int> classes;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            const int cell = level.grid[x][y];
            if (IsTileValue(cell)) {
                ++s.tiles;
                faces.insert(cell);
                classes.insert(MatchClassOf(cell));
            } else if (IsBlockValue(cell)) {
                ++s.blocks;
            }
            s.items += IsBonusItem(level.bonus[x][y]) ? 1 : 0;
            s.pieces += IsPicturePiece(level.bonus[x][y]) ? 1 : 0;
        }
    }
    s.faces = static_cast<int>(faces.size());
    s.classes = static_cast<int>(classes.size());
    s.pairs = s.tiles / 2;
}

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

LevelSummary SummariseLevel(const levelData& level, int playthroughs) {
    LevelSummary s;
    CountCells(level, s);
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
