#pragma once
// The commands of the level tool (tessalune-levels), kept beside the rules
// so tests can run them. Each prints plain text, one item a line, and
// returns the exit status.
#include <ostream>
#include <string>
#include <vector>

// Counts, clearability and a removal order for each file; 0 when all clear.
// nodeLimit bounds the search of each file (0: the solver's default).
int RunCheckCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                    int nodeLimit = 0);
// The route the game would draw between two cells; 0 when there is one.
int RunRouteCommand(const std::string& file, int x1, int y1, int x2, int y2, std::ostream& out,
                    std::ostream& err);
// The first count hints in the order the hint button shows them; 0 when any.
int RunHintsCommand(const std::string& file, int count, std::ostream& out, std::ostream& err);

constexpr int EXIT_NOT_CLEARABLE = 1;
constexpr int EXIT_USAGE = 2;
