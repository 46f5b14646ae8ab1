#include <gtest/gtest.h>

#include "platform/render_backend.h"

TEST(WindowTest, LetterboxKeepsTheAspectAndCentres) {
    const Letterbox wide = FitLetterbox(800, 600, 1920, 1080);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);
    const Letterbox tall = FitLetterbox(800, 600, 800, 1000);
    EXPECT_EQ(tall.width, 800);
    EXPECT_EQ(tall.height, 600);
    EXPECT_EQ(tall.y, 200);
    const Letterbox exact = FitLetterbox(800, 600, 800, 600);
    EXPECT_EQ(exact.x + exact.y, 0);
    EXPECT_EQ(exact.width, 800);
    const Letterbox none = FitLetterbox(800, 600, 0, 0);
    EXPECT_EQ(none.width, 0);
}
