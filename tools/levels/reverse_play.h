#pragma once
// Fills a mask by playing the game backwards: each pair is placed only where
// its two cells can be joined on the board as it stands, so the placements
// read backwards are a removal order that clears the board.
#include <cstdint>
#include <vector>

#include "board/solver.h"
#include "tools/levels/level_book.h"

// The blocks of the mask as cell values, everything else 0.
void PutBlocks(const LevelMask& mask, int (&grid)[LEVEL_COLUMNS][LEVEL_ROWS]);

// Placement order of the pairs, or empty when this seed ran into a dead end.
std::vector<CellPair> PlacePairsInReverse(const LevelMask& mask, uint32_t seed);

// The removal order that clears the board: the placements backwards.
std::vector<CellPair> RemovalOrderOf(const std::vector<CellPair>& placements);
