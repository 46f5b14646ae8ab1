#pragma once
// What removing a matched pair does to the game, decided before anything is
// drawn or heard: points, the bonuses under the two tiles, picture pieces,
// the flower tiles' extra time, and which sound says so. The game screen
// applies the outcome and plays its effects.
#include <string>
#include <vector>

#include "toolkit/point.h"

// What one bonus under a removed tile comes to.
enum class PickupKind {
    FLIES,    // a bonus item flies to its status-bar control
    PIECE,    // a picture piece is collected
    LOST,     // relaxed mode has no use for it
    NO_ROOM,  // a piece beyond the picture's sixteen
    NOTHING,  // an unknown code
};

struct Pickup {
    Point cell;
    int code = 0;
    PickupKind kind = PickupKind::NOTHING;
    std::string control;  // FLIES: the control it flies to
    int piece = -1;       // PIECE: the picture piece
};

// The game as the removal finds it.
struct RemovalScene {
    Point start;
    Point end;
    int startBonus = 0;  // bonus layer codes under the two cells
    int endBonus = 0;
    int startLevelTile = 0;  // the level file's tile at the start cell
    bool relaxed = false;
    int flowersBonus = 0;  // seconds a flower pair adds
    int timeRemainingMs = 0;
    int collectedPieces = 0;
};

struct RemovalOutcome {
    int points = 0;
    std::vector<Pickup> pickups;  // start cell's first
    bool flowerTime = false;
    int timeRemainingMs = 0;
    int collectedPieces = 0;
    std::string sound;
};

RemovalOutcome DecideRemoval(const RemovalScene& scene);
