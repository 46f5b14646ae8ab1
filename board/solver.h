#pragma once
// Whether a level can be cleared, and random play-throughs of it, on the
// game's own board rules. Pure code: no drawing, no clock, no files.
#include <cstdint>
#include <vector>

#include "toolkit/point.h"

class gameGrid;
class levelData;

struct CellPair {
    Point a;
    Point b;
};

enum class SolveOutcome {
    Cleared,  // removals holds an order that clears every tile
    Stuck,    // the whole search found no way to clear the board
    Unknown,  // the node limit was reached first
};

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::Unknown;
    std::vector<CellPair> removals;  // in order of removal, when cleared
    int nodes = 0;                   // search positions visited
};

constexpr int SOLVER_DEFAULT_NODE_LIMIT = 8000;

// Searches for an order of removals that leaves no tile (blocks and cells
// that are not tiles may stay). Backtracks over choices within matching
// groups and never visits a position twice.
SolveResult SolveLevel(const levelData& level, int nodeLimit = SOLVER_DEFAULT_NODE_LIMIT);
SolveResult SolveBoard(const gameGrid& board, int nodeLimit = SOLVER_DEFAULT_NODE_LIMIT);

// Every matching pair the board can join now, p before q in reading order.
std::vector<CellPair> JoinablePairs(const gameGrid& board);

// Plays the level by removing a joinable pair chosen at random until none is
// left; true when the board was cleared. The same seed gives the same game.
bool RandomPlaythrough(const levelData& level, uint32_t seed);
