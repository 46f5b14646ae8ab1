#pragma once
// The level tool's "report" command: what each level holds and how often a
// random player clears it.
#include <map>
#include <string>
#include <vector>

#include "board/level_data.h"

constexpr int REPORT_PLAYTHROUGHS = 1000;

// What the cells of a level hold.
struct CellCounts {
    int tiles = 0;
    int blocks = 0;
    int damaged = 0;             // values that are neither empty, tile nor block
    int items = 0;               // bonus items 1..5 on the bonus layer
    int pieces = 0;              // picture pieces 6..21 on the bonus layer
    std::map<int, int> values;   // tile value -> tiles
    std::map<int, int> classes;  // matching class -> tiles
};

CellCounts CountCells(const levelData& level);

struct LevelSummary {
    int tiles = 0;
    int pairs = 0;
    int faces = 0;    // distinct tile values
    int classes = 0;  // matching classes (each family counts once)
    int blocks = 0;
    int items = 0;   // bonus items 1..5 on the layer
    int pieces = 0;  // picture pieces 6..21 on the layer
    double secondsPerPair = 0.0;
    int cleared = 0;  // random play-throughs that cleared the board
    int playthroughs = 0;
};

LevelSummary SummariseLevel(const levelData& level, int playthroughs = REPORT_PLAYTHROUGHS);

// Prints a block of lines per file; 0 when every file could be read.
int RunReportCommand(const std::vector<std::string>& files);
