// The screen pictures: every listed picture read back through the game's
// loaders at its size, backgrounds calm where the board sits, no two
// pictures of a group alike, level buttons that show their level's shape,
// the same bytes from two runs of the generator, and frames of the densest
// level of each place over its backgrounds for a look by eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "board/game_grid.h"
#include "board/level_data.h"
#include "content_fixture.h"
#include "platform/graphics.h"
#include "platform/pixmap.h"
#include "platform/test_seams.h"
#include "tools/screen_art/board_pictures.h"
#include "tools/content/common/output_manifest.h"
#include "tools/screen_art/picture_list.h"

namespace {

namespace fs = std::filesystem;

std::vector<ListedPicture> Listed() {
    return ReadPictureList(std::string(SCREEN_ART_SOURCE_DIR) + "/pictures.txt");
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

double Luma(uint32_t p) {
    return 0.299 * ((p >> 16) & 0xFF) + 0.587 * ((p >> 8) & 0xFF) + 0.114 * (p & 0xFF);
}

struct Contrast {
    double spread;  // standard deviation of the brightness
    double edges;   // mean brightness step between neighbouring pixels
};

Contrast ContrastOf(const TPixmap& p, int x0, int y0, int x1, int y1) {
    double sum = 0, squares = 0, steps = 0;
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const double l = Luma(ReadPixel(p, x, y));
            sum += l;
            squares += l * l;
            steps += std::abs(l - Luma(ReadPixel(p, x + 1, y))) +
                     std::abs(l - Luma(ReadPixel(p, x, y + 1)));
            ++n;
        }
    }
    const double mean = sum / n;
    return {std::sqrt(std::max(0.0, squares / n - mean * mean)), steps / (2.0 * n)};
}

// Mean channel difference of two equal-sized pictures, on a coarse grid.
double Distance(const TPixmap& a, const TPixmap& b) {
    double sum = 0;
    int n = 0;
    const int step = std::max(1, a.width / 100);
    for (int y = 0; y < a.height; y += step) {
        for (int x = 0; x < a.width; x += step) {
            const uint32_t p = ReadPixel(a, x, y), q = ReadPixel(b, x, y);
            for (int s = 0; s < 32; s += 8) {
                sum +=
                    std::abs(static_cast<int>((p >> s) & 0xFF) - static_cast<int>((q >> s) & 0xFF));
            }
            ++n;
        }
    }
    return sum / (4.0 * n);
}

std::string Numbered(const std::string& head, int n, const std::string& tail) {
    return head + std::to_string(n) + tail;
}

std::string BuildPath(const std::string& relative) {
    return std::string(TESS_BINARY_DIR) + "/" + relative;
}

}  // namespace

class ScreenArt : public ContentTest {};

TEST_F(ScreenArt, EveryListedPictureIsThereAtItsSize) {
    const std::vector<ListedPicture> listed = Listed();
    ASSERT_GT(listed.size(), 150u);
    std::vector<std::string> paths;
    for (const ListedPicture& picture : listed) {
        paths.push_back(picture.path);
    }
    // Besides the pictures, the sprite scripts it puts beside each language's tool tips.
    std::vector<std::string> pictures;
    for (const std::string& path : ReadOutputManifest(SCREEN_ART_MANIFEST)) {
        if (path.ends_with(".txt")) {
            EXPECT_NE(
                std::find(paths.begin(), paths.end(), path.substr(0, path.size() - 4) + ".png"),
                paths.end())
                << path;
        } else {
            pictures.push_back(path);
        }
    }
    EXPECT_EQ(pictures, paths) << "the generator wrote another list";
    for (const ListedPicture& picture : listed) {
        SCOPED_TRACE(picture.path);
        if (picture.path.ends_with(".svg")) {
            EXPECT_NE(Bytes(BuildPath(picture.path)).find("<svg"), std::string::npos);
            continue;
        }
        bool hasAlpha = false;
        PixmapPtr pixmap;
        if (picture.path.starts_with("data/")) {
            const StreamPtr file = OpenAssetFile(picture.path);
            ASSERT_NE(file, nullptr) << "not in the archive";
            pixmap = LoadPixmap(*file, &hasAlpha);
        } else {
            pixmap = LoadPixmap(BuildPath(picture.path), &hasAlpha);
        }
        ASSERT_NE(pixmap, nullptr);
        EXPECT_EQ(pixmap->width, picture.width);
        EXPECT_EQ(pixmap->height, picture.height);
        // Opaque pictures are JPEG; everything drawn over something else keeps its alpha.
        EXPECT_EQ(hasAlpha, picture.path.ends_with(".png"));
    }
    EXPECT_LT(fs::file_size(BuildPath("data.zip")), 25u << 20) << "the archive grew too big";
}

