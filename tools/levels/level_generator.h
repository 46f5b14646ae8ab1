#pragma once
// Turns the level book into the shipped levels: reverse play for the layout,
// then faces, bonus items, picture pieces and the level's parameters.
#include <string>
#include <vector>

#include "board/level_data.h"
#include "tools/levels/level_book.h"
#include "tools/levels/reverse_play.h"

struct GeneratedLevel {
    levelData level;
    std::vector<CellPair> removalOrder;  // clears the board when played in order
    uint32_t seed = 0;                   // the reverse-play seed that worked
};

struct GeneratedStory {
    std::vector<GeneratedLevel> levels;
    std::vector<std::string> errors;  // empty when every level came out
};

GeneratedStory GenerateStory(const LevelBook& book);

// The level exactly as the game's level writer puts it in a file.
std::string LevelFileText(const levelData& level);
