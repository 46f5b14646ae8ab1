// One picture of all fifty story boards, drawn by the board with each
// level's tile set, its bonus layer on top and the tutorial picture's place
// outlined: build-dir/levels-contact-sheet.png.
#include <gtest/gtest.h>

#include <filesystem>

#include "board/game_grid.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "tests/levels/shipped_levels.h"
#include "support/shipped_data_test.h"

namespace {

constexpr int SHEET_COLUMNS = 5;
constexpr int SHRINK = 2;

std::string TileSetPath(int set) {
    return std::string(TESS_BINARY_DIR) + "/data/game/images/tileset" + std::to_string(set) +
           ".png";
}

void DrawBonuses(const gameGrid& board, const levelData& level) {
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.8f);
    for (int x = 0; x < LEVEL_COLUMNS; ++x) {
        for (int y = 0; y < LEVEL_ROWS; ++y) {
            const int b = level.bonus[x][y];
            const ImagePtr image = b >= 6 ? board.PictureImage(b - 6) : board.bonusImage(b - 1);
            if (b > 0 && image) {
                DrawImage(image, static_cast<float>(board._cellStartX(x)),
                          static_cast<float>(board._cellStartY(y)));
            }
        }
    }
    SetAlpha(1.0f);
}

void OutlineTutorial(const levelData& level) {
    if (level.tutorial == 0) {
        return;
    }
    const LevelBookSettings& s = StoryBook().settings;
    const float x0 = static_cast<float>(level.tutor_x);
    const float y0 = static_cast<float>(level.tutor_y);
    const float x1 = x0 + static_cast<float>(s.tutorialWidth);
    const float y1 = y0 + static_cast<float>(s.tutorialHeight);
    SetColor(255, 220, 0);
    SetLineWidth(3.0f);
    DrawLine(x0, y0, x1, y0);
    DrawLine(x1, y0, x1, y1);
    DrawLine(x1, y1, x0, y1);
    DrawLine(x0, y1, x0, y0);
    SetColor(255, 255, 255);
}

void PasteShrunk(const TPixmap& frame, TPixmap& sheet, int left, int top) {
    for (int y = 0; y < frame.height / SHRINK; ++y) {
        for (int x = 0; x < frame.width / SHRINK; ++x) {
            WritePixel(sheet, left + x, top + y, ReadPixel(frame, x * SHRINK, y * SHRINK));
        }
    }
}

}  // namespace

TEST(LevelContactSheet, DrawsEveryBoard) {
    if (!std::filesystem::exists(TileSetPath(1))) {
        GTEST_SKIP() << "tile sets not generated";
    }
    ASSERT_TRUE(OpenTestDisplay());
    GameGridPtr board = gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, BOARD_CELL_WIDTH,
                                         BOARD_CELL_HEIGHT, Point(2, 2));
    const int cellW = 800 / SHRINK;
    const int cellH = 600 / SHRINK;
    const int rows = (STORY_LEVELS + SHEET_COLUMNS - 1) / SHEET_COLUMNS;
    PixmapPtr sheet = CreatePixmap(cellW * SHEET_COLUMNS, cellH * rows, PF_BGRA8888);
    ASSERT_TRUE(sheet);
    int loadedSet = 0;
    for (int n = 1; n <= STORY_LEVELS; ++n) {
        const levelData& level = ShippedLevel(n);
        if (level.tileset != loadedSet) {
            board->loadTileSet(LoadPixmap(TileSetPath(level.tileset)), 0);
            loadedSet = level.tileset;
        }
        SetClsColor(20 + 10 * level.tileset, 30, 50);
        Cls();
        SetBlend(BLEND_MASK);
        board->setLevelData(level);
        board->Draw();
        DrawBonuses(*board, level);
        OutlineTutorial(level);
        const PixmapPtr frame = ReadBackBuffer();
        ASSERT_TRUE(frame);
        PasteShrunk(*frame, *sheet, ((n - 1) % SHEET_COLUMNS) * cellW,
                    ((n - 1) / SHEET_COLUMNS) * cellH);
    }
    EXPECT_TRUE(SavePixmapPNG(*sheet, std::string(TESS_BINARY_DIR) + "/levels-contact-sheet.png"));
}