TEST_F(ScreenArt, BackgroundsAreCalmWhereTheBoardSits) {
    // The contrast of the faces of each tile set, as the yardstick.
    std::map<int, Contrast> tiles;
    for (int set = 1; set <= 5; ++set) {
        const PixmapPtr sheet = LoadAssetPixmap(Numbered("data/game/images/tileset", set, ".png"));
        ASSERT_NE(sheet, nullptr);
        tiles[set] = ContrastOf(*sheet, 0, 48, 671, 143);
    }
    for (int n = 1; n <= 25; ++n) {
        SCOPED_TRACE(n);
        const int set = n <= 3 ? 1 : n <= 10 ? 2 : n <= 15 ? 3 : n <= 20 ? 4 : 5;
        const PixmapPtr bg = LoadAssetPixmap(Numbered("data/game/images/background", n, ".jpg"));
        ASSERT_NE(bg, nullptr);
        const Contrast middle = ContrastOf(*bg, 200, 150, 600, 450);
        EXPECT_LT(middle.spread, 0.5 * tiles[set].spread);
        EXPECT_LT(middle.edges, 0.12 * tiles[set].edges);
    }
    // The story pages leave the "next" button's place quiet, in the longest words too.
    for (const char* page :
         {"data/locale/english/story1.jpg", "data/locale/german/story3.jpg",
          "data/locale/german/story4.jpg", "data/locale/french/story5.jpg",
          "data/locale/german/endstory2.jpg", "data/locale/spanish/endstory4.jpg"}) {
        SCOPED_TRACE(page);
        const PixmapPtr picture = LoadAssetPixmap(page);
        ASSERT_NE(picture, nullptr);
        EXPECT_LT(ContrastOf(*picture, 334, 530, 466, 574).spread, 0.4 * tiles[1].spread);
    }
}

TEST_F(ScreenArt, NoTwoPicturesOfAGroupAlike) {
    struct Group {
        std::string head, tail;
        int first, last;
        double least;  // smallest mean channel difference allowed
    };
    const Group groups[] = {
        {"data/game/images/background", ".jpg", 1, 25, 8.0},
        {"data/main/images/thumbs/bg", ".png", 1, 25, 6.0},  // they share their rim
        {"data/locale/english/story", ".jpg", 1, 5, 8.0},
        {"data/locale/german/endstory", ".jpg", 1, 4, 8.0},
        {"data/locale/french/tutorial", ".png", 1, 6, 3.0},
        {"data/main/images/sets/set", ".png", 1, 6, 3.0},
        {"data/main/images/songs/song", ".png", 1, 5, 3.0},
        {"data/main/images/levels/level", ".png", 1, 50, 1.0},
    };
    for (const Group& group : groups) {
        std::vector<PixmapPtr> pictures;
        for (int n = group.first; n <= group.last; ++n) {
            pictures.push_back(LoadAssetPixmap(Numbered(group.head, n, group.tail)));
            ASSERT_NE(pictures.back(), nullptr) << group.head << n;
        }
        for (size_t i = 0; i < pictures.size(); ++i) {
            for (size_t j = i + 1; j < pictures.size(); ++j) {
                EXPECT_GT(Distance(*pictures[i], *pictures[j]), group.least)
                    << group.head << group.first + i << " and " << group.first + j;
            }
        }
    }
}

