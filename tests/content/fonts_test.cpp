// The bitmap fonts parse through the game's font reader with the sizes,
// spacing, glyphs and kerning they were made with, and draw legible text.
#include <gtest/gtest.h>

#include <filesystem>

#include "content_fixture.h"
#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "toolkit/bmfont.h"
#include "support/shipped_data_test.h"

namespace {

constexpr int PRINTABLE_LATIN1 = 95 + 96;  // 32..126 and 160..255

void ExpectPrintableGlyphs(const TBMFont& font) {
    for (int code = 32; code < 256; ++code) {
        if (code > 126 && code < 160) {
            continue;
        }
        SCOPED_TRACE(code);
        const int record = font.FindChar(code);
        ASSERT_GE(record, 0);
        EXPECT_EQ(font.Id[static_cast<size_t>(record)], code);
    }
}

// Every glyph fits on its page and inside the line the game measures.
void ExpectGlyphsInBounds(const TBMFont& font) {
    for (size_t i = 0; i < font.Id.size(); ++i) {
        SCOPED_TRACE(font.Id[i]);
        EXPECT_LE(font.X[i] + font.Width[i], font.ScaleW);
        EXPECT_LE(font.Y[i] + font.Height[i], font.ScaleH);
        const int top = TBMFont::SignedShort(font.YOffset[i]);
        EXPECT_GE(top, -2);
        EXPECT_LE(top + font.Height[i], font.FontSize + 2);
        EXPECT_GT(TBMFont::SignedShort(font.XAdvance[i]), 0);
    }
}

// Pages are white where they have ink, so captions take the drawing colour.
void ExpectWhiteInk(const TBMFont& font) {
    ASSERT_FALSE(font.BMFImage.empty());
    for (const ImagePtr& page : font.BMFImage) {
        ASSERT_NE(page, nullptr);
        const PixmapPtr pixels = LockImage(page, 0, true, false);
        int ink = 0;
        for (int y = 0; y < pixels->height; ++y) {
            for (int x = 0; x < pixels->width; ++x) {
                const uint32_t argb = ReadPixel(*pixels, x, y);
                if ((argb >> 24) < 128) {
                    continue;
                }
                ++ink;
                EXPECT_EQ(argb & 0xFFFFFFu, 0xFFFFFFu) << x << "," << y;
            }
        }
        UnlockImage(page, 0);
        EXPECT_GT(ink, 500);
    }
}

}  // namespace

class FontFiles : public ContentTest, public ::testing::WithParamInterface<int> {};

TEST_P(FontFiles, ParseWithTheirSizeSpacingGlyphsAndKerning) {
    const int size = GetParam();
    const BMFontPtr font =
        TBMFont::Create("data/fonts/", "desyrel" + std::to_string(size) + ".fnt");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->BMFVersion, 3);
    EXPECT_EQ(font->FontSize, size);
    EXPECT_EQ(font->SpacingHoriz, 1);
    EXPECT_EQ(font->SpacingVert, 1);
    EXPECT_EQ(font->Packed, 0);
    EXPECT_EQ(font->Pages, 1);
    EXPECT_EQ(font->GlyphCount(), PRINTABLE_LATIN1);
    EXPECT_EQ(font->Kerning, 1);
    ExpectPrintableGlyphs(*font);
    ExpectGlyphsInBounds(*font);
    ExpectWhiteInk(*font);
    // Kerning pulls a pair such as "AV" together.
    SetScale(1, 1);
    EXPECT_LT(font->TextWidth("AV", -1), font->TextWidth("A", -1) + font->TextWidth("V", -1) + 1);
}

TEST_P(FontFiles, WidthGrowsWithSize) {
    const int size = GetParam();
    const BMFontPtr font =
        TBMFont::Create("data/fonts/", "desyrel" + std::to_string(size) + ".fnt");
    ASSERT_NE(font, nullptr);
    SetScale(1, 1);
    const float width = font->TextWidth("The quick brown fox", -1);
    EXPECT_GT(width, size * 6.0f);
    EXPECT_LT(width, size * 12.0f);
    EXPECT_FLOAT_EQ(font->TextHeight("A"), static_cast<float>(size + 1));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontFiles, ::testing::Values(18, 24, 32));

