// The shipped story levels: what the files hold, and that they clear.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "board/cell_values.h"
#include "board/level_shuffler.h"
#include "board/story_length.h"
#include "tools/level_tool/level_tool_commands.h"
#include "platform/numbers.h"
#include "tests/levels/replay.h"
#include "tests/levels/shipped_levels.h"
#include "tools/levels/tutorial_place.h"

namespace {

int LocationOf(int n) {
    if (n <= 6) {
        return 1;
    }
    if (n <= 20) {
        return 2;
    }
    if (n <= 30) {
        return 3;
    }
    return n <= 40 ? 4 : 5;
}

int CountTiles(const levelData& level) {
    int count = 0;
    for (const auto& column : level.grid) {
        for (const int cell : column) {
            count += IsTileValue(cell) ? 1 : 0;
        }
    }
    return count;
}

bool HasBonus(const levelData& level, int code) {
    for (const auto& column : level.bonus) {
        for (const int b : column) {
            if (b == code) {
                return true;
            }
        }
    }
    return false;
}

bool HasFlowers(const levelData& level) {
    for (const auto& column : level.grid) {
        for (const int cell : column) {
            if (IsGroupValue(cell)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

// The files end where the shared script says the story ends; the level
// numbers beyond it, up to the highest a file may name, stay free.
TEST(StoryLevels, FiftyFilesAndNoMore) {
    std::ifstream script(std::string(TESS_SOURCE_DIR) + "/" + SHARED_GAME_SCRIPT);
    std::ostringstream text;
    text << script.rdbuf();
    EXPECT_EQ(StoryLength(text.str()), STORY_LEVELS);
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        EXPECT_TRUE(std::filesystem::exists(ShippedLevelPath(n))) << n;
    }
    for (int n = STORY_LEVELS + 1; n <= MAX_LEVEL_NUMBER; ++n) {
        EXPECT_FALSE(std::filesystem::exists(ShippedLevelPath(n))) << n;
    }
}

TEST(StoryLevels, RegeneratingReproducesTheCommittedFiles) {
    const GeneratedStory& story = RegeneratedStory();
    ASSERT_TRUE(story.errors.empty()) << story.errors.front();
    ASSERT_EQ(story.levels.size(), static_cast<size_t>(STORY_LEVELS));
    RemovalOrders orders;
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        EXPECT_EQ(LevelFileText(story.levels[n - 1].level), ShippedLevelText(n)) << "level " << n;
        orders.push_back(story.levels[n - 1].removalOrder);
    }
    EXPECT_EQ(RemovalOrdersText(orders), ShippedRemovalOrdersText());
}

TEST(StoryLevels, FilesUseTheShippedLayout) {
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const std::string text = ShippedLevelText(n);
        EXPECT_EQ(text.rfind("grid01=", 0), 0u) << n;
        EXPECT_NE(text.find("\r\nboni12="), std::string::npos) << n;
        EXPECT_NE(text.find("\r\nbackground="), std::string::npos) << n;
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << n;
        // The reader gives back what the writer wrote.
        EXPECT_EQ(LevelFileText(ShippedLevel(n)), text) << n;
    }
}

TEST(StoryLevels, ParametersFollowTheLocations) {
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        const int location = LocationOf(n);
        EXPECT_EQ(level.tileset, location) << n;
        EXPECT_EQ(level.music, location) << n;
        EXPECT_GE(level.background, 1) << n;
        EXPECT_LE(level.background, 25) << n;
        EXPECT_GT(level.timelimit, 0) << n;
        EXPECT_EQ(level.flowersbonus > 0, HasFlowers(level)) << n;
        EXPECT_EQ(level.timebonus > 0, HasBonus(level, 5)) << n;
    }
}

TEST(StoryLevels, ClassesAreEvenAndMarginsEmpty) {
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        std::map<int, int> classes;
        for (int x = 0; x < LEVEL_COLUMNS; ++x) {
            for (int y = 0; y < LEVEL_ROWS; ++y) {
                const int cell = level.grid[x][y];
                EXPECT_TRUE(IsKnownCellValue(cell)) << n;
                const bool margin =
                    x == 0 || y == 0 || x == LEVEL_COLUMNS - 1 || y == LEVEL_ROWS - 1;
                if (margin) {
                    EXPECT_EQ(cell, CELL_EMPTY) << "level " << n << " cell " << x << "," << y;
                }
                if (IsTileValue(cell)) {
                    ++classes[MatchClassOf(cell)];
                }
            }
        }
        for (const auto& [value, count] : classes) {
            EXPECT_EQ(count % 2, 0) << "level " << n << " class " << value;
        }
    }
}

