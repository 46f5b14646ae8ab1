// The CPU time of one game-screen frame (update and draw through the shell's
// tick) on the shipped level with the most tiles, beside an empty frame.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "app/app_module.h"
#include "app/app_run.h"
#include "app/assets.h"
#include "app/embedded_archive.h"
#include "app/zip_archive.h"
#include "bench/empty_frame.h"
#include "board/game_grid.h"
#include "board/level_data.h"
#include "platform/clock.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "screens/game_screen.h"
#include "screens/progress_screen.h"
#include "screens/start_game.h"

namespace {

constexpr int FRAME_MS = 16;

int TileCount(const levelData& level) {
    int tiles = 0;
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            tiles += level.grid[x][y] >= 3 ? 1 : 0;
        }
    }
    return tiles;
}

int DensestLevel(int& tiles) {
    int best = 1;
    tiles = 0;
    for (int level = 1; level <= 50; ++level) {
        const int count = TileCount(*levelData::Create(progressScreen::LevelFileName(level)));
        if (count > tiles) {
            tiles = count;
            best = level;
        }
    }
    return best;
}

bool OpenShippedGame() {
    // Settings go to a scratch folder, never the player's.
    const std::string folder = "/tmp/tessalune-bench-" + std::to_string(getpid());
    setenv("TESSALUNE_DATA_DIR", folder.c_str(), 0);
    RegisterEmbeddedArchive();
    RegisterZipProtocol();
    SetArchivePrefix(SHIPPED_ARCHIVE_PREFIX);
    return OpenGraphics(800, 600, 0, 0);
}

// One tick of the game screen on the densest level: the level running,
// the mouse over a tile, a hint shown.
void BM_GameScreenFrame(benchmark::State& state) {
    if (!OpenShippedGame()) {
        state.SkipWithError("no graphics");
        return;
    }
    progressScreen::BuildList();
    int tiles = 0;
    const int level = DensestLevel(tiles);
    UseManualClock(true, 1000);
    _AppModule::lastTickMS = 1000;
    _AppModule::LoadGUI("data/gui/gui.txt");
    SetStartLevel(level);
    StartGame(0, 1, 1, 1, 1);
    _AppModule::BeginApp();
    const auto game = std::dynamic_pointer_cast<myGame>(_AppModule::appModules[APP_GAME]);
    if (!game) {
        state.SkipWithError("no game module");
        return;
    }
    game->ShowHint = 1;
    InjectMouseMove(game->playGrid->_cellCentreX(12), game->playGrid->_cellCentreY(6));
    for (auto _ : state) {
        AdvanceClock(_AppModule::lastTickMS + FRAME_MS - MilliSecs());
        _AppModule::Tick();
        benchmark::DoNotOptimize(GrabPixmap(0, 0, 1, 1));  // waits for the frame to finish
    }
    state.counters["level"] = level;
    state.counters["tiles"] = tiles;
    std::printf("game screen, level %d with %d tiles\n", level, tiles);
    _AppModule::DestroyModule(APP_GAME);
    _AppModule::currentModule = -1;
    UseManualClock(false);
}
BENCHMARK(BM_GameScreenFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Clear and present only: the fixed cost of any frame.
void BM_EmptyFrame(benchmark::State& state) {
    MeasureEmptyFrames(state, OpenShippedGame());
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
