// Drop shadows under the occupied cells, shrinking as a tile lifts.
#include "board/cell_values.h"
#include "board/game_grid.h"
#include "platform/graphics.h"
#include "toolkit/sprite.h"

namespace {

constexpr float SHRINK_PER_LIFT = 0.05f;
constexpr int SHADOW_OFFSET_X = 5;
constexpr int SHADOW_OFFSET_Y = 6;

}  // namespace

int gameGrid::DrawDropShadow(const __kwa_BaseSprite* blockShadow,
                             const __kwa_BaseSprite* tileShadow) const {
    for (int x = 0; x < iWidth; ++x) {
        for (int y = 0; y < iHeight; ++y) {
            const int value = Value(x, y);
            if (!IsBlockValue(value) && !IsTileValue(value)) {
                continue;  // empty, or a cell that draws nothing
            }
            const float lift = tileHeight[x][y];
            const float scale = lift > 0.0f ? 1.0f - SHRINK_PER_LIFT * lift : 1.0f;
            SetScale(scale, scale);
            const __kwa_BaseSprite* shadow = value == FIRST_BLOCK_VALUE ? blockShadow : tileShadow;
            if (shadow) {
                shadow->DrawDirectEx(static_cast<float>(_cellStartX(x) + SHADOW_OFFSET_X),
                                     static_cast<float>(_cellStartY(y) + SHADOW_OFFSET_Y));
            }
        }
    }
    SetScale(1.0f, 1.0f);
    return 0;
}
