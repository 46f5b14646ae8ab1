#pragma once
// The per-level shuffle: exchanges tile pictures (keeping which tiles match)
// and may mirror the layout, so a level looks different each time it is
// started, and the same again when it is restarted.
#include <memory>
#include <vector>

class levelData;
class shuffleSwitch;
class shuffleList;
class levelDataShuffler;
using ShuffleSwitchPtr = std::shared_ptr<shuffleSwitch>;
using ShuffleListPtr = std::shared_ptr<shuffleList>;
using LevelDataShufflerPtr = std::shared_ptr<levelDataShuffler>;

class shuffleSwitch {
public:
    int t1 = 0;
    int t2 = 0;

    static ShuffleSwitchPtr Create(int t1, int t2);
};

constexpr int SHUFFLE_LIST_SIZE = 50;

class shuffleList {
public:
    // 0..41: the tile values 3..44 in random order; 42..49: 0.
    int iTiles[SHUFFLE_LIST_SIZE] = {};

    static ShuffleListPtr Create();
};

class levelDataShuffler {
public:
    std::vector<ShuffleSwitchPtr> shuffles;
    int bHorizontalFlip = 0;
    int bVerticalFlip = 0;

    // A new random shuffler, already applied once to level.
    static LevelDataShufflerPtr Create(levelData& level);
    int ReShuffle(levelData& level) const;
    // Every grid cell holding from gets to.
    static int _switch(levelData& level, int from, int to);
};
