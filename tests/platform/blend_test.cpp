#include "graphics_fixture.h"

using BlendTest = GraphicsTest;

TEST_F(BlendTest, MaskHidesLowAlphaAndDrawsTheRestOpaque) {
    SetClsColor(0, 0, 255);
    Cls();
    const ImagePtr faint = SolidImage(10, 10, 0x7FFF0000u);   // alpha 127: below half
    const ImagePtr strong = SolidImage(10, 10, 0x80FF0000u);  // alpha 128: at least half
    SetBlend(BLEND_MASK);
    DrawImage(faint, 10, 10);
    DrawImage(strong, 30, 10);
    EXPECT_EQ(ScreenPixel(15, 15), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(35, 15), 0xFF0000u);
    SaveFrame("blend_mask");
}

TEST_F(BlendTest, SolidIgnoresAlpha) {
    SetClsColor(0, 0, 255);
    Cls();
    SetBlend(BLEND_SOLID);
    DrawImage(SolidImage(10, 10, 0x00FF0000u), 10, 10);
    EXPECT_EQ(ScreenPixel(15, 15), 0xFF0000u);
}

TEST_F(BlendTest, AlphaMixesHalfAndHalf) {
    SetClsColor(0, 0, 200);
    Cls();
    SetBlend(BLEND_ALPHA);
    DrawImage(SolidImage(10, 10, 0x80C80000u), 10, 10);  // red 200 at alpha ~0.5
    const uint32_t p = ScreenPixel(15, 15);
    EXPECT_NEAR(Channel(p, 16), 100, 2);
    EXPECT_NEAR(Channel(p, 0), 100, 2);
}

TEST_F(BlendTest, AlphaUsesColorAlphaAndTint) {
    SetBlend(BLEND_ALPHA);
    SetAlpha(0.25f);
    SetColor(255, 128, 0);
    DrawImage(SolidImage(10, 10, 0xFFFFFFFFu), 10, 10);
    const uint32_t p = ScreenPixel(15, 15);
    EXPECT_NEAR(Channel(p, 16), 64, 2);
    EXPECT_NEAR(Channel(p, 8), 32, 2);
    EXPECT_EQ(Channel(p, 0), 0);
}

TEST_F(BlendTest, LightAddsScaledSource) {
    SetClsColor(100, 100, 100);
    Cls();
    SetBlend(BLEND_LIGHT);
    SetAlpha(0.5f);
    DrawImage(SolidImage(10, 10, 0xFFC8C8C8u), 10, 10);  // 200 * 0.5 + 100
    const uint32_t p = ScreenPixel(15, 15);
    EXPECT_NEAR(Channel(p, 16), 200, 2);
    DrawImage(SolidImage(10, 10, 0xFFFFFFFFu), 10, 10);  // saturates
    EXPECT_EQ(ScreenPixel(15, 15), 0xFFFFFFu);
}

TEST_F(BlendTest, ShadeMultiplies) {
    SetClsColor(200, 100, 50);
    Cls();
    SetBlend(BLEND_SHADE);
    DrawImage(SolidImage(10, 10, 0xFF808080u), 10, 10);
    const uint32_t p = ScreenPixel(15, 15);
    EXPECT_NEAR(Channel(p, 16), 100, 2);
    EXPECT_NEAR(Channel(p, 8), 50, 2);
    EXPECT_NEAR(Channel(p, 0), 25, 2);
}

TEST_F(BlendTest, UnknownModeDrawsAsSolid) {
    SetBlend(17);
    EXPECT_EQ(GetBlend(), 17);
    DrawImage(SolidImage(10, 10, 0x00FF0000u), 10, 10);
    EXPECT_EQ(ScreenPixel(15, 15), 0xFF0000u);
}

TEST_F(BlendTest, GettersReturnWhatWasSet) {
    SetColor(1, 2, 3);
    SetAlpha(0.3f);
    SetRotation(33.5f);
    SetScale(2.5f, -1.0f);
    SetLineWidth(3.0f);
    SetClsColor(4, 5, 6);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r * 10000 + g * 100 + b, 10203);
    EXPECT_EQ(GetAlpha(), 0.3f);
    EXPECT_EQ(GetRotation(), 33.5f);
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    EXPECT_EQ(sx, 2.5f);
    EXPECT_EQ(sy, -1.0f);
    EXPECT_EQ(GetLineWidth(), 3.0f);
    GetClsColor(r, g, b);
    EXPECT_EQ(r * 10000 + g * 100 + b, 40506);
}

TEST_F(BlendTest, ReopeningRestoresTheInitialStateAndKeepsImages) {
    const ImagePtr image = SolidImage(4, 4, 0xFF00FF00u);
    DrawImage(image, 0, 0);
    SetColor(10, 20, 30);
    SetBlend(BLEND_ALPHA);
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60));
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(r + g + b, 765);
    EXPECT_EQ(GetBlend(), BLEND_MASK);
    EXPECT_EQ(GetAlpha(), 1.0f);
    Cls();
    DrawImage(image, 0, 0);
    EXPECT_EQ(ScreenPixel(2, 2), 0x00FF00u);
}
