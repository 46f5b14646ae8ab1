#include <gtest/gtest.h>

#include "picture_files.h"
#include "platform/image.h"

TEST(ImageTest, MaskedPixmapsWithoutAlphaLoseTheirBlack) {
    PixmapPtr opaque = CreatePixmap(2, 1, PF_BGRA8888);
    WritePixel(*opaque, 0, 0, 0xFF000000u);
    WritePixel(*opaque, 1, 0, 0xFF010000u);
    const ImagePtr masked = LoadImage(opaque, IMG_DEFAULT);
    ASSERT_TRUE(masked);
    EXPECT_EQ(masked->flags, IMG_MASKED | IMG_FILTERED);
    EXPECT_EQ(ReadPixel(*masked->frames[0], 0, 0), 0x00000000u);
    EXPECT_EQ(ReadPixel(*masked->frames[0], 1, 0), 0xFF010000u);
    EXPECT_EQ(ReadPixel(*opaque, 0, 0), 0xFF000000u) << "the source pixmap is copied";

    const ImagePtr filtered = LoadImage(opaque, IMG_FILTERED);
    EXPECT_EQ(ReadPixel(*filtered->frames[0], 0, 0), 0xFF000000u);

    WritePixel(*opaque, 1, 0, 0x80FFFFFFu);  // now the source carries alpha
    const ImagePtr withAlpha = LoadImage(opaque, IMG_MASKED);
    EXPECT_EQ(ReadPixel(*withAlpha->frames[0], 0, 0), 0xFF000000u);
}

TEST(ImageTest, CreateLockAndHandle) {
    const ImagePtr image = CreateImage(6, 4, 2, IMG_DYNAMIC | IMG_MASKED);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->frames.size(), 2u);
    const PixmapPtr frame = LockImage(image, 1);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->width, 6);
    EXPECT_EQ(ReadPixel(*frame, 0, 0), 0u);
    EXPECT_FALSE(LockImage(image, 2));
    SetImageHandle(image, 3, 2);
    EXPECT_EQ(image->handle_x, 3.0f);
    EXPECT_FALSE(CreateImage(0, 4, 1, 0));
    EXPECT_FALSE(LoadImage(TempPath("nothing-here.png"), IMG_DEFAULT));
}
