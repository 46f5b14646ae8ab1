// Level files: any bytes give a level; what is written reads back the same,
// and the board rules (tile count, hint search) run over it.
#include <cstring>

#include "board/game_grid.h"
#include "board/game_route.h"
#include "board/level_data.h"
#include "fuzz/fuzz_support.h"
#include "platform/stream.h"

namespace {

bool SameLevel(const levelData& a, const levelData& b) {
    return std::memcmp(a.grid, b.grid, sizeof a.grid) == 0 &&
           std::memcmp(a.bonus, b.bonus, sizeof a.bonus) == 0 && a.music == b.music &&
           a.tileset == b.tileset && a.timelimit == b.timelimit &&
           a.flowersbonus == b.flowersbonus && a.timebonus == b.timebonus &&
           a.tutorial == b.tutorial && a.tutor_x == b.tutor_x && a.tutor_y == b.tutor_y &&
           a.background == b.background;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ServeFuzzFile("level.dat", data, size);
    const LevelDataPtr level = levelData::Create("level.dat");
    FUZZ_CHECK(level != nullptr);

    StreamPtr written = CreateMemoryStream(std::string());
    level->WriteTo(*written);
    written->Seek(0);
    const LevelDataPtr again = levelData::CreateFromText(ReadAll(*written));
    FUZZ_CHECK(SameLevel(*level, *again));

    const GameGridPtr grid = gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, 32, 32, Point(0, 0));
    grid->setLevelData(*level);
    const int tiles = grid->tileCount(0);
    FUZZ_CHECK(tiles >= 0 && tiles <= LEVEL_COLUMNS * LEVEL_ROWS);
    FUZZ_CHECK(grid->tileCount(1) >= tiles);
    gameRoute route;
    grid->FindHintRoute(route, 0);
    return 0;
}
