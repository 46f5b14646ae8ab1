// Route search, hint search and the solver on game-sized boards.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "board/solver.h"

namespace {

// Tiles in pairs on every cell inside a one-cell margin: the densest layout
// that still leaves routes round the outside.
LevelDataPtr DenseLevel(uint32_t seed) {
    auto level = std::make_shared<levelData>();
    std::vector<int> values;
    for (int i = 0; i < (LEVEL_COLUMNS - 2) * (LEVEL_ROWS - 2) / 2; ++i) {
        values.push_back(3 + i % 42);
        values.push_back(3 + i % 42);
    }
    std::shuffle(values.begin(), values.end(), std::mt19937(seed));
    size_t next = 0;
    for (int x = 1; x < LEVEL_COLUMNS - 1; ++x) {
        for (int y = 1; y < LEVEL_ROWS - 1; ++y) {
            level->grid[x][y] = values[next++];
        }
    }
    return level;
}

// Every cell a tile of two values in a checkerboard: many matching pairs,
// none of them joinable.
LevelDataPtr DeadLevel() {
    auto level = std::make_shared<levelData>();
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            level->grid[x][y] = (x + y) % 2 == 0 ? 3 : 4;
        }
    }
    return level;
}

// Every cell a tile of 30 values, no two neighbours alike.
LevelDataPtr DeadLevelManyValues() {
    auto level = std::make_shared<levelData>();
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            level->grid[x][y] = 3 + (x + 3 * y) % 30;
        }
    }
    return level;
}

// Columns of tiles with empty columns between them: every tile can leave its
// cell, but columns two apart share no value, so no pair joins.
LevelDataPtr DeadLevelStripes() {
    auto level = std::make_shared<levelData>();
    for (int x = 0; x < LEVEL_COLUMNS; x += 2) {
        const int firstValue = (x / 2) % 2 == 0 ? 3 : 15;
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            level->grid[x][y] = firstValue + (y + x / 4) % LEVEL_ROWS;
        }
    }
    return level;
}

void HintSearch(benchmark::State& state, const LevelDataPtr& level) {
    const GameGridPtr board = BoardFromLevel(*level);
    const GameRoutePtr route = gameRoute::Create();
    for (auto _ : state) {
        board->FindHintRoute(*route, 0);
        benchmark::DoNotOptimize(route->Length());
    }
    state.counters["hint_cells"] = route->Length();
}

void BM_FindHintRoute_Dense(benchmark::State& state) {
    HintSearch(state, DenseLevel(1));
}
BENCHMARK(BM_FindHintRoute_Dense)->Unit(benchmark::kMicrosecond);

void BM_FindHintRoute_NoJoinablePair(benchmark::State& state) {
    HintSearch(state, DeadLevel());
}
BENCHMARK(BM_FindHintRoute_NoJoinablePair)->Unit(benchmark::kMicrosecond);

void BM_FindHintRoute_NoJoinablePairManyValues(benchmark::State& state) {
    HintSearch(state, DeadLevelManyValues());
}
BENCHMARK(BM_FindHintRoute_NoJoinablePairManyValues)->Unit(benchmark::kMicrosecond);

void BM_FindHintRoute_NoJoinablePairStripes(benchmark::State& state) {
    HintSearch(state, DeadLevelStripes());
}
BENCHMARK(BM_FindHintRoute_NoJoinablePairStripes)->Unit(benchmark::kMicrosecond);

// A dense board halfway through: every other tile gone.
void BM_FindHintRoute_HalfCleared(benchmark::State& state) {
    const LevelDataPtr level = DenseLevel(2);
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            if ((x * 7 + y * 3) % 2 == 0) {
                level->grid[x][y] = 0;
            }
        }
    }
    HintSearch(state, level);
}
BENCHMARK(BM_FindHintRoute_HalfCleared)->Unit(benchmark::kMicrosecond);

// Corner to corner of an empty board: every candidate of both scans is valid.
void BM_FindRoute_OpenBoard(benchmark::State& state) {
    auto level = std::make_shared<levelData>();
    level->grid[0][0] = 3;
    level->grid[24][11] = 3;
    const GameGridPtr board = BoardFromLevel(*level);
    const GameRoutePtr route = gameRoute::Create();
    for (auto _ : state) {
        board->FindRoute(Point(0, 0), Point(24, 11), *route, 0);
        benchmark::DoNotOptimize(route->Length());
    }
}
BENCHMARK(BM_FindRoute_OpenBoard)->Unit(benchmark::kMicrosecond);

// Round the outside of the dense board.
void BM_FindRoute_DenseBoard(benchmark::State& state) {
    const LevelDataPtr level = DenseLevel(3);
    level->grid[1][1] = 5;
    level->grid[23][10] = 5;
    const GameGridPtr board = BoardFromLevel(*level);
    const GameRoutePtr route = gameRoute::Create();
    for (auto _ : state) {
        board->FindRoute(Point(1, 1), Point(23, 10), *route, 0);
        benchmark::DoNotOptimize(route->Length());
    }
}
BENCHMARK(BM_FindRoute_DenseBoard)->Unit(benchmark::kMicrosecond);

void BM_SolveLevel_Dense(benchmark::State& state) {
    uint32_t seed = 10;
    int cleared = 0;
    int unknown = 0;
    int nodes = 0;
    double slowest = 0.0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const SolveResult result = SolveLevel(*DenseLevel(seed++));
        slowest = std::max(slowest, std::chrono::duration<double, std::milli>(
                                        std::chrono::steady_clock::now() - started)
                                        .count());
        cleared += result.outcome == SolveOutcome::Cleared ? 1 : 0;
        unknown += result.outcome == SolveOutcome::Unknown ? 1 : 0;
        nodes = std::max(nodes, result.nodes);
    }
    state.counters["cleared"] = benchmark::Counter(cleared, benchmark::Counter::kAvgIterations);
    state.counters["unknown"] = benchmark::Counter(unknown, benchmark::Counter::kAvgIterations);
    state.counters["max_nodes"] = nodes;
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_SolveLevel_Dense)->Unit(benchmark::kMillisecond);

void BM_RandomPlaythrough_Dense(benchmark::State& state) {
    const LevelDataPtr level = DenseLevel(4);
    uint32_t seed = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RandomPlaythrough(*level, seed++));
    }
}
BENCHMARK(BM_RandomPlaythrough_Dense)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
