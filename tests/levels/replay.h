#pragma once
// Plays a removal order on a level with the game's own matching and route
// search; the first failing step is reported.
#include <string>
#include <vector>

#include "board/level_data.h"
#include "board/solver.h"

// "" when every step matches and joins and the board ends with no tile.
std::string ReplayRemovals(const levelData& level, const std::vector<CellPair>& order);

// The order as it reads on a board mirrored left to right and/or top to bottom.
std::vector<CellPair> MirrorOrder(const std::vector<CellPair>& order, bool horizontal,
                                  bool vertical);