TEST(StoryLevels, BonusesLieOnTilesOnly) {
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        for (int x = 0; x < LEVEL_COLUMNS; ++x) {
            for (int y = 0; y < LEVEL_ROWS; ++y) {
                const int b = level.bonus[x][y];
                EXPECT_GE(b, 0) << n;
                EXPECT_LE(b, LAST_PICTURE_PIECE) << n;
                if (b != 0) {
                    EXPECT_TRUE(IsTileValue(level.grid[x][y]))
                        << "level " << n << " cell " << x << "," << y;
                }
            }
        }
    }
}

TEST(StoryLevels, RemovalOrderClearsWithTheGamesRouteSearch) {
    const RemovalOrders& orders = ShippedRemovalOrders();
    ASSERT_EQ(orders.size(), static_cast<size_t>(STORY_LEVELS));
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const std::vector<CellPair>& order = orders[n - 1];
        EXPECT_EQ(static_cast<int>(order.size()) * 2, CountTiles(ShippedLevel(n))) << n;
        EXPECT_EQ(ReplayRemovals(ShippedLevel(n), order), "") << "level " << n;
    }
}

TEST(StoryLevels, EveryShuffleAndFlipKeepsThemClearable) {
    const RemovalOrders& orders = ShippedRemovalOrders();
    ASSERT_EQ(orders.size(), static_cast<size_t>(STORY_LEVELS));
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        for (int flips = 0; flips < 4; ++flips) {
            SeedRnd(n * 4 + flips);
            levelData picked = ShippedLevel(n);
            levelDataShuffler shuffler = *levelDataShuffler::Create(picked);
            shuffler.bHorizontalFlip = flips & 1;
            shuffler.bVerticalFlip = (flips >> 1) & 1;
            levelData shuffled = ShippedLevel(n);
            shuffler.ReShuffle(shuffled);
            const auto order = MirrorOrder(orders[n - 1], flips & 1, (flips >> 1) & 1);
            EXPECT_EQ(ReplayRemovals(shuffled, order), "") << "level " << n << " flips " << flips;
        }
    }
}

TEST(StoryLevels, PicturesCompleteAtTheLastLevelOfEachLocation) {
    std::set<int> found;
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        if (n > 1 && LocationOf(n) != LocationOf(n - 1)) {
            found.clear();
        }
        const size_t before = found.size();
        for (const auto& column : level.bonus) {
            for (const int b : column) {
                if (IsPicturePiece(b)) {
                    found.insert(b);
                }
            }
        }
        const bool lastOfLocation = n == STORY_LEVELS || LocationOf(n + 1) != LocationOf(n);
        EXPECT_EQ(found.size() == 16, lastOfLocation) << n;
        if (n > 1 && LocationOf(n) == LocationOf(n - 1)) {
            EXPECT_GT(found.size(), before) << "level " << n << " adds no new piece";
        }
    }
}

