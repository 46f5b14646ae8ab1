#pragma once
// Test fonts in the BMFont binary format (versions 2 and 3, plain or packed),
// whole or block by block for malformed files.
#include <string>
#include <vector>

struct BmfGlyph {
    int id = 0;
    int x = 0, y = 0, width = 0, height = 0;
    int xoffset = 0, yoffset = 0, xadvance = 0;
    int page = 0;
    int chnl = 15;
};

struct BmfKern {
    int first = 0;
    int second = 0;
    int amount = 0;
};

struct BmfDesc {
    int version = 3;
    int fontSize = 18;
    int spacingHoriz = 1;
    int spacingVert = 1;
    int lineHeight = 20;
    int base = 16;
    int pageCount = -1;  // -1: the number of page names
    bool packed = false;
    std::vector<std::string> pages;
    std::vector<BmfGlyph> glyphs;
    std::vector<BmfKern> kerning;
};

// Block contents, and a block with its type and size as the version writes them.
std::string BmfInfoContent(const BmfDesc& desc);
std::string BmfCommonContent(const BmfDesc& desc);
std::string BmfPagesContent(const BmfDesc& desc);
std::string BmfCharsContent(const BmfDesc& desc);
std::string BmfKerningContent(const BmfDesc& desc);
std::string BmfBlock(int version, int type, const std::string& content);
std::string BmfHeader(int version);
// Header plus info, common, pages, chars and (when there are pairs) kerning blocks.
std::string BuildBmf(const BmfDesc& desc);
