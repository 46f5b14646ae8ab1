// The tile sets: the sheet layout the board cuts, faces that differ, family
// frames that match, route pieces that join up and a picture that is whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
#include <string>

#include "content_fixture.h"
#include "platform/pixmap.h"

namespace {

constexpr int TILE_W = 32, TILE_H = 48;

uint32_t Alpha(const TPixmap& p, int x, int y) {
    return ReadPixel(p, x, y) >> 24;
}

// Sum of channel differences between two cells (column, row in cells).
long CellDistance(const TPixmap& a, int ca, int ra, const TPixmap& b, int cb, int rb) {
    long sum = 0;
    for (int y = 0; y < TILE_H; ++y) {
        for (int x = 0; x < TILE_W; ++x) {
            const uint32_t p = ReadPixel(a, ca * TILE_W + x, ra * TILE_H + y);
            const uint32_t q = ReadPixel(b, cb * TILE_W + x, rb * TILE_H + y);
            for (int s = 0; s < 32; s += 8) {
                sum +=
                    std::abs(static_cast<int>((p >> s) & 0xFF) - static_cast<int>((q >> s) & 0xFF));
            }
        }
    }
    return sum;
}

int FaceColumn(int face) {
    return face % 21;
}
int FaceRow(int face, bool selected) {
    return 1 + face / 21 + (selected ? 2 : 0);
}

bool CellEmpty(const TPixmap& p, int column, int row) {
    for (int y = 0; y < TILE_H; ++y) {
        for (int x = 0; x < TILE_W; ++x) {
            if (Alpha(p, column * TILE_W + x, row * TILE_H + y) != 0) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

namespace {
constexpr int MIN_SHAPE_DISTANCE = 60;
}  // namespace

class TileSets : public ContentTest, public ::testing::WithParamInterface<int> {
protected:
    PixmapPtr Load() const {
        return LoadAssetPixmap("data/game/images/tileset" + std::to_string(GetParam()) + ".png");
    }
};

TEST_P(TileSets, HaveTheSheetLayout) {
    bool hasAlpha = false;
    const StreamPtr file =
        OpenAssetFile("data/game/images/tileset" + std::to_string(GetParam()) + ".png");
    ASSERT_NE(file, nullptr);
    const PixmapPtr sheet = LoadPixmap(*file, &hasAlpha);
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->width, 672);
    EXPECT_EQ(sheet->height, 288);
    EXPECT_TRUE(hasAlpha);
    // Used cells carry a picture; the rest of row 0 and row 5 stay clear.
    for (int column = 0; column < 21; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(CellEmpty(*sheet, column, 0), column >= 13);
        EXPECT_EQ(CellEmpty(*sheet, column, 5), column >= 16);
        for (int row = 1; row < 5; ++row) {
            EXPECT_FALSE(CellEmpty(*sheet, column, row));
        }
    }
}

namespace {

// Which pixels of each normal face belong to its picture: those whose
// brightness differs from the plain face, taken as the median over all faces.
std::vector<std::vector<bool>> PictureMasks(const TPixmap& sheet) {
    std::vector<std::vector<int>> light(42, std::vector<int>(TILE_W * TILE_H));
    for (int face = 0; face < 42; ++face) {
        for (int y = 0; y < TILE_H; ++y) {
            for (int x = 0; x < TILE_W; ++x) {
                const uint32_t p = ReadPixel(sheet, FaceColumn(face) * TILE_W + x,
                                             FaceRow(face, false) * TILE_H + y);
                light[face][y * TILE_W + x] =
                    static_cast<int>(((p >> 16) & 0xFF) * 3 + ((p >> 8) & 0xFF) * 6 + (p & 0xFF)) /
                    10;
            }
        }
    }
    std::vector<std::vector<bool>> masks(42, std::vector<bool>(TILE_W * TILE_H));
    for (int i = 0; i < TILE_W * TILE_H; ++i) {
        std::vector<int> column;
        for (int face = 0; face < 42; ++face) {
            column.push_back(light[face][i]);
        }
        std::nth_element(column.begin(), column.begin() + 21, column.end());
        for (int face = 0; face < 42; ++face) {
            masks[face][i] = std::abs(light[face][i] - column[21]) > 40;
        }
    }
    return masks;
}

int ShapeDistance(const std::vector<bool>& a, const std::vector<bool>& b) {
    int differ = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        differ += a[i] != b[i];
    }
    return differ;
}

}  // namespace

TEST_P(TileSets, FacesDifferPairwiseByShape) {
    const PixmapPtr sheet = Load();
    ASSERT_NE(sheet, nullptr);
    // Outlines of the pictures, not their colours, must tell faces apart: the
    // pixels covered by one picture and not the other, out of 1536.
    const std::vector<std::vector<bool>> masks = PictureMasks(*sheet);
    for (int a = 0; a < 42; ++a) {
        for (int b = a + 1; b < 42; ++b) {
            SCOPED_TRACE(std::to_string(a) + " vs " + std::to_string(b));
            const int distance = ShapeDistance(masks[a], masks[b]);

            EXPECT_GT(distance, MIN_SHAPE_DISTANCE);
        }
    }
}

TEST_P(TileSets, SelectedFacesStandOut) {
    const PixmapPtr sheet = Load();
    ASSERT_NE(sheet, nullptr);
    for (int face = 0; face < 42; ++face) {
        EXPECT_GT(CellDistance(*sheet, FaceColumn(face), FaceRow(face, false), *sheet,
                               FaceColumn(face), FaceRow(face, true)),
                  60000)
            << face;
    }
}

TEST_P(TileSets, FacesHaveASolidEdgeForTheRaisedLook) {
    const PixmapPtr sheet = Load();
    ASSERT_NE(sheet, nullptr);
    for (int face = 0; face < 42; ++face) {
        for (const bool selected : {false, true}) {
            SCOPED_TRACE(face);
            const int x0 = FaceColumn(face) * TILE_W, y0 = FaceRow(face, selected) * TILE_H;
            EXPECT_EQ(Alpha(*sheet, x0 + TILE_W - 1, y0 + TILE_H / 2), 255u);
            EXPECT_EQ(Alpha(*sheet, x0 + TILE_W / 2, y0 + TILE_H - 1), 255u);
            EXPECT_EQ(Alpha(*sheet, x0 + TILE_W / 2, y0 + TILE_H / 2), 255u);
        }
    }
}

TEST_P(TileSets, FamiliesShareTheirFrameAndNoOtherFaceHasIt) {
    const PixmapPtr sheet = Load();
    ASSERT_NE(sheet, nullptr);
    // Frame marks above the picture: ring family (faces 30-33) and diamond
    // family (34-37) each carry their own at the same spot.
    auto mark = [&](int face) {
        return ReadPixel(*sheet, FaceColumn(face) * TILE_W + 16, FaceRow(face, false) * TILE_H + 6);
    };
    auto sideMark = [&](int face) {
        return ReadPixel(*sheet, FaceColumn(face) * TILE_W + 10, FaceRow(face, false) * TILE_H + 5);
    };
    for (int face = 31; face < 34; ++face) {
        EXPECT_EQ(mark(face), mark(30)) << face;
    }
    for (int face = 35; face < 38; ++face) {
        EXPECT_EQ(sideMark(face), sideMark(34)) << face;
    }
    EXPECT_NE(mark(30), mark(34));
    for (int face = 0; face < 42; ++face) {
        if (face >= 30 && face < 38) {
            continue;
        }
        SCOPED_TRACE(face);
        EXPECT_NE(mark(face), mark(30));
        EXPECT_NE(sideMark(face), sideMark(34));
    }
}

TEST_P(TileSets, RoutePiecesJoinTheirSidesWithOneLineWidth) {
    const PixmapPtr sheet = Load();
    ASSERT_NE(sheet, nullptr);
    // Sides joined by pieces 0-5: top 1, right 2, bottom 4, left 8.
    const int joins[6] = {1 | 4, 8 | 2, 8 | 4, 2 | 4, 1 | 2, 1 | 8};
    // Opaque run length across a side, from its midpoint outwards.
    auto profile = [&](int piece, int side) {
        const int x0 = (2 + piece) * TILE_W;
        int width = 0;
        for (int t = -12; t <= 12; ++t) {
            const int x = side == 1 || side == 4 ? x0 + 16 + t : (side == 2 ? x0 + TILE_W - 1 : x0);
            const int y = side == 1 ? 0 : side == 4 ? TILE_H - 1 : 24 + t;
            if (Alpha(*sheet, x, y) > 128) {
                ++width;
            }
        }
        return width;
    };
    const int lineWidth = profile(1, 8);
    EXPECT_GE(lineWidth, 3);
    for (int piece = 0; piece < 6; ++piece) {
        for (const int side : {1, 2, 4, 8}) {
            SCOPED_TRACE(std::to_string(piece) + " side " + std::to_string(side));
            if (joins[piece] & side) {
                EXPECT_EQ(profile(piece, side), lineWidth);
            } else {
                EXPECT_EQ(profile(piece, side), 0);
            }
        }
    }
}

TEST_P(TileSets, BonusItemsAndPicturePieces) {
    const PixmapPtr sheet = Load();
    ASSERT_NE(sheet, nullptr);
    for (int a = 0; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b) {
            EXPECT_GT(CellDistance(*sheet, 8 + a, 0, *sheet, 8 + b, 0), 60000) << a << " " << b;
        }
    }
    // The picture is opaque, and its pieces continue across every cut:
    // neighbouring edge pixels are much closer than unrelated ones.
    long across = 0, unrelated = 0;
    for (int piece = 0; piece < 16; ++piece) {
        for (int y = 0; y < TILE_H; y += 4) {
            for (int x = 0; x < TILE_W; x += 4) {
                EXPECT_EQ(Alpha(*sheet, piece * TILE_W + x, 240 + y), 255u);
            }
        }
        if (piece % 4 == 3) {
            continue;
        }
        for (int y = 0; y < TILE_H; ++y) {
            const uint32_t left = ReadPixel(*sheet, piece * TILE_W + TILE_W - 1, 240 + y);
            const uint32_t right = ReadPixel(*sheet, (piece + 1) * TILE_W, 240 + y);
            const uint32_t far =
                ReadPixel(*sheet, ((piece + 6) % 16) * TILE_W + 5, 240 + (y * 7) % TILE_H);
            for (int s = 0; s < 24; s += 8) {
                across += std::abs(static_cast<int>((left >> s) & 0xFF) -
                                   static_cast<int>((right >> s) & 0xFF));
                unrelated += std::abs(static_cast<int>((left >> s) & 0xFF) -
                                      static_cast<int>((far >> s) & 0xFF));
            }
        }
    }
    EXPECT_LT(across * 3, unrelated);
}

INSTANTIATE_TEST_SUITE_P(Sets, TileSets, ::testing::Range(1, 7));

TEST_F(ContentTest, TileSetsHaveTheirOwnThemes) {
    PixmapPtr sets[6];
    for (int i = 0; i < 6; ++i) {
        sets[i] = LoadAssetPixmap("data/game/images/tileset" + std::to_string(i + 1) + ".png");
        ASSERT_NE(sets[i], nullptr);
    }
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            int sameFaces = 0;
            for (int face = 0; face < 30; ++face) {
                if (CellDistance(*sets[a], FaceColumn(face), FaceRow(face, false), *sets[b],
                                 FaceColumn(face), FaceRow(face, false)) < 60000) {
                    ++sameFaces;
                }
            }
            EXPECT_EQ(sameFaces, 0) << a + 1 << " vs " << b + 1;
        }
    }
}
