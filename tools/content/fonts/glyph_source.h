#pragma once
// Glyph coverage bitmaps and metrics of one outline font at one line height.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <string>
#include <vector>

struct RenderedGlyph {
    uint32_t code = 0;
    int width = 0, height = 0;
    int xOffset = 0, yOffset = 0, xAdvance = 0;
    std::vector<uint8_t> coverage;  // width * height bytes
};

class GlyphSource {
public:
    // lineHeight: ascender + descender in pixels.
    GlyphSource(const std::string& fontPath, int lineHeight);
    ~GlyphSource();
    GlyphSource(const GlyphSource&) = delete;
    GlyphSource& operator=(const GlyphSource&) = delete;

    bool Ok() const { return face != nullptr; }
    RenderedGlyph Render(uint32_t code) const;
    bool Has(uint32_t code) const;
    int Ascent() const { return ascent; }
    double PixelsPerEm() const { return ppem; }
    std::string FamilyName() const;
    bool Bold() const;

private:
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    double ppem = 0;
    int ascent = 0;
};

// The printable Latin-1 codes: 32 to 126 and 160 to 255.
std::vector<uint32_t> PrintableLatin1();
