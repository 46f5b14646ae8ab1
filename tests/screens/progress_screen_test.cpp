#include <gtest/gtest.h>

#include <map>

#include "board/level_data.h"
#include "screens/progress_screen.h"

namespace {

struct LevelPlan {
    int tileset = 0;
    int music = 0;
    int background = 0;
    std::vector<int> pieces;  // 0..15
};

// Levels made from plans; levels without a plan are empty.
LevelLoader PlannedLevels(const std::map<int, LevelPlan>& plans) {
    return [plans](int number) {
        auto level = std::make_shared<levelData>();
        const auto found = plans.find(number);
        if (found == plans.end()) {
            return level;
        }
        level->tileset = found->second.tileset;
        level->music = found->second.music;
        level->background = found->second.background;
        int cell = 0;
        for (const int piece : found->second.pieces) {
            level->bonus[cell % LEVEL_COLUMNS][cell / LEVEL_COLUMNS] = 6 + piece;
            ++cell;
        }
        return level;
    };
}

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) {
        values.push_back(v);
    }
    return values;
}

int PieceCount(const progressScreen& record) {
    int count = 0;
    for (const int piece : record.iPieces) {
        count += piece;
    }
    return count;
}

TEST(ProgressTable, PiecesAddUpUntilThePictureIsComplete) {
    progressScreen::BuildList(PlannedLevels({
        {1, {1, 1, 1, Range(0, 5)}},
        {2, {1, 2, 0, Range(6, 9)}},
        {3, {1, 0, 3, Range(10, 15)}},
        {4, {2, 3, 0, {0, 1}}},
    }));
    EXPECT_EQ(PieceCount(*progressScreen::getProgress(1)), 6);
    EXPECT_EQ(PieceCount(*progressScreen::getProgress(2)), 10);
    const ProgressScreenPtr third = progressScreen::getProgress(3);
    EXPECT_EQ(PieceCount(*third), 16);
    EXPECT_EQ(third->iPicComplete, 1);
    EXPECT_EQ(third->iLocation, 1);
    const ProgressScreenPtr fourth = progressScreen::getProgress(4);
    EXPECT_EQ(fourth->iLocation, 2);
    EXPECT_EQ(fourth->iPicComplete, 0);
    EXPECT_EQ(PieceCount(*fourth), 2);
    EXPECT_EQ(fourth->unlockedMusic[1], 1);
    EXPECT_EQ(fourth->unlockedMusic[2], 1);
    EXPECT_EQ(fourth->unlockedMusic[3], 1);
    EXPECT_EQ(fourth->unlockedTilesets[1], 1);
    EXPECT_EQ(fourth->unlockedTilesets[2], 1);
    EXPECT_EQ(fourth->unlockedBackgrounds[1], 1);
    EXPECT_EQ(fourth->unlockedBackgrounds[3], 1);
    EXPECT_EQ(progressScreen::getProgress(1)->unlockedTilesets[2], 0);
    EXPECT_EQ(progressScreen::getProgress(60)->iLocation, 2);
    EXPECT_EQ(progressScreen::getProgress(60)->iTileSet, 0);
}

TEST(ProgressTable, NewTileSetStartsWithNoPieces) {
    progressScreen::BuildList(PlannedLevels({
        {1, {1, 0, 0, Range(0, 9)}},
        {2, {2, 0, 0, {3}}},
        {3, {2, 0, 0, {4}}},
    }));
    EXPECT_EQ(PieceCount(*progressScreen::getProgress(2)), 1);
    EXPECT_EQ(progressScreen::getProgress(2)->iLocation, 1);  // the picture was not finished
    EXPECT_EQ(PieceCount(*progressScreen::getProgress(3)), 2);
}

TEST(ProgressTable, LocationsCountCompletedPictures) {
    std::map<int, LevelPlan> plans;
    const int lastOfLocation[] = {6, 20, 30, 40, 50};
    int first = 1;
    for (int location = 0; location < 5; ++location) {
        for (int level = first; level <= lastOfLocation[location]; ++level) {
            plans[level] = {location + 1, location + 1, level, {}};
        }
        plans[lastOfLocation[location]].pieces = Range(0, 15);
        first = lastOfLocation[location] + 1;
    }
    progressScreen::BuildList(PlannedLevels(plans));
    EXPECT_EQ(progressScreen::getProgress(1)->iLocation, 1);
    EXPECT_EQ(progressScreen::getProgress(6)->iPicComplete, 1);
    EXPECT_EQ(progressScreen::getProgress(7)->iLocation, 2);
    EXPECT_EQ(progressScreen::getProgress(20)->iPicComplete, 2);
    EXPECT_EQ(progressScreen::getProgress(50)->iPicComplete, 5);
    EXPECT_EQ(progressScreen::getProgress(50)->iLocation, 5);
    const ProgressScreenPtr last = progressScreen::getProgress(60);
    EXPECT_EQ(last->iLocation, 6);
    EXPECT_EQ(PieceCount(*last), 0);
    EXPECT_EQ(last->unlockedBackgrounds[50], 1);
    EXPECT_EQ(last->unlockedTilesets[5], 1);
}

