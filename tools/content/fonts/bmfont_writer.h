#pragma once
// Writes bitmap font descriptions in the BMFont binary format (versions 2 and 3).
#include <cstdint>
#include <string>
#include <vector>

struct BMGlyph {
    uint32_t id = 0;
    uint16_t x = 0, y = 0, width = 0, height = 0;
    int16_t xOffset = 0, yOffset = 0, xAdvance = 0;
    uint8_t page = 0;
    uint8_t channel = 15;  // 1 blue, 2 green, 4 red, 8 alpha, 15 all
};

struct BMKerning {
    uint32_t first = 0, second = 0;
    int16_t amount = 0;
};

struct BMFontData {
    int16_t fontSize = 0;
    bool bold = false;
    uint8_t spacingHoriz = 1, spacingVert = 1;
    uint16_t lineHeight = 0, base = 0, scaleW = 0, scaleH = 0;
    bool packed = false;
    std::string fontName;
    std::vector<std::string> pages;
    std::vector<BMGlyph> glyphs;
    std::vector<BMKerning> kerning;
};

// The whole file for version 2 or 3.
std::string EncodeBMFont(const BMFontData& font, int version);
