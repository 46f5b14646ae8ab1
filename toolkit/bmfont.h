#pragma once
// Bitmap fonts in the BMFont binary format (versions 2 and 3): glyph pages plus
// per-glyph rectangles, offsets, advances and kerning pairs.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/stream.h"

class TBMFont;
using BMFontPtr = std::shared_ptr<TBMFont>;

constexpr int BMFONT_MAX_GLYPHS = 65535;

class TBMFont {
public:
    int BMFVersion = 0;          // 0 when the magic is missing
    std::uint16_t FontSize = 0;  // line height for measuring and drawing
    std::uint8_t SpacingHoriz = 0;
    std::uint8_t SpacingVert = 0;
    int LineHeight = 0;
    int Base = 0;
    int ScaleW = 0;
    int ScaleH = 0;
    int Pages = 0;  // times 4 after channel decoding
    std::uint8_t Packed = 0;
    std::vector<ImagePtr> BMFImage;  // page images, the ones drawn from; null where loading failed
    std::vector<int> ImageW;
    std::vector<int> ImageH;

    std::vector<int> Id;
    std::vector<std::uint16_t> X, Y, Width, Height;
    std::vector<std::uint16_t> XOffset, YOffset, XAdvance;  // used as signed 16 bit
    std::vector<std::uint16_t> Page;  // index into BMFImage (page * 4 + channel when packed)
    std::array<int, 256> ASCII{};     // code -> glyph record, 0 where there is none
    std::u32string IdStr;             // record codes in record order
    int Kerning = 0;
    std::vector<std::u32string> KerningChars;
    std::vector<std::vector<std::int16_t>> KerningValue;

    // The drawing scale as last read, and the last width measured: caches
    // that measuring keeps, so they change under const calls.
    mutable float XScale = 1.0f;
    mutable float YScale = 1.0f;
    mutable std::string LastText;
    mutable float LastWidth = 0.0f;
    mutable float LastXScale = 0.0f;
    mutable float LastYScale = 0.0f;
    mutable int LastLine = 0;

    // path is a folder ending in "/"; pages are read from path + page name.
    static BMFontPtr Create(const std::string& path, const std::string& fileName);
    int Init(const std::string& path, const std::string& fileName);

    static int Pow2Size(int n);
    static int SignedShort(int v);
    static int SignedByte(int v);

    // Glyph record or -1; codes below 256 that the font lacks give record 0.
    int FindChar(int code) const;
    // Whether the font draws code with a glyph of its own.
    bool HasGlyph(int code) const;
    float TextHeight(const std::string& text) const;
    // line -1 measures the widest line, n only line n.
    float TextWidth(const std::string& text, int line) const;
    int DrawText(const std::string& text, float x, float y);
    int GlyphCount() const { return static_cast<int>(Id.size()); }

    int LoadInfo(TStream& block);
    int LoadCommon(TStream& block);
    int LoadPages(const std::string& path, const std::vector<std::string>& names);
    int LoadCharacters(TStream& block, int count);
    int LoadKerning(TStream& block, int count);
    int DecodeChannels();

private:
    int _KerningAmount(int previous, int code) const;
    void _CheckGlyphs();
    mutable bool cacheValid = false;
};
