#include "glyph_source.h"

#include <cmath>

GlyphSource::GlyphSource(const std::string& fontPath, int lineHeight) {
    if (FT_Init_FreeType(&library) != 0) {
        return;
    }
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        face = nullptr;
        return;
    }
    const double units = static_cast<double>(face->ascender - face->descender);
    ppem = lineHeight * face->units_per_EM / units;
    FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(ppem * 64)), 72, 72);
    ascent = static_cast<int>(std::lround(face->ascender * ppem / face->units_per_EM));
}

GlyphSource::~GlyphSource() {
    if (face) {
        FT_Done_Face(face);
    }
    if (library) {
        FT_Done_FreeType(library);
    }
}

bool GlyphSource::Has(uint32_t code) const {
    return FT_Get_Char_Index(face, code) != 0;
}

RenderedGlyph GlyphSource::Render(uint32_t code) const {
    RenderedGlyph g;
    g.code = code;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_RENDER) != 0) {
        return g;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.xOffset = slot->bitmap_left;
    g.yOffset = ascent - slot->bitmap_top;
    g.xAdvance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.coverage.resize(static_cast<size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            g.coverage[static_cast<size_t>(y) * g.width + x] = bm.buffer[y * bm.pitch + x];
        }
    }
    return g;
}

std::string GlyphSource::FamilyName() const {
    return face->family_name ? face->family_name : "";
}

bool GlyphSource::Bold() const {
    return (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

std::vector<uint32_t> PrintableLatin1() {
    std::vector<uint32_t> codes;
    for (uint32_t c = 32; c <= 126; ++c) {
        codes.push_back(c);
    }
    for (uint32_t c = 160; c <= 255; ++c) {
        codes.push_back(c);
    }
    return codes;
}
