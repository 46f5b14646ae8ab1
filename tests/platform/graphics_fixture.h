#pragma once
// Opens one 800 x 600 context for the drawing tests and helps read pixels back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/graphics.h"
#include "platform/test_seams.h"
#include "support/input_driver.h"

class GraphicsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { OpenTestDisplay(); }
    void SetUp() override {
        ASSERT_TRUE(GraphicsOpen()) << "no OpenGL context";
        ResetState();
        Cls();
    }
    static void ResetState() {
        SetColor(255, 255, 255);
        SetAlpha(1.0f);
        SetBlend(BLEND_MASK);
        SetRotation(0);
        SetScale(1, 1);
        SetLineWidth(1);
        SetClsColor(0, 0, 0);
    }
    static int Channel(uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }
    // Saves the frame for a look by eye when TESS_SAVE_FRAMES is set.
    static void SaveFrame(const std::string& name) {
        if (std::getenv("TESS_SAVE_FRAMES") != nullptr) {
            SaveTestFrame(name);
        }
    }
};

// A solid-colour image with an optional alpha.
inline ImagePtr SolidImage(int width, int height, uint32_t argb, int flags = 0) {
    const ImagePtr image = CreateImage(width, height, 1, flags);
    ClearPixels(*LockImage(image), argb);
    UnlockImage(image);
    return image;
}
