#include <gtest/gtest.h>

#include "platform/debug_log.h"
#include "platform/graphics.h"
#include "platform/pixmap.h"
#include "toolkit/bmfont.h"
#include "toolkit/toolkit_files.h"

namespace {

// Glyphs A, B, a..d side by side on a 64 x 32 page; A-B kerned by -2.
BmfDesc TestDesc(int version) {
    BmfDesc desc;
    desc.version = version;
    desc.pages = {"page0.png"};
    const int advances[] = {10, 12, 7, 8, 9, 10};
    const char codes[] = {'A', 'B', 'a', 'b', 'c', 'd'};
    for (int i = 0; i < 6; ++i) {
        BmfGlyph g;
        g.id = codes[i];
        g.x = i * 10;
        g.width = 8;
        g.height = 12;
        g.xadvance = advances[i];
        desc.glyphs.push_back(g);
    }
    desc.kerning.push_back({'A', 'B', -2});
    return desc;
}

class BMFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit_test::WritePng(dir + "page0.png", 64, 32, 0xffffffff);
        SetScale(1, 1);
    }
    void TearDown() override { SetScale(1, 1); }

    BMFontPtr Load(const std::string& bytes) {
        toolkit_test::WriteFile(dir + "test.fnt", bytes);
        return TBMFont::Create(dir, "test.fnt");
    }

    std::string dir = toolkit_test::ScratchDir("bmfont");
};

}  // namespace

TEST_F(BMFontTest, BothVersionsReadTheSameFont) {
    for (const int version : {2, 3}) {
        const BMFontPtr font = Load(BuildBmf(TestDesc(version)));
        EXPECT_EQ(font->BMFVersion, version);
        EXPECT_EQ(font->FontSize, 18);
        EXPECT_EQ(font->SpacingHoriz, 1);
        EXPECT_EQ(font->Pages, 1);
        ASSERT_EQ(font->GlyphCount(), 6);
        ASSERT_NE(font->BMFImage[0], nullptr);
        EXPECT_EQ(font->ImageW[0], 64);
        EXPECT_EQ(font->FindChar('B'), 1);
        EXPECT_EQ(font->Kerning, 1);
        EXPECT_FLOAT_EQ(font->TextWidth("AB", -1), 21.0f);
    }
}

TEST_F(BMFontTest, HeightCountsLinesWithSpacing) {
    const BMFontPtr font = Load(BuildBmf(TestDesc(3)));
    EXPECT_FLOAT_EQ(font->TextHeight("A"), 19.0f);
    EXPECT_FLOAT_EQ(font->TextHeight("A\nB"), 38.0f);
    SetScale(1, 2);
    EXPECT_FLOAT_EQ(font->TextHeight("A\nB"), 76.0f);
}

TEST_F(BMFontTest, WidthWithSpacingKerningAndLines) {
    const BMFontPtr font = Load(BuildBmf(TestDesc(3)));
    // A(10) + kerning -2 + spacing 1 + B(12); no spacing after the last character.
    EXPECT_FLOAT_EQ(font->TextWidth("AB", -1), 21.0f);
    EXPECT_FLOAT_EQ(font->TextWidth("BA", -1), 23.0f);
    EXPECT_FLOAT_EQ(font->TextWidth("ab\nabcd", 0), 17.0f);
    EXPECT_FLOAT_EQ(font->TextWidth("ab\nabcd", -1), 37.0f);
    EXPECT_FLOAT_EQ(font->TextWidth("ab\nabcd", 1), 37.0f);
    SetScale(2, 2);
    EXPECT_FLOAT_EQ(font->TextWidth("AB", -1), 42.0f);  // kerning pulls 4 px at scale 2
}

