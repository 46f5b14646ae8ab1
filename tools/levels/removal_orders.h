#pragma once
// The removal orders that prove the story levels clearable, kept beside the
// level book in removal_orders.txt ("level N" lines, then "x1 y1 x2 y2" per
// pair in the order of removal).
#include <string>
#include <vector>

#include "board/solver.h"

using RemovalOrders = std::vector<std::vector<CellPair>>;  // index = level - 1

std::string RemovalOrdersText(const RemovalOrders& orders);
// Lines that are neither a level heading nor four numbers are skipped.
RemovalOrders ParseRemovalOrders(const std::string& text);
