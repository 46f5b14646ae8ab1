// Contact sheet of a tile set: content_contact_sheet <tileset.png> <out.png>
// Shows every face normal and selected, flat and with the three-pixel edge the
// board stamps, the fixed cells, a joined route and the whole location picture,
// on a dark board-like background, at twice the size.
#include <cstdio>
#include <string>

#include "../common/png_out.h"

namespace {

constexpr int TILE_W = 32, TILE_H = 48, PITCH_X = 38, PITCH_Y = 56;

RgbaImage Cut(const RgbaImage& set, int column, int row) {
    RgbaImage cell(TILE_W, TILE_H);
    for (int y = 0; y < TILE_H; ++y) {
        for (int x = 0; x < TILE_W; ++x) {
            const uint8_t* s = set.At(column * TILE_W + x, row * TILE_H + y);
            for (int c = 0; c < 4; ++c) {
                cell.At(x, y)[c] = s[c];
            }
        }
    }
    return cell;
}

// The board's raised look: the cell stamped at (3,3), (2,2), (1,1), (0,0).
RgbaImage Raise(const RgbaImage& cell) {
    RgbaImage out(TILE_W + 3, TILE_H + 3);
    for (int offset = 3; offset >= 0; --offset) {
        for (int y = 0; y < TILE_H; ++y) {
            for (int x = 0; x < TILE_W; ++x) {
                const uint8_t* s = cell.At(x, y);
                if (s[3] == 0) {
                    continue;
                }
                for (int c = 0; c < 4; ++c) {
                    out.At(x + offset, y + offset)[c] = s[c];
                }
            }
        }
    }
    return out;
}

// Alpha-blends src over dst at (x, y).
void Over(const RgbaImage& src, RgbaImage& dst, int x, int y) {
    for (int j = 0; j < src.height; ++j) {
        for (int i = 0; i < src.width; ++i) {
            const uint8_t* s = src.At(i, j);
            uint8_t* d = dst.At(x + i, y + j);
            const int a = s[3];
            for (int c = 0; c < 3; ++c) {
                d[c] = static_cast<uint8_t>((s[c] * a + d[c] * (255 - a)) / 255);
            }
        }
    }
}

RgbaImage Background(int w, int h) {
    RgbaImage img(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint8_t* p = img.At(x, y);
            const bool check = ((x / 16) + (y / 16)) % 2 == 0;
            p[0] = check ? 34 : 40;
            p[1] = check ? 52 : 60;
            p[2] = check ? 70 : 80;
            p[3] = 255;
        }
    }
    return img;
}

RgbaImage Doubled(const RgbaImage& img) {
    RgbaImage out(img.width * 2, img.height * 2);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            for (int c = 0; c < 4; ++c) {
                out.At(x, y)[c] = img.At(x / 2, y / 2)[c];
            }
        }
    }
    return out;
}

// A route across empty cells: right, down, right, using the route pieces.
void DrawRouteDemo(const RgbaImage& set, RgbaImage& sheet, int x0, int y0) {
    struct Step {
        int col, row, piece;
    };
    const Step steps[] = {{1, 0, 1}, {2, 0, 1}, {3, 0, 2}, {3, 1, 0},
                          {3, 2, 4}, {4, 2, 1}, {5, 2, 1}};
    Over(Raise(Cut(set, 0, 1)), sheet, x0, y0);
    Over(Raise(Cut(set, 0, 1)), sheet, x0 + 6 * TILE_W, y0 + 2 * TILE_H);
    for (const Step& s : steps) {
        Over(Cut(set, 2 + s.piece, 0), sheet, x0 + s.col * TILE_W, y0 + s.row * TILE_H);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: content_contact_sheet <tileset.png> <out.png>\n");
        return 2;
    }
    const RgbaImage set = ReadPng(argv[1]);
    if (set.width != 21 * TILE_W || set.height != 6 * TILE_H) {
        std::fprintf(stderr, "content_contact_sheet: %s is not a 672 x 288 tile set\n", argv[1]);
        return 1;
    }
    RgbaImage sheet = Background(21 * PITCH_X + 8, 8 * PITCH_Y + 4 * TILE_H + 24);
    for (int variant = 0; variant < 4; ++variant) {
        const bool selected = variant % 2 == 1, raised = variant >= 2;
        for (int face = 0; face < 42; ++face) {
            const RgbaImage cell = Cut(set, face % 21, 1 + face / 21 + (selected ? 2 : 0));
            const int x = 4 + (face % 21) * PITCH_X, y = 4 + (variant * 2 + face / 21) * PITCH_Y;
            Over(raised ? Raise(cell) : cell, sheet, x, y);
        }
    }
    const int yTools = 4 + 8 * PITCH_Y;
    for (int column = 0; column < 13; ++column) {
        Over(Cut(set, column, 0), sheet, 4 + column * PITCH_X, yTools);
    }
    for (int piece = 0; piece < 16; ++piece) {
        Over(Cut(set, piece, 5), sheet, 4 + 14 * PITCH_X + (piece % 4) * TILE_W,
             yTools + (piece / 4) * TILE_H);
    }
    DrawRouteDemo(set, sheet, 4, yTools + TILE_H + 8);
    if (!WritePng(Doubled(sheet), argv[2])) {
        return 1;
    }
    return 0;
}
