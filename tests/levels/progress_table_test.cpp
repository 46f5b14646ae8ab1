// The level progress table built from the shipped levels.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/assets.h"
#include "support/shipped_data_test.h"
#include "screens/progress_screen.h"
#include "tests/levels/shipped_levels.h"

namespace {

std::shared_ptr<levelData> LoadShipped(int level) {
    if (level < 1 || level > STORY_LEVELS || !std::filesystem::exists(ShippedLevelPath(level))) {
        return levelData::CreateFromText("", "");
    }
    return std::make_shared<levelData>(ShippedLevel(level));
}

}  // namespace

TEST(StoryProgress, FiveLocationsEachCompletedByItsLastLevel) {
    progressScreen::BuildList(LoadShipped);
    std::map<int, int> locationSizes;
    std::vector<int> completing;
    for (int n = 1; n <= MAX_LEVEL_NUMBER; ++n) {
        const ProgressScreenPtr p = progressScreen::getProgress(n);
        ASSERT_TRUE(p) << n;
        ++locationSizes[p->iLocation];
        if (p->iPicComplete != 0) {
            EXPECT_EQ(p->iPicComplete, static_cast<int>(completing.size()) + 1);
            completing.push_back(n);
        }
    }
    EXPECT_EQ(locationSizes,
              (std::map<int, int>{{1, 6}, {2, 14}, {3, 10}, {4, 10}, {5, 10}, {6, 10}}));
    EXPECT_EQ(completing, (std::vector<int>{6, 20, 30, 40, 50}));
    const ProgressScreenPtr last = progressScreen::getProgress(STORY_LEVELS);
    for (int song = 1; song <= 5; ++song) {
        EXPECT_EQ(last->unlockedMusic[song], 1) << song;
    }
    for (int background = 1; background <= 25; ++background) {
        EXPECT_EQ(last->unlockedBackgrounds[background], 1) << background;
    }
    // Levels 51 to 60 have no file: a sixth location with nothing collected.
    for (const int piece : progressScreen::getProgress(55)->iPieces) {
        EXPECT_EQ(piece, 0);
    }
}

TEST(StoryProgress, EveryLevelButTheFirstOfALocationAddsAPiece) {
    progressScreen::BuildList(LoadShipped);
    for (int n = 2; n <= STORY_LEVELS; ++n) {
        const ProgressScreenPtr p = progressScreen::getProgress(n);
        const ProgressScreenPtr before = progressScreen::getProgress(n - 1);
        if (p->iLocation != before->iLocation) {
            continue;
        }
        int now = 0, earlier = 0;
        for (int i = 0; i < 16; ++i) {
            now += p->iPieces[i];
            earlier += before->iPieces[i];
        }
        EXPECT_GT(now, earlier) << n;
    }
}

TEST(StoryProgress, TheGameReadsTheSameLevelsFromItsArchive) {
    MountShippedArchive();
    progressScreen::BuildList();
    SetArchivePrefix("");
    const ProgressScreenPtr first = progressScreen::getProgress(1);
    const ProgressScreenPtr last = progressScreen::getProgress(STORY_LEVELS);
    ASSERT_TRUE(first && last);
    EXPECT_EQ(first->iTileSet, 1);
    EXPECT_EQ(last->iTileSet, 5);
    EXPECT_EQ(last->iLocation, 5);
    EXPECT_EQ(last->iPicComplete, 5);
}