TEST_F(ScreenArt, LevelButtonsShowTheirLevelsShapes) {
    for (int n = 1; n <= 50; ++n) {
        SCOPED_TRACE(n);
        const LevelDataPtr level = levelData::Create(Numbered("data/game/levels/", n, ".dat"));
        const PixmapPtr button =
            LoadAssetPixmap(Numbered("data/main/images/levels/level", n, ".png"));
        ASSERT_NE(button, nullptr);
        int wrong = 0;
        for (int c = 1; c <= LEVEL_COLUMNS - 2; ++c) {
            for (int r = 1; r <= LEVEL_ROWS - 2; ++r) {
                const double l = Luma(ReadPixel(*button, LEVEL_LEFT + (c - 1) * LEVEL_CELL_W,
                                                LEVEL_TOP + (r - 1) * LEVEL_CELL_H + 1));
                const int v = level->grid[c][r];
                const int seen = l > 200 ? 3 : l > 100 ? 1 : 0;
                const int want = v >= 3 ? 3 : v > 0 ? 1 : 0;  // a tile, a block, or empty
                wrong += seen != want;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(ScreenArt, GeneratorPaintsTheSameBytesTwice) {
    const fs::path scratch = fs::path(TESS_BINARY_DIR) / "test-scratch" / "screen_art";
    fs::remove_all(scratch);
    std::vector<fs::path> runs = {scratch / "a", scratch / "b"};
    for (const fs::path& run : runs) {
        fs::create_directories(run);
        const std::string command = std::string("ASAN_OPTIONS=detect_leaks=0 ") + SCREEN_ART_TOOL +
                                    " --manifest " + (run / "manifest.txt").string() + " " +
                                    run.string() + " " + SCREEN_ART_SOURCE_DIR + "/pictures.txt " +
                                    TESS_SOURCE_DIR + "/data " + TESS_BINARY_DIR +
                                    "/data/game/images " + run.string();
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    const std::vector<std::string> manifest = ReadOutputManifest(runs[0] / "manifest.txt");
    ASSERT_EQ(manifest, ReadOutputManifest(runs[1] / "manifest.txt"));
    ASSERT_EQ(manifest, ReadOutputManifest(SCREEN_ART_MANIFEST));
    for (const std::string& path : manifest) {
        SCOPED_TRACE(path);
        const std::string first = Bytes(runs[0] / path);
        EXPECT_FALSE(first.empty());
        EXPECT_TRUE(first == Bytes(runs[1] / path)) << "two runs differ";
        EXPECT_TRUE(first == Bytes(BuildPath(path))) << "the build's copy is stale";
    }
    fs::remove_all(scratch);
}

// For each place, its densest level drawn by the board over each of the
// place's backgrounds: content-report/screens-densest-<set>.png.
TEST_F(ScreenArt, DensestLevelsOverTheirBackgrounds) {
    if (!GraphicsOpen()) {
        OpenGraphics(800, 600, 0, 60);
    }
    ASSERT_TRUE(GraphicsOpen());
    std::map<int, LevelDataPtr> densest;
    std::map<int, std::vector<int>> backgrounds;
    for (int n = 1; n <= 50; ++n) {
        const LevelDataPtr level = levelData::Create(Numbered("data/game/levels/", n, ".dat"));
        int tiles = 0;
        for (const auto& column : level->grid) {
            tiles += static_cast<int>(
                std::count_if(std::begin(column), std::end(column), [](int v) { return v != 0; }));
        }
        LevelDataPtr& best = densest[level->tileset];
        int bestTiles = 0;
        if (best) {
            for (const auto& column : best->grid) {
                bestTiles += static_cast<int>(std::count_if(std::begin(column), std::end(column),
                                                            [](int v) { return v != 0; }));
            }
        }
        if (!best || tiles > bestTiles) {
            best = level;
        }
        std::vector<int>& used = backgrounds[level->tileset];
        if (std::find(used.begin(), used.end(), level->background) == used.end()) {
            used.push_back(level->background);
        }
    }
    ASSERT_EQ(densest.size(), 5u);
    fs::create_directories(content_test::ReportPath(""));
    for (const auto& [set, level] : densest) {
        GameGridPtr board = gameGrid::Create(LEVEL_COLUMNS, LEVEL_ROWS, 32, 48, Point(2, 2));
        board->loadTileSet(LoadAssetPixmap(Numbered("data/game/images/tileset", set, ".png")), 1);
        board->setLevelData(*level);
        const std::vector<int>& used = backgrounds[set];
        const int columns = 2, rows = static_cast<int>((used.size() + 1) / 2);
        PixmapPtr sheet = CreatePixmap(400 * columns, 300 * rows, PF_BGRA8888);
        ASSERT_NE(sheet, nullptr);
        for (size_t i = 0; i < used.size(); ++i) {
            Cls();
            SetBlend(BLEND_SOLID);
            const ImagePtr bg =
                LoadAssetImage(Numbered("data/game/images/background", used[i], ".jpg"), 0);
            ASSERT_NE(bg, nullptr);
            DrawImage(bg, 0, 0);
            SetBlend(BLEND_MASK);
            board->Draw();
            const PixmapPtr frame = ReadBackBuffer();
            ASSERT_NE(frame, nullptr);
            const int left = static_cast<int>(i % columns) * 400;
            const int top = static_cast<int>(i / columns) * 300;
            for (int y = 0; y < 300; ++y) {
                for (int x = 0; x < 400; ++x) {
                    WritePixel(*sheet, left + x, top + y, ReadPixel(*frame, x * 2, y * 2));
                }
            }
        }
        EXPECT_TRUE(SavePixmapPNG(
            *sheet, content_test::ReportPath(Numbered("screens-densest-", set, ".png"))));
    }
}
