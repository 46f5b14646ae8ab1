#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "board/cell_values.h"
#include "board/level_data.h"
#include "board/level_shuffler.h"
#include "platform/numbers.h"

namespace {

TEST(ShuffleList, IsAPermutationOfTheTileValues) {
    SeedRnd(4);
    for (int n = 0; n < 20; ++n) {
        const ShuffleListPtr list = shuffleList::Create();
        std::vector<int> values(list->iTiles, list->iTiles + 42);
        std::sort(values.begin(), values.end());
        for (int i = 0; i < 42; ++i) {
            ASSERT_EQ(values[i], i + 3);
        }
        for (int i = 42; i < SHUFFLE_LIST_SIZE; ++i) {
            EXPECT_EQ(list->iTiles[i], 0);
        }
    }
}

TEST(Shuffler, SwitchExchangesTwoValuesEverywhere) {
    levelData level;
    level.grid[0][0] = 5;
    level.grid[4][7] = 5;
    level.grid[3][3] = 9;
    level.grid[1][1] = -1;  // a damaged value is not taken for a stand-in
    level.bonus[0][0] = 4;
    levelDataShuffler shuffler;
    shuffler.shuffles.push_back(shuffleSwitch::Create(5, 9));
    shuffler.shuffles.push_back(shuffleSwitch::Create(7, 7));
    shuffler.ReShuffle(level);
    EXPECT_EQ(level.grid[0][0], 9);
    EXPECT_EQ(level.grid[4][7], 9);
    EXPECT_EQ(level.grid[3][3], 5);
    EXPECT_EQ(level.grid[1][1], -1);
    EXPECT_EQ(level.bonus[0][0], 4);
}

TEST(Shuffler, BothFlipsMoveCellsWithTheirBonus) {
    levelData level;
    level.grid[0][0] = 7;
    level.bonus[0][0] = 3;
    level.grid[12][4] = 8;
    levelDataShuffler shuffler;
    shuffler.bHorizontalFlip = 1;
    shuffler.bVerticalFlip = 1;
    shuffler.ReShuffle(level);
    EXPECT_EQ(level.grid[24][11], 7);
    EXPECT_EQ(level.bonus[24][11], 3);
    EXPECT_EQ(level.grid[0][0], 0);
    EXPECT_EQ(level.grid[12][7], 8);  // the middle column stays
}

TEST(Shuffler, KeepsMatchingGroupsBlocksAndEmptyCells) {
    levelData original;
    int value = 0;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            original.grid[x][y] = value % 45;
            ++value;
        }
    }
    SeedRnd(99);
    std::set<int> groupMaps;
    for (int n = 0; n < 40; ++n) {
        levelData level = original;
        const LevelDataShufflerPtr shuffler = levelDataShuffler::Create(level);
        levelData restarted = original;
        shuffler->ReShuffle(restarted);
        std::map<int, int> mapping;  // original value -> new value, by cell
        for (int x = 0; x < LEVEL_COLUMNS; ++x) {
            for (int y = 0; y < LEVEL_ROWS; ++y) {
                const int fx = shuffler->bHorizontalFlip ? LEVEL_COLUMNS - 1 - x : x;
                const int fy = shuffler->bVerticalFlip ? LEVEL_ROWS - 1 - y : y;
                const int before = original.grid[x][y];
                const int after = level.grid[fx][fy];
                ASSERT_EQ(restarted.grid[fx][fy], after);
                if (mapping.count(before)) {
                    ASSERT_EQ(mapping[before], after) << "value " << before;
                }
                mapping[before] = after;
            }
        }
        for (int v = 0; v <= 2; ++v) {
            EXPECT_EQ(mapping[v], v);
        }
        for (int v = FIRST_TILE_VALUE; v <= LAST_TILE_VALUE; ++v) {
            EXPECT_EQ(IsGroupValue(mapping[v]), IsGroupValue(v));
        }
        // A family moves as a whole.
        for (int v = FIRST_GROUP_A; v <= LAST_GROUP_B; ++v) {
            EXPECT_EQ(MatchClassOf(mapping[v]), MatchClassOf(mapping[MatchClassOf(v)]));
        }
        groupMaps.insert(mapping[33] * 100 + mapping[37]);
    }
    EXPECT_GT(groupMaps.size(), 2u);  // the coin tosses do vary
}

}  // namespace
