#include "graphics_fixture.h"
#include "picture_files.h"

using DrawTest = GraphicsTest;

namespace {

// A 20 x 10 image: left half red, right half green.
ImagePtr TwoColourImage(int flags = 0) {
    const ImagePtr image = CreateImage(20, 10, 1, flags);
    const PixmapPtr pixels = LockImage(image);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            WritePixel(*pixels, x, y, x < 10 ? 0xFFFF0000u : 0xFF00FF00u);
        }
    }
    UnlockImage(image);
    return image;
}

}  // namespace

TEST_F(DrawTest, ImageLandsWithItsHandleOnThePosition) {
    const ImagePtr image = TwoColourImage();
    SetImageHandle(image, 10, 5);
    DrawImage(image, 100, 100);
    EXPECT_EQ(ScreenPixel(90, 95), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(109, 104), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(89, 95), 0u);
    EXPECT_EQ(ScreenPixel(110, 95), 0u);
    EXPECT_EQ(ScreenPixel(100, 105), 0u);
}

TEST_F(DrawTest, RotationTurnsAboutTheHandle) {
    const ImagePtr image = TwoColourImage();
    SetImageHandle(image, 10, 5);
    SetRotation(90);  // clockwise on screen: the red half points up
    DrawImage(image, 200, 200);
    EXPECT_EQ(ScreenPixel(200, 192), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(200, 207), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(190, 200), 0u);
    SaveFrame("draw_rotation");
}

TEST_F(DrawTest, ScaleStretchesAboutTheHandle) {
    const ImagePtr image = TwoColourImage();
    SetImageHandle(image, 10, 5);
    SetScale(2, 3);
    DrawImage(image, 300, 300);
    EXPECT_EQ(ScreenPixel(281, 286), 0xFF0000u);  // left edge at 300 - 20, top at 300 - 15
    EXPECT_EQ(ScreenPixel(279, 300), 0u);
    EXPECT_EQ(ScreenPixel(319, 314), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(320, 300), 0u);
    EXPECT_EQ(ScreenPixel(300, 315), 0u);
}

TEST_F(DrawTest, MirroredScaleFlipsAroundTheHandle) {
    const ImagePtr image = TwoColourImage();
    SetScale(-1, 1);
    DrawImage(image, 400, 100);  // handle 0,0: drawn to the left of x
    EXPECT_EQ(ScreenPixel(395, 105), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(385, 105), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(401, 105), 0u);
}

TEST_F(DrawTest, SubImageRectDrawsAPartStretched) {
    const ImagePtr image = TwoColourImage();
    // The green half (10..20) stretched into 40 x 20.
    DrawSubImageRect(image, 50, 50, 40, 20, 10, 0, 10, 10);
    EXPECT_EQ(ScreenPixel(50, 50), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(89, 69), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(90, 60), 0u);
    EXPECT_EQ(ScreenPixel(60, 70), 0u);
    DrawImageRect(image, 100, 50, 40, 10);
    EXPECT_EQ(ScreenPixel(119, 55), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(120, 55), 0x00FF00u);
}

TEST_F(DrawTest, LinesDrawTheirLastPixel) {
    SetColor(255, 255, 0);
    DrawLine(10, 10, 20, 10);
    EXPECT_EQ(ScreenPixel(10, 10), 0xFFFF00u);
    EXPECT_EQ(ScreenPixel(20, 10), 0xFFFF00u);
    EXPECT_EQ(ScreenPixel(21, 10), 0u);
    EXPECT_EQ(ScreenPixel(15, 11), 0u);
    DrawLine(30, 30, 30, 40);
    EXPECT_EQ(ScreenPixel(30, 40), 0xFFFF00u);
    EXPECT_EQ(ScreenPixel(30, 41), 0u);
    DrawLine(50, 50, 50, 50);  // a single point
    EXPECT_EQ(ScreenPixel(50, 50), 0xFFFF00u);
    DrawLine(60, 60, 70, 70);
    EXPECT_EQ(ScreenPixel(70, 70), 0xFFFF00u);
    EXPECT_EQ(ScreenPixel(65, 65), 0xFFFF00u);
}

TEST_F(DrawTest, LineWidthWidensLines) {
    SetLineWidth(3);
    DrawLine(100, 100, 120, 100);
    EXPECT_EQ(ScreenPixel(110, 99), 0xFFFFFFu);
    EXPECT_EQ(ScreenPixel(110, 101), 0xFFFFFFu);
    EXPECT_EQ(ScreenPixel(110, 102), 0u);
}

TEST_F(DrawTest, RectAndOvalFillInTheColour) {
    SetColor(0, 0, 255);
    DrawRect(10, 200, 30, 20);
    EXPECT_EQ(ScreenPixel(10, 200), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(39, 219), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(40, 210), 0u);
    SetColor(255, 0, 255);
    DrawOval(100, 200, 40, 20);
    EXPECT_EQ(ScreenPixel(120, 210), 0xFF00FFu);
    EXPECT_EQ(ScreenPixel(101, 201), 0u);  // a corner lies outside the ellipse
    SetRotation(90);
    SetColor(0, 255, 255);
    DrawRect(300, 200, 30, 10);  // turned about its top-left corner: hangs down-left
    EXPECT_EQ(ScreenPixel(295, 220), 0x00FFFFu);
    EXPECT_EQ(ScreenPixel(305, 220), 0u);
    SaveFrame("draw_shapes");
}

