#include <gtest/gtest.h>

#include <random>

#include "board/game_route.h"
#include "board/solver.h"
#include "board_builder.h"

namespace {

// Plays the removals on the game's board, checking each one as the game would.
bool ReplayClears(const levelData& level, const std::vector<CellPair>& removals) {
    const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
    board->Restart(level);
    const GameRoutePtr route = gameRoute::Create();
    for (const CellPair& pair : removals) {
        if (board->CellDataMatch(&pair.a, &pair.b) != 1) {
            return false;
        }
        board->FindRoute(pair.a, pair.b, *route, 0);
        if (route->IsEmpty()) {
            return false;
        }
        board->removePair(pair.a, pair.b);
    }
    return board->tileCount(0) == 0;
}

// Tries every joinable pair in every position: no shortcuts.
bool BruteForceClears(gameGrid& board) {
    if (board.tileCount(0) == 0) {
        return true;
    }
    for (const CellPair& pair : JoinablePairs(board)) {
        const int a = board.cellData(pair.a);
        const int b = board.cellData(pair.b);
        board.removePair(pair.a, pair.b);
        const bool cleared = BruteForceClears(board);
        board.SetCellData(pair.a, a);
        board.SetCellData(pair.b, b);
        if (cleared) {
            return true;
        }
    }
    return false;
}

TEST(Solver, ClearsWithAnOrderThatTheGameAccepts) {
    const LevelDataPtr level = LevelFromRows({
        "........",
        ".ABAeh#.",
        ".#B#fg#.",
        "........",
    });
    const SolveResult result = SolveLevel(*level);
    ASSERT_EQ(result.outcome, SolveOutcome::Cleared);
    EXPECT_EQ(result.removals.size(), 4u);
    EXPECT_TRUE(ReplayClears(*level, result.removals));
}

TEST(Solver, EmptyLevelIsClearedAndDamagedCellsMayStay) {
    EXPECT_EQ(SolveLevel(levelData()).outcome, SolveOutcome::Cleared);
    const LevelDataPtr level = LevelFromRows({"A?A", "..."});
    const SolveResult result = SolveLevel(*level);
    EXPECT_EQ(result.outcome, SolveOutcome::Cleared);
    EXPECT_EQ(result.removals.size(), 1u);
}

TEST(Solver, OddGroupsAndWalledTilesAreStuck) {
    EXPECT_EQ(SolveLevel(*LevelFromRows({"AAA"})).outcome, SolveOutcome::Stuck);
    const LevelDataPtr walled = LevelFromRows({"#A#", "###", "#A#"});
    EXPECT_EQ(SolveLevel(*walled).outcome, SolveOutcome::Stuck);
    // The crossed pairs block each other for good.
    const LevelDataPtr crossed = LevelFromRows({"#####", "#A#B#", "#B#A#", "#####"});
    EXPECT_EQ(SolveLevel(*crossed).outcome, SolveOutcome::Stuck);
}

TEST(Solver, NodeLimitReportsUnknown) {
    // Twelve tiles of one kind are more than the solver pairs off at once.
    const LevelDataPtr level = LevelFromRows({"AAAAAA", "......", "AAAAAA"});
    EXPECT_EQ(SolveLevel(*level, 1).outcome, SolveOutcome::Unknown);
    EXPECT_EQ(SolveLevel(*level).outcome, SolveOutcome::Cleared);
}

// A 6 x 3 room walled in by blocks, with a few blocks inside and pairs of
// three tile values.
levelData CrampedRoom(std::mt19937& random) {
    std::uniform_int_distribution<int> percent(0, 99);
    levelData level;
    for (auto& column : level.grid) {
        for (int& value : column) {
            value = 1;
        }
    }
    std::vector<Point> cells;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 3; ++y) {
            cells.emplace_back(x, y);
            level.grid[x][y] = percent(random) < 15 ? 1 : 0;
        }
    }
    std::shuffle(cells.begin(), cells.end(), random);
    for (int i = 0; i < 8; ++i) {
        level.grid[cells[i].x][cells[i].y] = 3 + (i / 2) % 3;
    }
    return level;
}

TEST(Solver, AgreesWithBruteForceOnSmallCrampedLayouts) {
    std::mt19937 random(7);
    int cleared = 0;
    int stuck = 0;
    for (int n = 0; n < 300; ++n) {
        const levelData level = CrampedRoom(random);
        const GameGridPtr board = gameGrid::Create(25, 12, 32, 48, Point(0, 0));
        board->Restart(level);
        const bool expected = BruteForceClears(*board);
        const SolveResult result = SolveLevel(level);
        ASSERT_NE(result.outcome, SolveOutcome::Unknown);
        ASSERT_EQ(result.outcome == SolveOutcome::Cleared, expected) << "layout " << n;
        if (expected) {
            ASSERT_TRUE(ReplayClears(level, result.removals));
            ++cleared;
        } else {
            ++stuck;
        }
    }
    EXPECT_GT(cleared, 20);
    EXPECT_GT(stuck, 10);
}

TEST(RandomPlaythrough, SameSeedSameGameAndOnlyClearableLayoutsClear) {
    EXPECT_TRUE(RandomPlaythrough(*LevelFromRows({"A.A", "...", "A.A"}), 1));
    EXPECT_FALSE(RandomPlaythrough(*LevelFromRows({"#A#", "###", "#A#"}), 1));
    std::mt19937 random(21);
    int choicesMattered = 0;
    for (int n = 0; n < 200; ++n) {
        const levelData level = CrampedRoom(random);
        const bool clearable = SolveLevel(level).outcome == SolveOutcome::Cleared;
        int wins = 0;
        for (uint32_t seed = 0; seed < 12; ++seed) {
            const bool won = RandomPlaythrough(level, seed);
            ASSERT_EQ(RandomPlaythrough(level, seed), won);
            ASSERT_TRUE(clearable || !won) << "layout " << n;
            wins += won ? 1 : 0;
        }
        choicesMattered += (wins > 0 && wins < 12) ? 1 : 0;
    }
    EXPECT_GT(choicesMattered, 0);
}

}  // namespace
