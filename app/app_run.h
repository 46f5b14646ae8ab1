#pragma once
// The module loop and the start-up helpers that main uses.
#include <string>

#include "board/level_data.h"

// The level named by the first command-line argument, or 0 for a normal start.
int ParseStartLevel(int argc, const char* const* argv);
// The command-line start level for the whole run (0 for a normal start).
void SetStartLevel(int level);
int StartLevel();
// Runs the modules until none is left, then writes the settings.
void RunApp();