TEST(ProgressTable, CompletedPictureIsNotCompletedAgain) {
    // The same tile set after a finished picture starts a fresh one.
    progressScreen::BuildList(PlannedLevels({{1, {1, 0, 0, Range(0, 15)}}, {2, {1, 0, 0, {}}}}));
    EXPECT_EQ(progressScreen::getProgress(1)->iPicComplete, 1);
    EXPECT_EQ(progressScreen::getProgress(2)->iPicComplete, 0);
    EXPECT_EQ(progressScreen::getProgress(2)->iLocation, 2);
    EXPECT_EQ(PieceCount(*progressScreen::getProgress(2)), 0);
    EXPECT_EQ(progressScreen::getProgress(3)->iLocation, 2);
}

TEST(ProgressTable, OutOfRangeNumbersMarkNothing) {
    progressScreen::BuildList(PlannedLevels({{1, {20, 20, 100, {}}}, {2, {-1, 0, -5, {}}}}));
    const ProgressScreenPtr record = progressScreen::getProgress(2);
    for (const int reached : record->unlockedTilesets) {
        EXPECT_EQ(reached, 0);
    }
    for (const int reached : record->unlockedMusic) {
        EXPECT_EQ(reached, 0);
    }
    for (const int reached : record->unlockedBackgrounds) {
        EXPECT_EQ(reached, 0);
    }
}

// The relaxed chooser offers what the player's record reached, the levels up
// to the player's own, and everything to a player below level 1.
TEST(RelaxedUnlocks, WhatARecordOpens) {
    progressScreen::BuildList(PlannedLevels({{1, {1, 2, 3, {}}}, {2, {2, 4, 19, {}}}}));
    const progressScreen* second = progressScreen::getProgress(2).get();
    EXPECT_TRUE(RelaxedItemOpen(2, second, RelaxedItem::TILE_SET, 1));  // carried over
    EXPECT_TRUE(RelaxedItemOpen(2, second, RelaxedItem::TILE_SET, 2));
    EXPECT_FALSE(RelaxedItemOpen(2, second, RelaxedItem::TILE_SET, 3));
    EXPECT_TRUE(RelaxedItemOpen(2, second, RelaxedItem::SONG, 4));
    EXPECT_FALSE(RelaxedItemOpen(2, second, RelaxedItem::SONG, 3));
    EXPECT_TRUE(RelaxedItemOpen(2, second, RelaxedItem::BACKGROUND, 19));
    // Numbers beyond a table, below 0, or no record: locked.
    EXPECT_FALSE(RelaxedItemOpen(2, second, RelaxedItem::TILE_SET, PROGRESS_TILESETS));
    EXPECT_FALSE(RelaxedItemOpen(2, second, RelaxedItem::BACKGROUND, -1));
    EXPECT_FALSE(RelaxedItemOpen(2, nullptr, RelaxedItem::SONG, 1));
    // Below level 1 everything is open, with or without a record.
    EXPECT_TRUE(RelaxedItemOpen(0, nullptr, RelaxedItem::TILE_SET, 7));
    EXPECT_TRUE(RelaxedItemOpen(-1, second, RelaxedItem::BACKGROUND, 99));

    EXPECT_TRUE(RelaxedLevelOpen(12, 12));
    EXPECT_FALSE(RelaxedLevelOpen(12, 13));
    EXPECT_TRUE(RelaxedLevelOpen(-1, 50));
}

TEST(RelaxedUnlocks, RandomChoiceOnlyAmongTheOpen) {
    const auto even = [](int n) { return n % 2 == 0; };
    std::vector<int> drawnFrom;
    const auto last = [&drawnFrom](int k) {
        drawnFrom.push_back(k);
        return k - 1;
    };
    EXPECT_EQ(RandomOpen(9, even, last), 8);
    EXPECT_EQ(RandomOpen(9, even, [](int) { return 0; }), 2);
    EXPECT_EQ(drawnFrom, std::vector<int>{4});
    // Nothing open, or nothing at all: the first.
    EXPECT_EQ(RandomOpen(
                  9, [](int) { return false; }, last),
              1);
    EXPECT_EQ(RandomOpen(0, even, last), 1);
    // A draw out of range stays inside the open ones.
    EXPECT_EQ(RandomOpen(9, even, [](int) { return 99; }), 8);
}

TEST(ProgressTable, UnknownLevelsAndMissingFiles) {
    progressScreen::BuildList([](int) { return std::shared_ptr<levelData>(); });
    EXPECT_FALSE(progressScreen::getProgress(0));
    EXPECT_FALSE(progressScreen::getProgress(61));
    ASSERT_TRUE(progressScreen::getProgress(60));
    EXPECT_EQ(progressScreen::getProgress(60)->iLocation, 1);
    EXPECT_EQ(progressScreen::LevelFileName(13), "data/game/levels/13.dat");
}

TEST(ProgressTable, BuildsFromTheLevelFiles) {
    // Whatever levels exist, the table holds 60 records in order.
    progressScreen::BuildList();
    for (int level = 1; level <= MAX_LEVEL_NUMBER; ++level) {
        const ProgressScreenPtr record = progressScreen::getProgress(level);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->iLevelNumber, level);
        EXPECT_GE(record->iLocation, 1);
    }
}

}  // namespace
