// The level book reader, reverse play, the story plan and the report, on
// small hand-made books.
#include <gtest/gtest.h>

#include "board/cell_values.h"
#include "tests/levels/replay.h"
#include "tools/level_tool/report.h"
#include "tools/levels/level_generator.h"
#include "tools/levels/story_plan.h"
#include "tools/levels/tutorial_place.h"

namespace {

const char* const EMPTY_ROW = ".........................\n";

// A book of one location with the given masks (rows 1..10 given, 0 and 11 empty).
std::string Book(const std::vector<std::vector<std::string>>& masks, const std::string& keys = "") {
    std::string text = "locations=" + std::to_string(masks.size()) + "\nseed=11\nattempts=20\n";
    for (size_t i = 0; i < masks.size(); ++i) {
        text += "level " + std::to_string(i + 1) + " test\nfaces=2\nflowers=0\n" + keys;
        text += EMPTY_ROW;
        for (const std::string& row : masks[i]) {
            text += row + "\n";
        }
        for (size_t r = masks[i].size(); r < 10; ++r) {
            text += EMPTY_ROW;
        }
        text += EMPTY_ROW;
    }
    return text;
}

const std::vector<std::string> BLOCKED = {
    ".........................",
    "..........oooo...........",
    "..........o#+o...........",
    "..........oooo...........",
};

const std::vector<std::string> SMALL = {
    ".........................",
    "..........oooo...........",
    "..........o..o...........",
    "..........oooo...........",
};

const std::vector<std::string> MEDIUM = {
    ".........................", "..........ooooo..........", "..........ooooo..........",
    "..........ooooo..........", "..........ooooo..........",
};

bool HasError(const LevelBook& book, const std::string& fragment) {
    for (const std::string& e : book.errors) {
        if (e.find(fragment) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(LevelBook, ReadsSettingsKeysAndGrid) {
    const LevelBook book = ParseLevelBook(Book({BLOCKED}, "items=SUT\nspread=0.5\nvariant=2\n"));
    ASSERT_TRUE(book.errors.empty()) << book.errors.front();
    ASSERT_EQ(book.levels.size(), 1u);
    const LevelMask& mask = book.levels[0];
    EXPECT_EQ(mask.name, "test");
    EXPECT_EQ(mask.items, "SUT");
    EXPECT_DOUBLE_EQ(mask.spread, 0.5);
    EXPECT_EQ(mask.variant, 2);
    EXPECT_EQ(mask.TileCount(), 10);
    EXPECT_EQ(mask.BlockCount(), 2);
    EXPECT_EQ(mask.Cell(11, 3), MASK_BLOCK_1);
    EXPECT_EQ(mask.Cell(12, 3), MASK_BLOCK_2);
    int grid[LEVEL_COLUMNS][LEVEL_ROWS];
    PutBlocks(mask, grid);
    EXPECT_EQ(grid[11][3], FIRST_BLOCK_VALUE);
    EXPECT_EQ(grid[12][3], LAST_BLOCK_VALUE);
    EXPECT_EQ(grid[10][2], CELL_EMPTY);
    EXPECT_EQ(book.settings.seed, 11);
}

TEST(LevelBook, RejectsBrokenMasks) {
    EXPECT_TRUE(HasError(ParseLevelBook(Book({{"..........ooo............"}})), "odd number"));
    EXPECT_TRUE(HasError(ParseLevelBook(Book({{"o.........oo............."}})), "margin"));
    EXPECT_TRUE(HasError(ParseLevelBook(Book({SMALL}, "items=SX\n")), "item letter"));
    EXPECT_TRUE(
        HasError(ParseLevelBook(Book({{"..........oo............."}})), "faces and flowers"));
    std::string shortGrid = Book({SMALL});
    shortGrid.erase(shortGrid.rfind(EMPTY_ROW));
    EXPECT_TRUE(HasError(ParseLevelBook(shortGrid), "rows"));
    std::string located = Book({SMALL});
    located.replace(located.find("locations=1"), 11, "locations=3");
    EXPECT_TRUE(HasError(ParseLevelBook(located), "add up"));
    EXPECT_TRUE(HasError(ReadLevelBook("/nonexistent/levels.txt"), "cannot read"));
    std::string empty = Book({SMALL});
    empty.replace(empty.find("locations=1"), 11, "locations=1,0");
    EXPECT_TRUE(HasError(ParseLevelBook(empty), "needs a level"));
}

TEST(ReversePlay, PlacementsReadBackwardsClearTheBoard) {
    const LevelBook book = ParseLevelBook(Book({SMALL, MEDIUM}));
    ASSERT_TRUE(book.errors.empty());
    const GeneratedStory story = GenerateStory(book);
    ASSERT_TRUE(story.errors.empty()) << story.errors.front();
    const GeneratedLevel& level = story.levels[0];
    EXPECT_EQ(level.removalOrder.size(), 5u);
    EXPECT_EQ(ReplayRemovals(level.level, level.removalOrder), "");
    EXPECT_EQ(level.level.tutorial, 1);
    EXPECT_EQ(ReplayRemovals(story.levels[1].level, story.levels[1].removalOrder), "");
    EXPECT_EQ(story.levels[1].level.tutorial, 3);  // the first picture pieces
    // The same book gives the same level again.
    EXPECT_EQ(LevelFileText(GenerateStory(book).levels[0].level), LevelFileText(level.level));
}

TEST(ReversePlay, ReplayCatchesABrokenOrder) {
    const GeneratedStory story = GenerateStory(ParseLevelBook(Book({SMALL, MEDIUM})));
    ASSERT_TRUE(story.errors.empty());
    std::vector<CellPair> order = story.levels[0].removalOrder;
    std::reverse(order.begin(), order.end());  // the deepest pair first cannot be joined
    std::vector<CellPair> missing(order.begin(), order.end() - 1);
    EXPECT_NE(ReplayRemovals(story.levels[0].level, missing), "");
    std::vector<CellPair> crossed = story.levels[0].removalOrder;
    std::swap(crossed[0].b, crossed[1].b);
    levelData level = story.levels[0].level;
    level.grid[crossed[0].a.x][crossed[0].a.y] = 3;
    level.grid[crossed[0].b.x][crossed[0].b.y] = 4;
    EXPECT_NE(ReplayRemovals(level, crossed), "");
}

TEST(ReversePlay, AnUnfillableMaskGivesNoPlacements) {
    // Two tiles walled in separately can never be joined.
    const std::vector<std::string> walled = {
        "........###.###..........",
        "........#o#.#o#..........",
        "........###.###..........",
    };
    const LevelBook book = ParseLevelBook(Book({walled}, "faces=1\n"));
    ASSERT_TRUE(book.errors.empty());
    EXPECT_TRUE(PlacePairsInReverse(book.levels[0], 1).empty());
}

TEST(StoryPlan, PiecesCompleteAtTheLastLevelAndTutorialsFollowNewIdeas) {
    std::string text = Book({BLOCKED, SMALL, SMALL}, "items=S\n");
    const LevelBook book = ParseLevelBook(text);
    ASSERT_TRUE(book.errors.empty());
    const StoryPlan plan = PlanStory(book);
    ASSERT_EQ(plan.levels.size(), 3u);
    // The opening level of the story carries no piece; the rest share all 16.
    EXPECT_TRUE(plan.levels[0].pieces.empty());
    EXPECT_EQ(plan.levels[1].pieces.size() + plan.levels[2].pieces.size(), 16u);
    // Level 1 is the first level and has the first item and block too: one
    // picture cannot explain three ideas.
    EXPECT_FALSE(plan.errors.empty());
}

TEST(StoryPlan, ALevelTooSmallForItsPiecesIsReported) {
    // The second location has a single level, which must carry all 16 pieces.
    std::string text = Book({SMALL, MEDIUM, SMALL});
    text.replace(text.find("locations=3"), 11, "locations=2,1");
    const LevelBook book = ParseLevelBook(text);
    ASSERT_TRUE(book.errors.empty());
    EXPECT_EQ(PlanStory(book).levels[2].pieces.size(), 16u);
    const GeneratedStory story = GenerateStory(book);
    ASSERT_EQ(story.errors.size(), 1u);
    EXPECT_NE(story.errors[0].find("more items and pieces"), std::string::npos);
}

TEST(TutorialPlace, GoesBesideTheTilesOrNowhere) {
    LevelBookSettings settings;
    levelData level;
    level.grid[12][5] = level.grid[12][6] = 3;
    ASSERT_TRUE(PlaceTutorial(settings, 2, level));
    EXPECT_EQ(level.tutorial, 2);
    const ScreenBox tiles = OccupiedScreenBox(level);
    EXPECT_LE(level.tutor_x + settings.tutorialWidth, tiles.x0);
    levelData wide;
    for (int x = 1; x < 24; ++x) {
        for (int y = 1; y < 11; ++y) {
            wide.grid[x][y] = 3;
        }
    }
    EXPECT_FALSE(PlaceTutorial(settings, 1, wide));
    EXPECT_EQ(wide.tutorial, 0);
    LevelBookSettings upsideDown;
    upsideDown.tutorialTop = 500;
    upsideDown.tutorialBottom = 100;
    EXPECT_FALSE(PlaceTutorial(upsideDown, 1, level));
}

TEST(LevelReport, CountsWhatTheLevelHolds) {
    levelData level;
    level.grid[5][5] = level.grid[6][5] = 7;
    level.grid[5][7] = 34;
    level.grid[6][7] = 36;
    level.grid[8][8] = 1;
    level.grid[9][8] = 2;
    level.bonus[5][5] = 2;
    level.bonus[5][7] = 9;
    level.timelimit = 10;
    const LevelSummary s = SummariseLevel(level, 20);
    EXPECT_EQ(s.tiles, 4);
    EXPECT_EQ(s.pairs, 2);
    EXPECT_EQ(s.faces, 3);
    EXPECT_EQ(s.classes, 2);
    EXPECT_EQ(s.blocks, 2);
    EXPECT_EQ(s.items, 1);
    EXPECT_EQ(s.pieces, 1);
    EXPECT_DOUBLE_EQ(s.secondsPerPair, 5.0);
    EXPECT_EQ(s.cleared, 20);  // both pairs are neighbours: nobody gets stuck
    EXPECT_EQ(SummariseLevel(levelData(), 5).secondsPerPair, 0.0);
}