TEST(StoryLevels, SongsBackgroundsAndTutorialsAreAllUsed) {
    std::set<int> songs, backgrounds;
    std::map<int, int> tutorials;
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        songs.insert(level.music);
        backgrounds.insert(level.background);
        if (level.tutorial != 0) {
            EXPECT_EQ(tutorials.count(level.tutorial), 0u) << "tutorial " << level.tutorial;
            tutorials[level.tutorial] = n;
        }
    }
    EXPECT_EQ(songs, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(backgrounds.size(), 25u);
    EXPECT_EQ(*backgrounds.begin(), 1);
    EXPECT_EQ(*backgrounds.rbegin(), 25);
    // The first level, first item, first piece, first flowers, first block, first time item.
    const std::map<int, int> expected{{1, 1}, {2, 3}, {3, 2}, {4, 4}, {5, 11}, {6, 7}};
    EXPECT_EQ(tutorials, expected);
}

TEST(StoryLevels, TutorialPicturesDoNotHideTiles) {
    const LevelBookSettings& s = StoryBook().settings;
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        if (level.tutorial == 0) {
            continue;
        }
        const ScreenBox tiles = OccupiedScreenBox(level);
        const int x1 = level.tutor_x + s.tutorialWidth;
        const int y1 = level.tutor_y + s.tutorialHeight;
        EXPECT_TRUE(x1 <= tiles.x0 || level.tutor_x >= tiles.x1 || y1 <= tiles.y0 ||
                    level.tutor_y >= tiles.y1)
            << n;
        EXPECT_GE(level.tutor_x, 0) << n;
        EXPECT_LE(x1, 800) << n;
        EXPECT_GE(level.tutor_y, s.tutorialTop) << n;
        EXPECT_LE(y1, s.tutorialBottom) << n;
    }
}

TEST(StoryLevels, DifficultyRisesThroughTheStory) {
    EXPECT_LE(CountTiles(ShippedLevel(1)), 30);
    EXPECT_GE(CountTiles(ShippedLevel(STORY_LEVELS)), 130);
    for (int n = 2; n <= STORY_LEVELS; ++n) {
        EXPECT_GE(CountTiles(ShippedLevel(n)) + 6, CountTiles(ShippedLevel(n - 1))) << n;
    }
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        const double perPair = 2.0 * level.timelimit / CountTiles(level);
        EXPECT_GE(perPair, n <= 6 ? 5.0 : 3.0) << n;
        EXPECT_LE(perPair, n >= 45 ? 3.5 : 7.0) << n;
        int blocks = 0;
        for (const auto& column : level.grid) {
            for (const int cell : column) {
                blocks += IsBlockValue(cell) ? 1 : 0;
            }
        }
        EXPECT_EQ(blocks > 0, n >= 11) << n;
    }
}

TEST(StoryLevels, TheLastLocationHasTheMostFacesAndBlocks) {
    double faces[6] = {}, blocks[6] = {}, levels[6] = {};
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const int location = LocationOf(n);
        std::set<int> classes;
        for (const auto& column : ShippedLevel(n).grid) {
            for (const int cell : column) {
                blocks[location] += IsBlockValue(cell) ? 1 : 0;
                if (IsTileValue(cell)) {
                    classes.insert(MatchClassOf(cell));
                }
            }
        }
        faces[location] += static_cast<double>(classes.size());
        levels[location] += 1;
    }
    for (int location = 1; location < 5; ++location) {
        EXPECT_LT(faces[location] / levels[location], faces[location + 1] / levels[location + 1])
            << location;
        EXPECT_LT(blocks[location] / levels[location], blocks[5] / levels[5]) << location;
    }
}

TEST(StoryLevels, TheLevelToolProvesEveryLevelClearable) {
    std::vector<std::string> files;
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        files.push_back(ShippedLevelPath(n));
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCheckCommand(files, out, err), 0) << err.str();
    size_t proven = 0;
    for (size_t at = out.str().find("clearable yes"); at != std::string::npos;
         at = out.str().find("clearable yes", at + 1)) {
        ++proven;
    }
    EXPECT_EQ(proven, files.size());
}