TEST_F(DrawTest, MaskedJpegHidesBlackAndFilteredKeepsIt) {
    PixmapPtr card = CreatePixmap(32, 32, PF_BGRA8888);
    ClearPixels(*card, 0xFFFFFFFFu);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            WritePixel(*card, x, y, 0xFF000000u);  // a flat black block
        }
    }
    const std::string path = TempPath("black_block.jpg");
    WriteFileBytes(path, EncodeJpeg(*card, 100));
    const ImagePtr masked = LoadImage(path, IMG_DEFAULT);
    const ImagePtr filtered = LoadImage(path, IMG_FILTERED);
    ASSERT_TRUE(masked && filtered);
    SetClsColor(0, 0, 255);
    Cls();
    SetBlend(BLEND_MASK);
    DrawImage(masked, 0, 0);
    DrawImage(filtered, 100, 0);
    EXPECT_EQ(ScreenPixel(4, 4), 0x0000FFu) << "pure black is transparent";
    EXPECT_GT(Channel(ScreenPixel(28, 28), 16), 240);
    EXPECT_EQ(ScreenPixel(104, 4), 0u) << "flags 2: black stays";
    SaveFrame("draw_masked_jpeg");
}

TEST_F(DrawTest, GrabImageCopiesTheScreen) {
    SetColor(255, 0, 0);
    DrawRect(10, 10, 5, 5);
    SetColor(0, 255, 0);
    DrawRect(15, 10, 5, 5);
    const ImagePtr grab = CreateImage(10, 5, 1, IMG_FILTERED | IMG_DYNAMIC);
    GrabImage(grab, 10, 10);
    EXPECT_EQ(ReadPixel(*grab->frames[0], 0, 0), 0xFFFF0000u);
    EXPECT_EQ(ReadPixel(*grab->frames[0], 9, 4), 0xFF00FF00u);
    Cls();
    SetColor(255, 255, 255);
    DrawImage(grab, 200, 200);
    EXPECT_EQ(ScreenPixel(200, 200), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(209, 204), 0x00FF00u);
    const PixmapPtr corner = GrabPixmap(-2, -2, 4, 4);  // partly off screen
    ASSERT_TRUE(corner);
    EXPECT_EQ(ReadPixel(*corner, 0, 0), 0u);
    EXPECT_EQ(ReadPixel(*corner, 3, 3), 0xFF000000u);
}

TEST_F(DrawTest, UnlockShowsChangedPixels) {
    const ImagePtr image = SolidImage(4, 4, 0xFFFF0000u, IMG_DYNAMIC);
    DrawImage(image, 0, 0);
    EXPECT_EQ(ScreenPixel(1, 1), 0xFF0000u);
    ClearPixels(*LockImage(image), 0xFF0000FFu);
    UnlockImage(image);
    DrawImage(image, 0, 0);
    EXPECT_EQ(ScreenPixel(1, 1), 0x0000FFu);
}

TEST_F(DrawTest, ManyQuadsInOneFrame) {
    const ImagePtr image = SolidImage(8, 8, 0xFFFFFFFFu);
    for (int i = 0; i < 2000; ++i) {
        SetColor(i % 256, 100, 200);
        DrawImage(image, static_cast<float>((i * 8) % 800), static_cast<float>((i / 100) * 8));
    }
    EXPECT_EQ(ScreenPixel(4, 4), 0x0064C8u);
    EXPECT_EQ(ScreenPixel(7 * 8 + 4, 4), 0x0764C8u);
}

// A busy frame of every kind of drawing, saved for a look by eye.
TEST_F(DrawTest, MixedSceneKeepsDrawOrder) {
    SetClsColor(40, 40, 60);
    Cls();
    const ImagePtr gradient = CreateImage(64, 64, 1, IMG_FILTERED);
    const PixmapPtr pixels = LockImage(gradient);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            WritePixel(*pixels, x, y,
                       0xFF000000u | static_cast<uint32_t>(x * 4) << 16 |
                           static_cast<uint32_t>(y * 4) << 8 | 0x80u);
        }
    }
    UnlockImage(gradient);
    SetImageHandle(gradient, 32, 32);
    for (int i = 0; i < 8; ++i) {
        SetRotation(i * 45.0f);
        SetScale(1.0f + i * 0.25f, 1.0f + i * 0.25f);
        SetBlend(i % 2 == 0 ? BLEND_ALPHA : BLEND_LIGHT);
        SetAlpha(0.6f);
        DrawImage(gradient, 100.0f + i * 85.0f, 300.0f);
    }
    SetRotation(0);
    SetScale(1, 1);
    SetAlpha(1);
    SetBlend(BLEND_SHADE);
    SetColor(255, 128, 128);
    DrawRect(0, 450, 800, 150);
    SetBlend(BLEND_SOLID);
    SetColor(255, 255, 0);
    SetLineWidth(3);
    DrawLine(50, 50, 750, 50);
    DrawLine(750, 50, 750, 200);
    DrawLine(50, 50, 750, 200);
    SetColor(0, 200, 255);
    DrawOval(350, 80, 100, 60);
    SetColor(255, 255, 255);
    DrawSubImageRect(gradient, 600, 500, 128, 64, 0, 0, 32, 16);
    EXPECT_EQ(ScreenPixel(400, 50), 0xFFFF00u);
    EXPECT_EQ(ScreenPixel(400, 110), 0x00C8FFu);
    SaveFrame("draw_scene");
}