TEST_F(ContentTest, TestFontsCoverTheOtherShapesOfTheFormat) {
    const std::string folder = TESS_BINARY_DIR "/testdata/fonts/";
    SetArchivePrefix("");
    const BMFontPtr v2 = TBMFont::Create(folder, "version2_18.fnt");
    ASSERT_NE(v2, nullptr);
    EXPECT_EQ(v2->BMFVersion, 2);
    EXPECT_EQ(v2->FontSize, 18);
    EXPECT_EQ(v2->GlyphCount(), PRINTABLE_LATIN1);
    EXPECT_EQ(v2->Kerning, 1);
    ExpectPrintableGlyphs(*v2);

    const BMFontPtr packed = TBMFont::Create(folder, "packed18.fnt");
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(packed->BMFVersion, 3);
    EXPECT_EQ(packed->Packed, 1);
    EXPECT_EQ(packed->Pages, 4);
    EXPECT_EQ(packed->GlyphCount(), PRINTABLE_LATIN1);
    int perChannel[4] = {0, 0, 0, 0};
    for (const uint16_t page : packed->Page) {
        ASSERT_LT(page, 4);
        ++perChannel[page];
    }
    for (const int count : perChannel) {
        EXPECT_GT(count, 40);
    }
    ExpectPrintableGlyphs(*packed);
    ExpectWhiteInk(*packed);
}

// Draws a pangram with each font and checks it by its ink: dark background,
// light letters in separate strokes across the measured width.
class FontDrawing : public ContentTest {
protected:
    static void SetUpTestSuite() { OpenTestDisplay(); }
};

namespace {

struct InkSpan {
    int columns = 0;  // columns with ink
    int runs = 0;     // separate groups of inked columns
    int first = -1, last = -1;
};

InkSpan InkAcross(const TPixmap& frame, int y0, int y1) {
    InkSpan span;
    bool inRun = false;
    for (int x = 0; x < frame.width; ++x) {
        bool ink = false;
        for (int y = y0; y < y1 && !ink; ++y) {
            ink = (ReadPixel(frame, x, y) & 0xFF) > 140;
        }
        if (ink) {
            ++span.columns;
            if (span.first < 0) {
                span.first = x;
            }
            span.last = x;
        }
        if (ink && !inRun) {
            ++span.runs;
        }
        inRun = ink;
    }
    return span;
}

}  // namespace

TEST_F(FontDrawing, DrawsThePangramLegibly) {
    ASSERT_TRUE(GraphicsOpen());
    SetClsColor(30, 40, 60);
    Cls();
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    const char* text = "The quick brown fox";
    const int sizes[3] = {18, 24, 32};
    int y = 40;
    float widths[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const BMFontPtr font =
            TBMFont::Create("data/fonts/", "desyrel" + std::to_string(sizes[i]) + ".fnt");
        ASSERT_NE(font, nullptr);
        SetColor(255, 255, 255);
        font->DrawText(text, 20, static_cast<float>(y));
        SetColor(255, 220, 120);
        font->DrawText("jumps over the lazy dog: 0123456789 \xC4\xD6\xDC \xE4\xF6\xFC \xDF \xE9",
                       20, static_cast<float>(y + sizes[i] + 4));
        widths[i] = font->TextWidth(text, -1);
        y += 2 * sizes[i] + 30;
    }
    const PixmapPtr frame = ReadBackBuffer();
    ASSERT_NE(frame, nullptr);
    std::filesystem::create_directories(content_test::ReportPath(""));
    SavePixmapPNG(*frame, content_test::ReportPath("fonts-frame.png"));
    y = 40;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(sizes[i]);
        const InkSpan span = InkAcross(*frame, y, y + sizes[i]);
        // Letters stand apart (at least one stroke group per word, most letters
        // separate), and the ink covers the measured width.
        EXPECT_GE(span.runs, 12);
        EXPECT_NEAR(span.last - span.first, widths[i], sizes[i] * 0.5);
        EXPECT_GT(span.columns, widths[i] * 0.4);
        y += 2 * sizes[i] + 30;
    }
}
