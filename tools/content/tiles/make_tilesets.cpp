// Tile-set generator: content_tilesets <emoji font> <out dir>
// writes tileset1.png to tileset6.png (672 x 288, 21 x 6 cells of 32 x 48).
#include <cstdio>
#include <filesystem>
#include <string>

#include "../common/cairo_image.h"
#include "../common/output_manifest.h"
#include "emoji_painter.h"
#include "location_pictures.h"
#include "tile_painter.h"

namespace {

constexpr int COLUMNS = 21;
constexpr int ROWS = 6;

void AtCell(cairo_t* cr, int column, int row) {
    cairo_identity_matrix(cr);
    cairo_translate(cr, column * CELL_WIDTH, row * CELL_HEIGHT);
}

bool CheckPictures(const TileTheme& theme, const EmojiPainter& emoji) {
    bool ok = true;
    auto check = [&](uint32_t code) {
        if (!emoji.Has(code)) {
            std::fprintf(stderr, "content_tilesets: %s: no glyph U+%X\n", theme.name, code);
            ok = false;
        }
    };
    for (const uint32_t c : theme.singles) {
        check(c);
    }
    for (const uint32_t c : theme.familyA) {
        check(c);
    }
    for (const uint32_t c : theme.familyB) {
        check(c);
    }
    for (const uint32_t c : theme.extras) {
        check(c);
    }
    return ok && theme.singles.size() == 30;
}

RgbaImage Picture(SceneKind scene) {
    const CairoCanvas canvas(PICTURE_WIDTH, PICTURE_HEIGHT);
    PaintScene(canvas.Cr(), scene);
    return canvas.Image();
}

RgbaImage TileSet(const TileTheme& theme, const EmojiPainter& emoji) {
    const CairoCanvas canvas(COLUMNS * CELL_WIDTH, ROWS * CELL_HEIGHT);
    cairo_t* cr = canvas.Cr();
    for (int kind = 0; kind < 2; ++kind) {
        AtCell(cr, kind, 0);
        PaintBlock(cr, theme, kind);
    }
    for (int piece = 0; piece < 6; ++piece) {
        AtCell(cr, 2 + piece, 0);
        PaintRoutePiece(cr, theme, piece);
    }
    for (int item = 0; item < 5; ++item) {
        AtCell(cr, 8 + item, 0);
        PaintBonus(cr, item, emoji);
    }
    for (int face = 0; face < FACE_COUNT; ++face) {
        for (int selected = 0; selected < 2; ++selected) {
            AtCell(cr, face % COLUMNS, 1 + face / COLUMNS + 2 * selected);
            PaintFace(cr, theme, face, selected != 0, emoji);
        }
    }
    RgbaImage sheet = canvas.Image();
    const RgbaImage picture = Picture(theme.scene);
    for (int piece = 0; piece < 16; ++piece) {
        RgbaImage cut(CELL_WIDTH, CELL_HEIGHT);
        for (int y = 0; y < CELL_HEIGHT; ++y) {
            for (int x = 0; x < CELL_WIDTH; ++x) {
                const uint8_t* s =
                    picture.At((piece % 4) * CELL_WIDTH + x, (piece / 4) * CELL_HEIGHT + y);
                uint8_t* d = cut.At(x, y);
                for (int c = 0; c < 4; ++c) {
                    d[c] = s[c];
                }
            }
        }
        Blit(cut, sheet, piece * CELL_WIDTH, 5 * CELL_HEIGHT);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    OutputManifest manifest = OutputManifest::TakeFromArguments(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: content_tilesets <emoji font> <out dir>\n");
        return 2;
    }
    const EmojiPainter emoji(argv[1]);
    const std::filesystem::path out = argv[2];
    std::filesystem::create_directories(out);
    for (int i = 0; i < THEME_COUNT; ++i) {
        const TileTheme& theme = Theme(i);
        if (!CheckPictures(theme, emoji)) {
            return 1;
        }
        const std::string path = (out / ("tileset" + std::to_string(i + 1) + ".png")).string();
        if (!WritePng(TileSet(theme, emoji), path)) {
            std::fprintf(stderr, "content_tilesets: cannot write %s\n", path.c_str());
            return 1;
        }
        manifest.Add(path);
    }
    return manifest.Save() ? 0 : 1;
}
