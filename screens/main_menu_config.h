#pragma once
// The main menu's tuning values, read once from its resource script (and
// again when the language changes, since some name pictures per language).
#include <string>
#include <vector>

#include "screens/game_config.h"

struct MenuConfig {
    bool moreGamesOn = false;
    std::string moreGamesUrl;
    int maxTileSets = 0;
    int numberOfLevels = 0;    // the story's length
    float relaxedVeil = 0.0f;  // darkness over the relaxed backdrop, 0..1

    // Lists indexed from 1; index 0 is unused and empty.
    std::vector<std::string> backgrounds;
    std::vector<std::string> storyScreens;

    int NumberBackgrounds() const { return ConfigCount(backgrounds); }
    int NumberStoryScreens() const { return ConfigCount(storyScreens); }
};

MenuConfig ReadMenuConfig(const _AppModule& module);
