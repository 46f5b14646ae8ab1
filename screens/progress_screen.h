#pragma once
// The level progress table: for every level, what the player holds once it
// is finished (picture pieces, the location, reached tile sets, backgrounds
// and songs), worked out from the level files at start-up.
#include <functional>
#include <memory>
#include <string>

#include "board/level_data.h"

class progressScreen;
using ProgressScreenPtr = std::shared_ptr<progressScreen>;
using LevelLoader = std::function<std::shared_ptr<levelData>(int level)>;

constexpr int PROGRESS_BACKGROUNDS = 100;
constexpr int PROGRESS_TILESETS = 20;
constexpr int PROGRESS_SONGS = 20;

class progressScreen {
public:
    int iTileSet = 0;
    int iLevelNumber = 0;
    int iPieces[16] = {};
    int iPicComplete = 0;  // running number of the picture this level completes
    int iLocation = 0;
    int unlockedBackgrounds[PROGRESS_BACKGROUNDS] = {};
    int unlockedTilesets[PROGRESS_TILESETS] = {};
    int unlockedMusic[PROGRESS_SONGS] = {};

    // Builds (or rebuilds) the table from "data/game/levels/N.dat", N = 1..60.
    static int BuildList();
    // The same from levels handed in by load (tools and tests).
    static int BuildList(const LevelLoader& load);
    // The record of level, or null.
    static ProgressScreenPtr getProgress(int level);

    static std::string LevelFileName(int level);
};

// The relaxed mode's unlock rules. A player level below 1 (no story under
// way, or the story complete) opens everything; otherwise the tile sets,
// songs and backgrounds that record has reached (none without a record) and
// the levels up to the player's own.
enum class RelaxedItem { TILE_SET, SONG, BACKGROUND };
bool RelaxedItemOpen(int playerLevel, const progressScreen* record, RelaxedItem item, int n);
bool RelaxedLevelOpen(int playerLevel, int level);

// A number from 1..count for which open(n) holds, drawn by draw(k), which
// gives 0..k-1; 1 when none is open.
int RandomOpen(int count, const std::function<bool(int)>& open,
               const std::function<int(int)>& draw);
