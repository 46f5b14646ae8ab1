#include "emoji_painter.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace {
constexpr double GLYPH_SIZE = 109.0;  // the font's bitmap strike
constexpr int CANVAS = 160;

std::string Utf8(uint32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Bounding box of the non-transparent pixels.
struct Ink {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

Ink FindInk(cairo_surface_t* s) {
    cairo_surface_flush(s);
    const unsigned char* d = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    Ink ink{CANVAS, CANVAS, -1, -1};
    for (int y = 0; y < CANVAS; ++y) {
        for (int x = 0; x < CANVAS; ++x) {
            if (d[y * stride + x * 4 + 3] > 8) {
                ink.x0 = std::min(ink.x0, x);
                ink.y0 = std::min(ink.y0, y);
                ink.x1 = std::max(ink.x1, x + 1);
                ink.y1 = std::max(ink.y1, y + 1);
            }
        }
    }
    return ink;
}
}  // namespace

struct EmojiPainter::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    cairo_font_face_t* fontFace = nullptr;
};

EmojiPainter::EmojiPainter(const std::string& fontPath) : impl(new Impl) {
    FT_Init_FreeType(&impl->library);
    if (FT_New_Face(impl->library, fontPath.c_str(), 0, &impl->face) != 0) {
        impl->face = nullptr;
        return;
    }
    impl->fontFace = cairo_ft_font_face_create_for_ft_face(impl->face, FT_LOAD_COLOR);
}

EmojiPainter::~EmojiPainter() {
    if (impl->fontFace) {
        cairo_font_face_destroy(impl->fontFace);
    }
    if (impl->face) {
        FT_Done_Face(impl->face);
    }
    FT_Done_FreeType(impl->library);
    delete impl;
}

bool EmojiPainter::Has(uint32_t code) const {
    return impl->face && FT_Get_Char_Index(impl->face, code) != 0;
}

void EmojiPainter::Draw(cairo_t* cr, uint32_t code, double cx, double cy, double size) const {
    if (!Has(code)) {
        return;
    }
    cairo_surface_t* glyph = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, CANVAS, CANVAS);
    cairo_t* g = cairo_create(glyph);
    cairo_set_font_face(g, impl->fontFace);
    cairo_set_font_size(g, GLYPH_SIZE);
    cairo_move_to(g, 10, CANVAS - 30);
    cairo_show_text(g, Utf8(code).c_str());
    cairo_destroy(g);
    const Ink ink = FindInk(glyph);
    if (ink.x1 > ink.x0) {
        const double w = ink.x1 - ink.x0, h = ink.y1 - ink.y0;
        const double scale = size / std::max(w, h);
        cairo_save(cr);
        cairo_translate(cr, cx - w * scale / 2, cy - h * scale / 2);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, glyph, -ink.x0, -ink.y0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_surface_destroy(glyph);
}