TEST_F(BMFontTest, WidthCacheFollowsTheScale) {
    const BMFontPtr font = Load(BuildBmf(TestDesc(3)));
    EXPECT_FLOAT_EQ(font->TextWidth("abcd", -1), 37.0f);
    EXPECT_FLOAT_EQ(font->TextWidth("abcd", -1), 37.0f);
    SetScale(0.5f, 1);
    EXPECT_FLOAT_EQ(font->TextWidth("abcd", -1), 18.5f);
    SetScale(0.5f, 3);
    EXPECT_FLOAT_EQ(font->LastYScale, 1.0f);
    font->TextWidth("abcd", -1);
    EXPECT_FLOAT_EQ(font->LastYScale, 3.0f);
}

TEST_F(BMFontTest, MissingCharactersBelowAndAbove255) {
    BmfDesc desc = TestDesc(3);
    BmfGlyph smile;
    smile.id = 0x263A;
    smile.xadvance = 20;
    desc.glyphs.push_back(smile);
    const BMFontPtr font = Load(BuildBmf(desc));
    EXPECT_EQ(font->FindChar('Z'), 0);  // the first glyph stands in
    EXPECT_FLOAT_EQ(font->TextWidth("Z", -1), 10.0f);
    EXPECT_EQ(font->FindChar(0x263A), 6);
    EXPECT_EQ(font->FindChar(0x263B), -1);
    EXPECT_EQ(font->FindChar(-3), -1);
}

TEST_F(BMFontTest, PackedFontSplitsItsPagesIntoChannels) {
    PixmapPtr page = CreatePixmap(4, 4, PF_BGRA8888);
    ClearPixels(*page, 0x40302010);  // alpha 0x40, red 0x30, green 0x20, blue 0x10
    SavePixmapPNG(*page, dir + "packed.png");
    BmfDesc desc = TestDesc(3);
    desc.packed = true;
    desc.pages = {"packed.png"};
    desc.glyphs[0].chnl = 1;
    desc.glyphs[1].chnl = 2;
    desc.glyphs[2].chnl = 4;
    desc.glyphs[3].chnl = 8;
    desc.glyphs[4].width = 2;
    desc.glyphs[4].x = 0;
    const BMFontPtr font = Load(BuildBmf(desc));
    EXPECT_EQ(font->Pages, 4);
    ASSERT_EQ(font->BMFImage.size(), 4u);
    const uint32_t expected[] = {0x10, 0x20, 0x30, 0x40};
    for (int c = 0; c < 4; ++c) {
        ASSERT_NE(font->BMFImage[c], nullptr);
        const uint32_t pixel = ReadPixel(*font->BMFImage[c]->frames[0], 1, 1);
        EXPECT_EQ(pixel >> 24, expected[c]) << "channel " << c;
        EXPECT_EQ(pixel & 0xffffff, 0xffffffu);
    }
    EXPECT_EQ(font->Page[0], 0);
    EXPECT_EQ(font->Page[1], 1);
    EXPECT_EQ(font->Page[2], 2);
    EXPECT_EQ(font->Page[3], 3);
}

TEST_F(BMFontTest, WrongMagicOrVersionGivesAnEmptyFont) {
    for (const std::string& bytes :
         {std::string("XYZ\x03"), BmfHeader(4) + "junk", std::string("BM")}) {
        DebugLogCapture log;
        const BMFontPtr font = Load(bytes);
        EXPECT_EQ(font->GlyphCount(), 0);
        EXPECT_TRUE(log.Contains("Not a BMFont"));
        EXPECT_FLOAT_EQ(font->TextWidth("Hello", -1), 0.0f);
        EXPECT_FLOAT_EQ(font->TextHeight("Hello"), 0.0f);
        EXPECT_EQ(font->FindChar('H'), -1);
        EXPECT_EQ(font->DrawText("Hello", 0, 0), 0);
    }
    DebugLogCapture log;
    const BMFontPtr missing = TBMFont::Create(dir, "nowhere.fnt");
    EXPECT_EQ(missing->BMFVersion, 0);
}

