#pragma once
// What the story asks of each level beyond its mask: its location, the
// picture pieces it carries, and which tutorial picture explains the idea
// that first appears in it.
#include <string>
#include <vector>

#include "tools/levels/level_book.h"

// The ideas a tutorial picture explains, in picture order 1..6.
enum class NewIdea { FirstLevel = 1, BonusItem, PicturePiece, FlowerTiles, FixedBlock, TimeItem };

struct LevelPlan {
    int location = 0;  // 1-based
    bool firstOfLocation = false;
    std::vector<int> pieces;  // picture pieces 0..15 first found here
    int tutorial = 0;         // 0, or the picture of the idea new here
    double progress = 0.0;    // 0 at the first level, 1 at the last
};

struct StoryPlan {
    std::vector<LevelPlan> levels;
    std::vector<std::string> errors;
};

StoryPlan PlanStory(const LevelBook& book);
