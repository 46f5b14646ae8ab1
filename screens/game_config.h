#pragma once
// The game screen's tuning values, read once from its resource script so that
// a misspelt name fails in one place and tests can set values directly.
#include <string>
#include <vector>

class _AppModule;

// The length of a list indexed from 1.
inline int ConfigCount(const std::vector<std::string>& list) {
    return list.empty() ? 0 : static_cast<int>(list.size()) - 1;
}

// A place on the map: its marker position ("x,y"; valid only when it parsed).
struct GamePosition {
    bool valid = false;
    int x = 0;
    int y = 0;
};

struct GameConfig {
    int minMatchTime = 0;         // ms a found pair stays before it is removed
    float lineDrawTime = 1.0f;    // ms per route piece drawn, above 0
    float lineUndrawTime = 1.0f;  // ms per route piece undrawn, above 0
    int numberOfLevels = 0;

    // Lists indexed from 1; index 0 is unused and empty.
    std::vector<std::string> backgrounds;
    std::vector<std::string> tileSets;
    std::vector<int> tileSet3D;
    std::vector<int> tileSetShadows;
    std::vector<std::string> tutorials;
    std::vector<std::string> locationNames;
    std::vector<GamePosition> locationPositions;
    std::vector<std::string> pictureComplete;
    std::vector<std::string> endStory;

    // Status line texts (already locale text).
    std::string selectFirst;
    std::string selectNext;
    std::string noMatch;
    std::string noRoute;
    std::string noMoreMoves;
    std::string useUndoOrRetry;
    std::string timeUp;
    std::string finished;
    std::string level;

    int NumberBackgrounds() const { return ConfigCount(backgrounds); }
    int MaxTileSets() const { return ConfigCount(tileSets); }
    int MaxTutorials() const { return ConfigCount(tutorials); }
    int MaxLocations() const { return ConfigCount(locationNames); }
    int NumberEndStory() const { return ConfigCount(endStory); }

    // Entry n of a list, or the empty value when n is outside 1..count.
    static std::string At(const std::vector<std::string>& list, int n);
    static int At(const std::vector<int>& list, int n);
};

// Reads every constant the game screen uses from the module's constants.
GameConfig ReadGameConfig(const _AppModule& module);

// A list's length from a count constant, kept to 0..100 (a debug line when not).
int ConfigListCount(const _AppModule& module, const std::string& name);
// Constants prefix + 1 .. count + suffix, as a list indexed from 1.
std::vector<std::string> ConfigList(const _AppModule& module, int count, const std::string& prefix,
                                    const std::string& suffix = "");
// "x,y" with optional spaces: the two integers; anything else is invalid.
GamePosition ParseGamePosition(const std::string& text);