TEST_F(BMFontTest, TruncatedAndLyingBlocksStayInBounds) {
    const std::string whole = BuildBmf(TestDesc(3));
    for (size_t cut = 4; cut < whole.size(); cut += 7) {
        const BMFontPtr font = Load(whole.substr(0, cut));
        EXPECT_LE(font->GlyphCount(), 6);
        font->TextWidth("AB\nab", -1);
        font->DrawText("AB", 0, 0);
    }
    const BmfDesc desc = TestDesc(2);
    std::string lying = BmfHeader(2) + BmfBlock(2, 2, BmfCommonContent(desc));
    lying += std::string("\x04\xff\xff\xff\x7f", 5) + BmfCharsContent(desc);
    DebugLogCapture log;
    const BMFontPtr font = Load(lying);
    EXPECT_TRUE(log.Contains("bad size"));
    EXPECT_EQ(font->GlyphCount(), 6);
    const BMFontPtr negative = Load(BmfHeader(3) + std::string("\x04\x00\x00\x00\x80", 5));
    EXPECT_EQ(negative->GlyphCount(), 0);
    const BMFontPtr lowest = Load(BmfHeader(2) + std::string("\x04\x00\x00\x00\x80", 5));
    EXPECT_EQ(lowest->GlyphCount(), 0);
}

TEST_F(BMFontTest, HostileGlyphsAndKerningAreMended) {
    BmfDesc desc = TestDesc(3);
    desc.glyphs[0].page = 9;  // beyond the pages
    desc.glyphs[1].x = 60;    // runs past the right edge
    desc.glyphs[1].width = 30;
    desc.glyphs[2].y = 5000;                // entirely outside
    desc.kerning.push_back({'Q', 'A', 5});  // no glyph Q
    DebugLogCapture log;
    const BMFontPtr font = Load(BuildBmf(desc));
    EXPECT_TRUE(log.Contains("missing font page"));
    EXPECT_TRUE(log.Contains("cut to their page"));
    EXPECT_TRUE(log.Contains("kerning pairs"));
    EXPECT_EQ(font->Width[1], 4);
    EXPECT_EQ(font->Height[2], 0);
    EXPECT_FLOAT_EQ(font->TextWidth("A", -1), 10.0f);  // still measured
    EXPECT_EQ(font->DrawText("ABa", 0, 0), 0);

    BmfDesc early = TestDesc(3);
    std::string bytes = BmfHeader(3) + BmfBlock(3, 5, BmfKerningContent(early)) +
                        BmfBlock(3, 4, BmfCharsContent(early));
    const BMFontPtr kernFirst = Load(bytes);
    EXPECT_EQ(kernFirst->Kerning, 0);
    EXPECT_EQ(kernFirst->GlyphCount(), 6);
}

TEST_F(BMFontTest, GlyphCountIsCapped) {
    BmfDesc desc = TestDesc(3);
    desc.glyphs.resize(BMFONT_MAX_GLYPHS + 10, desc.glyphs[2]);
    DebugLogCapture log;
    const BMFontPtr font = Load(BuildBmf(desc));
    EXPECT_EQ(font->GlyphCount(), BMFONT_MAX_GLYPHS);
    EXPECT_TRUE(log.Contains("glyphs, only"));
}

TEST(BMFontHelpersTest, SignedValuesAndPowersOfTwo) {
    EXPECT_EQ(TBMFont::SignedShort(0xfffe), -2);
    EXPECT_EQ(TBMFont::SignedShort(0x7fff), 32767);
    EXPECT_EQ(TBMFont::SignedByte(0x80), -128);
    EXPECT_EQ(TBMFont::Pow2Size(0), 1);
    EXPECT_EQ(TBMFont::Pow2Size(1), 1);
    EXPECT_EQ(TBMFont::Pow2Size(65), 128);
    EXPECT_EQ(TBMFont::Pow2Size(64), 64);
}
