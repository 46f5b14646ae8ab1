// The shipped caption fonts, read from the linked-in archive, measure and draw.
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "support/program_state.h"
#include "support/shipped_data_test.h"
#include "toolkit/bmfont.h"
#include "toolkit/toolkit_files.h"

class ShippedFontTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(OpenTestDisplay()); }
    void SetUp() override {
        ResetProgramState();
        MountShippedArchive();
    }
    void TearDown() override { ResetProgramState(); }
};

TEST_F(ShippedFontTest, CaptionDrawsInsideItsMeasuredBox) {
    const BMFontPtr font = TBMFont::Create("data/fonts/", "desyrel24.fnt");
    ASSERT_GT(font->GlyphCount(), 90);
    ASSERT_FALSE(font->BMFImage.empty());
    SetScale(1, 1);
    const std::string caption = "Tessalune: 12 pairs left";
    const float width = font->TextWidth(caption, -1);
    const float height = font->TextHeight(caption);
    EXPECT_GT(width, 150.0f);
    EXPECT_LT(width, 500.0f);
    EXPECT_FLOAT_EQ(height, static_cast<float>(font->FontSize + font->SpacingVert));

    SetClsColor(0, 0, 0);
    Cls();
    SetBlend(BLEND_ALPHA);
    SetColor(255, 255, 255);
    SetAlpha(1);
    const float x = 100;
    const float y = 200;
    font->DrawText(caption, x, y);
    SetScale(2, 2);
    font->DrawText("Level 7", x, 300);
    SetScale(1, 1);
    const PixmapPtr frame = ReadBackBuffer();
    SaveBackBufferPNG(toolkit_test::ScratchDir("shipped_font") + "caption.png");

    int inside = 0;
    int outside = 0;
    for (int py = 150; py < 290; ++py) {
        for (int px = 0; px < 800; ++px) {
            if ((ReadPixel(*frame, px, py) & 0xffffff) == 0) {
                continue;
            }
            const bool within =
                px >= x - 2 && px <= x + width + 2 && py >= y - 2 && py <= y + height + 8;
            (within ? inside : outside) += 1;
        }
    }
    EXPECT_GT(inside, 300);
    EXPECT_EQ(outside, 0);
}
